#include "gamebuild/pe_image.h"

#include <algorithm>
#include <tuple>

#include "gamebuild/pe_format.h"
#include "platform/byte_io.h"

namespace gamebuild {

namespace {

using platform::ByteView;

uint32_t AlignUp(uint32_t value, uint32_t alignment) {
  if (alignment == 0) return value;
  return static_cast<uint32_t>((uint64_t{value} + alignment - 1) / alignment * alignment);
}

std::optional<PeSection> ReadSection(ByteView file, size_t offset) {
  if (!file.Has(offset, pe::kSectionHeaderSize)) return std::nullopt;
  PeSection section;
  const auto name = file.Bytes(offset, pe::kSectionNameSize);
  section.name.assign(name.begin(), std::find(name.begin(), name.end(), uint8_t{0}));
  section.virtual_size = file.U32Or0(offset + pe::kVirtualSizeField);
  section.virtual_address = file.U32Or0(offset + pe::kVirtualAddressField);
  section.raw_size = file.U32Or0(offset + pe::kRawSizeField);
  section.raw_offset = file.U32Or0(offset + pe::kRawOffsetField);
  section.header_offset = offset;
  return section;
}

// The section whose file data hold `count` bytes at `rva`, and their file offset.
std::optional<size_t> FileOffsetOf(const PeImage& image, size_t file_size, uint32_t rva, size_t count) {
  for (const PeSection& s : image.sections) {
    if (rva < s.virtual_address) continue;
    const size_t into = rva - s.virtual_address;
    if (!platform::InBounds(s.raw_size, into, count)) continue;
    const size_t offset = size_t{s.raw_offset} + into;
    if (platform::InBounds(file_size, offset, count)) return offset;
  }
  return std::nullopt;
}

// Walks the three levels of the resource directory (type, name, language).
class ResourceWalk {
 public:
  ResourceWalk(std::span<const uint8_t> file, const PeImage& image, size_t section_offset, size_t section_size)
      : file_(file), image_(image), base_(section_offset), size_(section_size) {}

  bool Table(size_t offset, int level, PeResource& path) {
    const ByteView section(file_.subspan(base_, size_));
    if (!section.Has(offset, pe::kResourceTableSize)) return false;
    if (section.U16Or0(offset + pe::kNamedEntryCountField) != 0) return false;
    const size_t count = section.U16Or0(offset + pe::kIdEntryCountField);
    for (size_t i = 0; i < count; ++i) {
      const size_t entry = offset + pe::kResourceTableSize + pe::kResourceEntrySize * i;
      if (!section.Has(entry, pe::kResourceEntrySize) || ++entries_ > size_ / pe::kResourceEntrySize)
        return false;
      const uint32_t id = section.U32Or0(entry);
      const uint32_t target = section.U32Or0(entry + 4);
      if (id & pe::kHighBit) return false;
      (level == 0 ? path.type : level == 1 ? path.name : path.language) = id;
      const bool subdirectory = (target & pe::kHighBit) != 0;
      if (subdirectory != (level < 2)) return false;
      const bool read = subdirectory ? Table(target & ~pe::kHighBit, level + 1, path) : Data(target, path);
      if (!read) return false;
    }
    return true;
  }

  std::vector<PeResource> resources;

 private:
  bool Data(size_t offset, const PeResource& path) {
    const ByteView section(file_.subspan(base_, size_));
    if (!section.Has(offset, pe::kResourceDataEntrySize)) return false;
    const uint32_t rva = section.U32Or0(offset);
    const uint32_t size = section.U32Or0(offset + 4);
    data_bytes_ += size;
    if (data_bytes_ > file_.size()) return false;  // resources do not overlap
    const auto at = FileOffsetOf(image_, file_.size(), rva, size);
    if (!at) return false;
    PeResource resource = path;
    resource.data.assign(file_.begin() + static_cast<std::ptrdiff_t>(*at),
                         file_.begin() + static_cast<std::ptrdiff_t>(*at + size));
    resources.push_back(std::move(resource));
    return true;
  }

