#include "game_window_icon.h"

#include <algorithm>

#include "assets/bmp_format.h"
#include "assets/picture_loader.h"
#include "platform/byte_io.h"

namespace game {
namespace {

// An icon's bitmap is a BMP file without its file header: the fields of the
// information header lie that much earlier.
constexpr size_t InDib(size_t file_offset) {
  return file_offset - assets::bmp::kFileHeaderSize;
}
constexpr size_t kInfoHeaderSize = assets::bmp::kInfoHeaderSize;
constexpr size_t kHeaderSizeOffset = InDib(assets::bmp::kInfoSizeOffset);
constexpr size_t kWidthOffset = InDib(assets::bmp::info_header::kWidth);
constexpr size_t kHeightOffset = InDib(assets::bmp::info_header::kHeight);  // colours and mask together
constexpr size_t kBitsOffset = InDib(assets::bmp::info_header::kBits);
constexpr size_t kCompressionOffset = InDib(assets::bmp::info_header::kCompression);
constexpr size_t kColoursUsedOffset = InDib(assets::bmp::info_header::kColoursUsed);

// A PNG image with its transparency.
std::optional<Image> DecodePng(std::span<const uint8_t> data) {
  std::vector<uint8_t> alpha;
  const assets::Picture picture = assets::DecodePicture(data, &alpha);
  if (picture.width <= 0 || picture.width > kMaxIconSide || picture.height > kMaxIconSide)
    return std::nullopt;
  Image image{picture.width, picture.height, {}};
  image.pixels.reserve(picture.pixels.size());
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const assets::Rgb c = picture.pixels[i];
    image.pixels.push_back(Argb(alpha[i], c.r, c.g, c.b));
  }
  return image;
}

// The bitmap of an icon; every offset is checked against the data first.
class DibReader {
 public:
  explicit DibReader(std::span<const uint8_t> dib) : dib_(dib), view_(dib) {}

  std::optional<Image> Decode() {
    header_ = view_.U32(kHeaderSizeOffset).value_or(0);
    if (dib_.size() < kInfoHeaderSize || header_ < kInfoHeaderSize) return std::nullopt;
    const int32_t width = view_.I32Or0(kWidthOffset);
    const int32_t stored_height = view_.I32Or0(kHeightOffset);
    bits_ = view_.U16Or0(kBitsOffset);
    if (width <= 0 || width > kMaxIconSide || stored_height < 2 || stored_height > 2 * kMaxIconSide)
      return std::nullopt;
    if (view_.U32Or0(kCompressionOffset) != 0 ||
        (bits_ != 1 && bits_ != 4 && bits_ != 8 && bits_ != 24 && bits_ != 32))
      return std::nullopt;
    width_ = static_cast<size_t>(width);
    height_ = static_cast<size_t>(stored_height / 2);
    if (bits_ <= 8) {
      const uint32_t used = view_.U32Or0(kColoursUsedOffset);
      palette_size_ = used == 0 || used > (1u << bits_) ? (1u << bits_) : used;
    }
    colour_row_ = (width_ * bits_ + 31) / 32 * 4;
    mask_row_ = (width_ + 31) / 32 * 4;
    colours_at_ = header_ + 4 * palette_size_;
    mask_at_ = colours_at_ + colour_row_ * height_;
    // The mask may be left out of 32-bit images, whose alpha says enough.
    const bool has_mask = view_.Has(mask_at_, mask_row_ * height_);
    if (mask_at_ > dib_.size() || (!has_mask && bits_ != 32)) return std::nullopt;
    Image image{static_cast<int>(width_), static_cast<int>(height_), {}};
    image.pixels.resize(width_ * height_);
    for (size_t y = 0; y < height_; ++y)
      for (size_t x = 0; x < width_; ++x) image.pixels[y * width_ + x] = Colour(x, height_ - 1 - y);
    // A 32-bit image whose alpha is all 0 leaves transparency to the mask.
    const bool alpha_unused =
        bits_ == 32 && std::all_of(image.pixels.begin(), image.pixels.end(), IsTransparent);
    if (alpha_unused)
      for (uint32_t& pixel : image.pixels) pixel |= kOpaque;
    if (has_mask && (bits_ != 32 || alpha_unused))
      for (size_t y = 0; y < height_; ++y)
        for (size_t x = 0; x < width_; ++x)
          if (Masked(x, height_ - 1 - y)) image.pixels[y * width_ + x] = kTransparent;
    return image;
  }

 private:
  // Blue, green and red at `offset`, opaque.
  uint32_t Bgr(size_t offset) const { return kOpaque | (view_.U32Or0(offset) & 0xFFFFFFu); }

  uint32_t Colour(size_t x, size_t row) const {
    const size_t at = colours_at_ + row * colour_row_;
    if (bits_ == 32) return view_.U32Or0(at + 4 * x);
    if (bits_ == 24) return Bgr(at + 3 * x);
    const size_t bit = x * bits_;
    const uint32_t index = (dib_[at + bit / 8] >> (8 - bits_ - bit % 8)) & ((1u << bits_) - 1);
    if (index >= palette_size_) return Rgb(0, 0, 0);
    return Bgr(header_ + 4 * index);
  }

  bool Masked(size_t x, size_t row) const {
    return (dib_[mask_at_ + row * mask_row_ + x / 8] >> (7 - x % 8)) & 1;
  }

  std::span<const uint8_t> dib_;
  platform::ByteView view_;
  size_t header_ = 0, width_ = 0, height_ = 0, bits_ = 0, palette_size_ = 0;
  size_t colour_row_ = 0, mask_row_ = 0, colours_at_ = 0, mask_at_ = 0;
};

}  // namespace

std::optional<Image> DecodeIconImage(const gamebuild::IconImage& icon) {
  if (assets::DetectPictureFormat(icon.data) == assets::PictureFormat::kPng) return DecodePng(icon.data);
  return DibReader(icon.data).Decode();
}

std::optional<Image> ReadWindowIcon(std::span<const uint8_t> executable) {
  const auto images = gamebuild::ReadIconTrailer(executable);
  if (!images) return std::nullopt;
  std::optional<Image> best;
  int best_bits = 0;
  for (const gamebuild::IconImage& icon : *images) {
    std::optional<Image> image = DecodeIconImage(icon);
    if (!image) continue;
    const int area = image->width * image->height;
    const int bits = icon.bits_per_pixel;
    if (!best || area > best->width * best->height ||
        (area == best->width * best->height && bits > best_bits)) {
      best = std::move(image);
      best_bits = bits;
    }
  }
  return best;
}

}  // namespace game
