#include "gamebuild/game_icon.h"

#include <cstring>
#include <string_view>

namespace gamebuild {

namespace {

constexpr std::string_view kTrailerMagic = "TWKICON1";
constexpr size_t kIconHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr size_t kGroupEntrySize = 14;

uint32_t Get(std::span<const uint8_t> bytes, size_t offset, int size) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i)
    value |= static_cast<uint32_t>(bytes[offset + static_cast<size_t>(i)]) << (8 * i);
  return value;
}

void Put(platform::Bytes& out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// The 12 bytes that a directory entry and a group entry share.
IconImage ImageHeader(std::span<const uint8_t> entry) {
  IconImage image;
  image.width = entry[0];
  image.height = entry[1];
  image.colour_count = entry[2];
  image.reserved = entry[3];
  image.planes = static_cast<uint16_t>(Get(entry, 4, 2));
  image.bits_per_pixel = static_cast<uint16_t>(Get(entry, 6, 2));
  return image;
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
  const size_t group_size = Get(exe, footer + 8, 4);
  const size_t payload_size = Get(exe, footer + 12, 4);
  if (payload_size > footer || group_size > payload_size || group_size < kIconHeaderSize) return std::nullopt;
  return TrailerBounds{footer - payload_size, group_size, payload_size};
}

}  // namespace

std::optional<std::vector<IconImage>> ParseIconFile(std::span<const uint8_t> file) {
  if (file.size() > static_cast<size_t>(kMaxIconFileSize) || file.size() < kIconHeaderSize)
    return std::nullopt;
  const auto count = static_cast<int16_t>(Get(file, 4, 2));
  if (count < 0 || count > kMaxIconImages) return std::nullopt;
  if (kIconHeaderSize + kDirectoryEntrySize * static_cast<size_t>(count) > file.size()) return std::nullopt;

  std::vector<IconImage> images;
  for (int i = 0; i < count; ++i) {
    const size_t entry = kIconHeaderSize + kDirectoryEntrySize * static_cast<size_t>(i);
    const uint32_t size = Get(file, entry + 8, 4);
    const uint32_t offset = Get(file, entry + 12, 4);
    if (offset > file.size() || size > file.size() - offset) return std::nullopt;
    IconImage image = ImageHeader(file.subspan(entry, 12));
    image.data.assign(file.begin() + offset, file.begin() + offset + size);
    images.push_back(std::move(image));
  }
  return images;
}

platform::Bytes EncodeIconTrailer(const std::vector<IconImage>& images) {
  platform::Bytes out;
  Put(out, 0, 2);
  Put(out, 1, 2);
  Put(out, static_cast<uint32_t>(images.size()), 2);
  for (size_t i = 0; i < images.size(); ++i) {
    const IconImage& image = images[i];
    out.insert(out.end(), {image.width, image.height, image.colour_count, image.reserved});
    Put(out, image.planes, 2);
    Put(out, image.bits_per_pixel, 2);
    Put(out, static_cast<uint32_t>(image.data.size()), 4);
    Put(out, static_cast<uint32_t>(i + 1), 2);
  }
  const auto group_size = static_cast<uint32_t>(out.size());
  for (const IconImage& image : images) out.insert(out.end(), image.data.begin(), image.data.end());
  const auto payload_size = static_cast<uint32_t>(out.size());
  out.insert(out.end(), kTrailerMagic.begin(), kTrailerMagic.end());
  Put(out, group_size, 4);
  Put(out, payload_size, 4);
  return out;
}

std::optional<std::vector<IconImage>> ReadIconTrailer(std::span<const uint8_t> exe) {
  const auto bounds = FindTrailer(exe);
  if (!bounds) return std::nullopt;
  const auto payload = exe.subspan(bounds->start, bounds->payload_size);
  const size_t count = Get(payload, 4, 2);
  if (kIconHeaderSize + kGroupEntrySize * count != bounds->group_size) return std::nullopt;

  std::vector<IconImage> images;
  size_t offset = bounds->group_size;
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = kIconHeaderSize + kGroupEntrySize * i;
    const size_t size = Get(payload, entry + 8, 4);
    if (size > payload.size() - offset) return std::nullopt;
    IconImage image = ImageHeader(payload.subspan(entry, 12));
    image.data.assign(payload.begin() + offset, payload.begin() + offset + size);
    offset += size;
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
                     platform::Prompter& prompter) {
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
  if (!images) {
    prompter.Show({"incompatible icon", "Error"});
    return true;
  }
  exe->resize(SizeWithoutIconTrailer(*exe));
  const auto trailer = EncodeIconTrailer(*images);
  exe->insert(exe->end(), trailer.begin(), trailer.end());

  std::error_code ec;
  const auto permissions = std::filesystem::status(executable_path, ec).permissions();
  if (!platform::WriteFileAtomic(executable_path, *exe)) return false;
  std::filesystem::permissions(executable_path, permissions, ec);
  return !ec;
}

}  // namespace gamebuild