  std::span<const uint8_t> file_;
  const PeImage& image_;
  size_t base_, size_;
  size_t entries_ = 0;
  size_t data_bytes_ = 0;
};

// The section that begins with the resource directory.
const PeSection* ResourceSection(const PeImage& image) {
  if (image.resource_rva == 0) return nullptr;
  for (const PeSection& s : image.sections)
    if (s.virtual_address == image.resource_rva) return &s;
  return nullptr;
}

// How many bytes the resource section may take without moving anything:
// its room in the file, and in memory up to the next section (or to the end
// of its last page when it is the last). Its virtual size is never made
// smaller, so a section rewritten once keeps the same room.
size_t ResourceRoom(const PeSection& section, const PeImage& image) {
  size_t in_memory = AlignUp(std::max(section.virtual_size, 1u), image.section_alignment);
  for (const PeSection& s : image.sections)
    if (s.virtual_address > section.virtual_address)
      in_memory = std::min<size_t>(in_memory, s.virtual_address - section.virtual_address);
  return std::min<size_t>(section.raw_size, in_memory);
}

}  // namespace

std::optional<PeImage> ReadPeImage(std::span<const uint8_t> bytes) {
  const ByteView file(bytes);
  if (file.U16(0) != pe::kDosMagic || !file.Has(0, pe::kDosHeaderSize)) return std::nullopt;
  const size_t signature = file.U32Or0(pe::kPeOffsetField);
  if (file.U32(signature) != pe::kPeSignature) return std::nullopt;
  const size_t coff = signature + pe::kPeSignatureSize;
  if (!file.Has(coff, pe::kCoffHeaderSize)) return std::nullopt;
  const size_t optional = coff + pe::kCoffHeaderSize;
  const size_t optional_size = file.U16Or0(coff + pe::kOptionalHeaderSizeField);
  if (!file.Has(optional, optional_size)) return std::nullopt;
  const ByteView header(file.Bytes(optional, optional_size));
  const auto magic = header.U16(0);
  if (magic != pe::kPe32Magic && magic != pe::kPe32PlusMagic) return std::nullopt;
  const bool plus = magic == pe::kPe32PlusMagic;

  PeImage image;
  if (!header.Has(pe::kCheckSumField, 4)) return std::nullopt;
  image.section_alignment = header.U32Or0(pe::kSectionAlignmentField);
  image.checksum_offset = optional + pe::kCheckSumField;
  const size_t directories = plus ? pe::kDirectoriesField64 : pe::kDirectoriesField32;
  const size_t directory_count = header.U32(plus ? pe::kDirectoryCountField64 : pe::kDirectoryCountField32)
                                     .value_or(0);
  const size_t resource = directories + pe::kDirectorySize * pe::kResourceDirectoryIndex;
  if (directory_count > pe::kResourceDirectoryIndex && header.Has(resource, pe::kDirectorySize)) {
    image.resource_directory_offset = optional + resource;
    image.resource_rva = header.U32Or0(resource);
    image.resource_size = header.U32Or0(resource + 4);
  }
  const size_t section_count = file.U16Or0(coff + pe::kSectionCountField);
  for (size_t i = 0; i < section_count; ++i) {
    auto section = ReadSection(file, optional + optional_size + pe::kSectionHeaderSize * i);
    if (!section) return std::nullopt;
    image.sections.push_back(std::move(*section));
  }
  return image;
}

std::optional<std::vector<PeResource>> ReadPeResources(std::span<const uint8_t> file) {
  const auto image = ReadPeImage(file);
  if (!image) return std::nullopt;
  if (image->resource_rva == 0) return std::vector<PeResource>{};
  const auto start = FileOffsetOf(*image, file.size(), image->resource_rva, pe::kResourceTableSize);
  if (!start) return std::nullopt;
  // The directory may reach to the end of its section's data.
  size_t size = 0;
  for (const PeSection& s : image->sections)
    if (*start >= s.raw_offset && *start - s.raw_offset < s.raw_size)
      size = std::min<size_t>(s.raw_size - (*start - s.raw_offset), file.size() - *start);
  ResourceWalk walk(file, *image, *start, size);
  PeResource path;
  if (!walk.Table(0, 0, path)) return std::nullopt;
  return std::move(walk.resources);
}

platform::Bytes EncodeResourceSection(std::vector<PeResource> resources, uint32_t rva) {
  std::stable_sort(resources.begin(), resources.end(), [](const PeResource& a, const PeResource& b) {
    return std::tie(a.type, a.name, a.language) < std::tie(b.type, b.name, b.language);
  });
  // The tables in the order they are laid out: the root, one per type, one per type and name.
  struct Table {
    std::vector<uint32_t> ids;
    std::vector<size_t> targets;  // index of the table below, or of the resource
  };
  std::vector<Table> types(1), names;
  for (size_t i = 0; i < resources.size(); ++i) {
    const PeResource& r = resources[i];
    const bool new_type = i == 0 || r.type != resources[i - 1].type;
    const bool new_name = new_type || r.name != resources[i - 1].name;
    if (new_type) {
      types[0].ids.push_back(r.type);
      types[0].targets.push_back(types.size());
      types.push_back({});
    }
    if (new_name) {
      types.back().ids.push_back(r.name);
      types.back().targets.push_back(names.size());
      names.push_back({});
    }
    names.back().ids.push_back(r.language);
    names.back().targets.push_back(i);
  }
  auto table_size = [](const Table& t) { return pe::kResourceTableSize + pe::kResourceEntrySize * t.ids.size(); };
  std::vector<size_t> type_at, name_at;
  size_t at = 0;
  for (const Table& t : types) type_at.push_back(at), at += table_size(t);
  for (const Table& t : names) name_at.push_back(at), at += table_size(t);
  const size_t data_entries = at;
  at += pe::kResourceDataEntrySize * resources.size();
  std::vector<size_t> data_at;
  for (const PeResource& r : resources) {
    at = (at + pe::kResourceDataAlignment - 1) / pe::kResourceDataAlignment * pe::kResourceDataAlignment;
    data_at.push_back(at);
    at += r.data.size();
  }

  platform::Bytes out;
  platform::ByteWriter w(out);
  auto put_table = [&w](const Table& t, const std::vector<size_t>& target_at, bool subdirectories) {
    w.Zeros(pe::kIdEntryCountField);  // characteristics, time stamp, version, named entries
    w.U16(static_cast<uint16_t>(t.ids.size()));
    for (size_t i = 0; i < t.ids.size(); ++i) {
      w.U32(t.ids[i]);
      w.U32(static_cast<uint32_t>(target_at[t.targets[i]]) | (subdirectories ? pe::kHighBit : 0));
    }
  };
  for (size_t i = 0; i < types.size(); ++i) put_table(types[i], i == 0 ? type_at : name_at, true);
  std::vector<size_t> entry_at;
  for (size_t i = 0; i < resources.size(); ++i) entry_at.push_back(data_entries + pe::kResourceDataEntrySize * i);
  for (const Table& t : names) put_table(t, entry_at, false);
  for (size_t i = 0; i < resources.size(); ++i) {
    w.U32(rva + static_cast<uint32_t>(data_at[i]));
    w.U32(static_cast<uint32_t>(resources[i].data.size()));
    w.U32(0);
    w.U32(0);
  }
  for (size_t i = 0; i < resources.size(); ++i) {
    w.Zeros(data_at[i] - out.size());
    w.Bytes(resources[i].data);
  }
  return out;
}

bool ReplacePeResources(platform::Bytes& file, const std::vector<PeResource>& resources) {
  const auto image = ReadPeImage(file);
  if (!image) return false;
  const PeSection* section = ResourceSection(*image);
  if (!section || !platform::InBounds(file.size(), section->raw_offset, section->raw_size)) return false;
  const platform::Bytes encoded = EncodeResourceSection(resources, section->virtual_address);
  if (encoded.size() > ResourceRoom(*section, *image)) return false;

  const auto begin = file.begin() + section->raw_offset;
  std::fill(std::copy(encoded.begin(), encoded.end(), begin), begin + section->raw_size, uint8_t{0});
  const auto size = static_cast<uint32_t>(encoded.size());
  (void)platform::PutLe(std::span(file), section->header_offset + pe::kVirtualSizeField,
                        std::max(section->virtual_size, size));
  (void)platform::PutLe(std::span(file), image->resource_directory_offset + 4, size);
  (void)platform::PutLe(std::span(file), image->checksum_offset, PeChecksum(file, image->checksum_offset));
  return true;
}

uint32_t PeChecksum(std::span<const uint8_t> file, size_t checksum_offset) {
  const auto byte = [&](size_t i) -> uint32_t {
    if (i >= file.size() || (i >= checksum_offset && i - checksum_offset < 4)) return 0;
    return file[i];
  };
  uint64_t sum = 0;
  for (size_t i = 0; i < file.size(); i += 2) {
    sum += byte(i) | byte(i + 1) << 8;
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum + file.size());
}

}  // namespace gamebuild
