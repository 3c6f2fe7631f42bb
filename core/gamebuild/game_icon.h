// The game's window icon: the check of the author's `.ico` file and the
// icon trailer appended to the written game executable.
//
// Trailer layout (appended after the runtime block; all integers
// little-endian):
//
//   offset 0            icon group record, 6 + 14 x count bytes:
//                         0  u16 0
//                         2  u16 1
//                         4  u16 count of images
//                         6 + 14 x i   12 bytes: width, height, colour count,
//                                      reserved, planes (u16), bits per pixel
//                                      (u16), bytes in resource (u32) of image i
//                         18 + 14 x i  u16 resource name of image i: i + 1
//   then                the images in order, each `bytes in resource` long
//                       (the PNG or DIB data of the icon file, unchanged)
//   last 16 bytes       footer: the 8 characters "TWKICON1", u32 size of the
//                       group record, u32 size of everything before the footer
//                       (group record + images)
//
// A game written without an icon has no trailer: it is the runtime block
// byte for byte.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "gamebuild/game_platform.h"
#include "platform/files.h"
#include "platform/prompter.h"

namespace gamebuild {

constexpr int64_t kMaxIconFileSize = 20000;
constexpr int kMaxIconImages = 8;
constexpr size_t kIconTrailerFooterSize = 16;

struct IconImage {
  uint8_t width = 0;
  uint8_t height = 0;
  uint8_t colour_count = 0;
  uint8_t reserved = 0;
  uint16_t planes = 0;
  uint16_t bits_per_pixel = 0;
  platform::Bytes data;  // PNG or DIB (BITMAPINFOHEADER + XOR + AND masks)

  bool operator==(const IconImage&) const = default;
};

// The images of an icon file, or nothing when it is incompatible: larger
// than 20,000 bytes, more than 8 images, a count that reads negative, or a
// directory entry whose data lie outside the file.
std::optional<std::vector<IconImage>> ParseIconFile(std::span<const uint8_t> file);

// The icon group record for these images (the layout above), the images
// named 1 to count.
platform::Bytes EncodeIconGroup(const std::vector<IconImage>& images);

// A group entry read back: the image's header fields (no data), the size of
// its data and the resource name of the image.
struct IconImageHeader {
  IconImage image;
  uint32_t size = 0;
  uint16_t name = 0;
};

// The entries of an icon group record, or nothing when its size does not
// match its count.
std::optional<std::vector<IconImageHeader>> ReadIconGroup(std::span<const uint8_t> group);

// The trailer bytes for these images (group record, images, footer).
platform::Bytes EncodeIconTrailer(const std::vector<IconImage>& images);

// The images of the trailer at the end of `executable`, if it carries one.
std::optional<std::vector<IconImage>> ReadIconTrailer(std::span<const uint8_t> executable);

// The size of `executable` without its trailer (its whole size when it has none).
size_t SizeWithoutIconTrailer(std::span<const uint8_t> executable);

// Puts the icon of `icon_path` into the game at `executable_path`: as the
// trailer of a Linux game, as the icon resources of a Windows game. Nothing
// happens when the icon file can't be read (an empty path included) or the
// executable can't be read; an incompatible icon (or a Windows executable
// whose resources cannot take it) shows "incompatible icon" titled "Error"
// and leaves the executable as it is. Any icon the executable had is
// replaced. Returns false only when the executable could not be rewritten.
[[nodiscard]] bool ReplaceGameIcon(const std::filesystem::path& executable_path,
                                   const std::filesystem::path& icon_path, GamePlatform target,
                                   platform::Prompter& prompter);

}  // namespace gamebuild
