#include "gamebuild/game_icon.h"

#include <cstring>
#include <string_view>

#include "gamebuild/windows_game_icon.h"
#include "platform/byte_io.h"

namespace gamebuild {

namespace {

using platform::ByteView;

// The header of an icon file and of a group record: reserved 0, type 1,
// the count of images (u16 each).
constexpr size_t kIconHeaderSize = 6;
constexpr size_t kImageCountOffset = 4;

// The 12 bytes that a directory entry and a group entry begin with.
constexpr size_t kWidthOffset = 0;
constexpr size_t kHeightOffset = 1;
constexpr size_t kColourCountOffset = 2;
constexpr size_t kReservedOffset = 3;
constexpr size_t kPlanesOffset = 4;           // u16
constexpr size_t kBitsPerPixelOffset = 6;     // u16
constexpr size_t kBytesInResourceOffset = 8;  // u32
// A directory entry of an icon file ends with the offset of the image data;
// a group entry with the resource name of the image.
constexpr size_t kImageOffsetOffset = 12;  // u32
constexpr size_t kGroupNameOffset = 12;    // u16
constexpr size_t kDirectoryEntrySize = 16;
constexpr size_t kGroupEntrySize = 14;

// The footer: the magic, then the size of the group record and of the payload.
constexpr std::string_view kTrailerMagic = "TWKICON1";
constexpr size_t kFooterGroupSizeOffset = 8;     // u32
constexpr size_t kFooterPayloadSizeOffset = 12;  // u32

// The 12 bytes that a directory entry and a group entry share.
IconImage ImageHeader(ByteView entry) {
  IconImage image;
  image.width = entry.U8(kWidthOffset).value_or(0);
  image.height = entry.U8(kHeightOffset).value_or(0);
  image.colour_count = entry.U8(kColourCountOffset).value_or(0);
  image.reserved = entry.U8(kReservedOffset).value_or(0);
  image.planes = entry.U16Or0(kPlanesOffset);
  image.bits_per_pixel = entry.U16Or0(kBitsPerPixelOffset);
  return image;
}

void PutImageHeader(platform::ByteWriter& out, const IconImage& image) {
  out.U8(image.width);
  out.U8(image.height);
  out.U8(image.colour_count);
  out.U8(image.reserved);
  out.U16(image.planes);
  out.U16(image.bits_per_pixel);
  out.U32(static_cast<uint32_t>(image.data.size()));
}

// Where the trailer's payload (group record + images) lies, if the footer is there.
struct TrailerBounds {
  size_t start = 0;
  size_t group_size = 0;
  size_t payload_size = 0;
};

std::optional<TrailerBounds> FindTrailer(std::span<const uint8_t> exe) {
  if (exe.size() < kIconTrailerFooterSize) return std::nullopt;
  const size_t footer = exe.size() - kIconTrailerFooterSize;
  if (std::memcmp(exe.data() + footer, kTrailerMagic.data(), kTrailerMagic.size()) != 0) return std::nullopt;
  const ByteView footer_bytes(exe.subspan(footer));
  const size_t group_size = footer_bytes.U32Or0(kFooterGroupSizeOffset);
  const size_t payload_size = footer_bytes.U32Or0(kFooterPayloadSizeOffset);
  if (payload_size > footer || group_size > payload_size || group_size < kIconHeaderSize) return std::nullopt;
  return TrailerBounds{footer - payload_size, group_size, payload_size};
}

// The icon as the trailer of a Linux game or the resources of a Windows game.
bool PutIcon(platform::Bytes& exe, const std::vector<IconImage>& images, GamePlatform target) {
  if (target == GamePlatform::kWindows) return PutIconResources(exe, images);
  exe.resize(SizeWithoutIconTrailer(exe));
  const auto trailer = EncodeIconTrailer(images);
  exe.insert(exe.end(), trailer.begin(), trailer.end());
  return true;
}

}  // namespace

std::optional<std::vector<IconImage>> ParseIconFile(std::span<const uint8_t> file) {
  if (file.size() > static_cast<size_t>(kMaxIconFileSize) || file.size() < kIconHeaderSize)
    return std::nullopt;
  const auto count = static_cast<int16_t>(ByteView(file).U16Or0(kImageCountOffset));
  if (count < 0 || count > kMaxIconImages) return std::nullopt;
  if (kIconHeaderSize + kDirectoryEntrySize * static_cast<size_t>(count) > file.size()) return std::nullopt;

  std::vector<IconImage> images;
  for (int i = 0; i < count; ++i) {
    const ByteView entry(file.subspan(kIconHeaderSize + kDirectoryEntrySize * static_cast<size_t>(i)));
    const uint32_t size = entry.U32Or0(kBytesInResourceOffset);
    const uint32_t offset = entry.U32Or0(kImageOffsetOffset);
    if (offset > file.size() || size > file.size() - offset) return std::nullopt;
    IconImage image = ImageHeader(entry);
    image.data.assign(file.begin() + offset, file.begin() + offset + size);
    images.push_back(std::move(image));
  }
  return images;
}

platform::Bytes EncodeIconGroup(const std::vector<IconImage>& images) {
  platform::Bytes out;
  platform::ByteWriter w(out);
  w.U16(0);
  w.U16(1);
  w.U16(static_cast<uint16_t>(images.size()));
  for (size_t i = 0; i < images.size(); ++i) {
    PutImageHeader(w, images[i]);
    w.U16(static_cast<uint16_t>(i + 1));
  }
  return out;
}

std::optional<std::vector<IconImageHeader>> ReadIconGroup(std::span<const uint8_t> group) {
  const ByteView view(group);
  const size_t count = view.U16Or0(kImageCountOffset);
  if (group.size() != kIconHeaderSize + kGroupEntrySize * count) return std::nullopt;
  std::vector<IconImageHeader> headers;
  for (size_t i = 0; i < count; ++i) {
    const ByteView entry(group.subspan(kIconHeaderSize + kGroupEntrySize * i, kGroupEntrySize));
    headers.push_back({ImageHeader(entry), entry.U32Or0(kBytesInResourceOffset), entry.U16Or0(kGroupNameOffset)});
  }
  return headers;
}

platform::Bytes EncodeIconTrailer(const std::vector<IconImage>& images) {
  platform::Bytes out = EncodeIconGroup(images);
  platform::ByteWriter w(out);
  const auto group_size = static_cast<uint32_t>(out.size());
  for (const IconImage& image : images) w.Bytes(image.data);
  const auto payload_size = static_cast<uint32_t>(out.size());
  w.Bytes(std::span(reinterpret_cast<const uint8_t*>(kTrailerMagic.data()), kTrailerMagic.size()));
  w.U32(group_size);
  w.U32(payload_size);
  return out;
}

std::optional<std::vector<IconImage>> ReadIconTrailer(std::span<const uint8_t> exe) {
  const auto bounds = FindTrailer(exe);
  if (!bounds) return std::nullopt;
  const auto payload = exe.subspan(bounds->start, bounds->payload_size);
  const auto headers = ReadIconGroup(payload.first(bounds->group_size));
  if (!headers) return std::nullopt;

  std::vector<IconImage> images;
  size_t offset = bounds->group_size;
  for (const IconImageHeader& header : *headers) {
    if (header.size > payload.size() - offset) return std::nullopt;
    IconImage image = header.image;
    image.data.assign(payload.begin() + offset, payload.begin() + offset + header.size);
    offset += header.size;
    images.push_back(std::move(image));
  }
  if (offset != payload.size()) return std::nullopt;
  return images;
}

size_t SizeWithoutIconTrailer(std::span<const uint8_t> exe) {
  const auto bounds = FindTrailer(exe);
  return bounds ? bounds->start : exe.size();
}

bool ReplaceGameIcon(const std::filesystem::path& executable_path, const std::filesystem::path& icon_path,
                     GamePlatform target, platform::Prompter& prompter) {
  if (icon_path.empty()) return true;
  const int64_t icon_size = platform::FileSizeByName(icon_path);
  if (icon_size < 0) return true;
  if (icon_size > kMaxIconFileSize) {
    prompter.Show({"incompatible icon", "Error"});
    return true;
  }
  const auto icon = platform::ReadFileBytes(icon_path);
  auto exe = platform::ReadFileBytes(executable_path);
  if (!icon || !exe) return true;
  const auto images = ParseIconFile(*icon);
  if (!images || !PutIcon(*exe, *images, target)) {
    prompter.Show({"incompatible icon", "Error"});
    return true;
  }
  std::error_code ec;
  const auto permissions = std::filesystem::status(executable_path, ec).permissions();
  if (!platform::WriteFileAtomic(executable_path, *exe)) return false;
  std::filesystem::permissions(executable_path, permissions, ec);
  return !ec;
}

}  // namespace gamebuild
