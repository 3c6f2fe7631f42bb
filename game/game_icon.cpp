#include "game_icon.h"

#include <algorithm>

#include "assets/picture_loader.h"

namespace game {
namespace {

constexpr size_t kInfoHeaderSize = 40;

uint32_t Le(std::span<const uint8_t> b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<size_t>(i)];
  return v;
}

bool IsPng(std::span<const uint8_t> data) {
  static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G'};
  return data.size() >= 4 && std::equal(kSignature, kSignature + 4, data.begin());
}

// A PNG image with its transparency.
std::optional<Image> DecodePng(std::span<const uint8_t> data) {
  if (assets::DetectPictureFormat(data) != assets::PictureFormat::kPng) return std::nullopt;
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
  explicit DibReader(std::span<const uint8_t> dib) : dib_(dib) {}

  std::optional<Image> Decode() {
    if (dib_.size() < kInfoHeaderSize || Le(dib_, 0, 4) < kInfoHeaderSize) return std::nullopt;
    header_ = Le(dib_, 0, 4);
    const int32_t width = static_cast<int32_t>(Le(dib_, 4, 4));
    const int32_t stored_height = static_cast<int32_t>(Le(dib_, 8, 4));
    bits_ = Le(dib_, 14, 2);
    if (width <= 0 || width > kMaxIconSide || stored_height < 2 || stored_height > 2 * kMaxIconSide)
      return std::nullopt;
    if (Le(dib_, 16, 4) != 0 || (bits_ != 1 && bits_ != 4 && bits_ != 8 && bits_ != 24 && bits_ != 32))
      return std::nullopt;
    width_ = static_cast<size_t>(width);
    height_ = static_cast<size_t>(stored_height / 2);
    if (bits_ <= 8) {
      const uint32_t used = Le(dib_, 32, 4);
      palette_size_ = used == 0 || used > (1u << bits_) ? (1u << bits_) : used;
    }
    colour_row_ = (width_ * bits_ + 31) / 32 * 4;
    mask_row_ = (width_ + 31) / 32 * 4;
    colours_at_ = header_ + 4 * palette_size_;
    mask_at_ = colours_at_ + colour_row_ * height_;
    // The mask may be left out of 32-bit images, whose alpha says enough.
    const bool has_mask = mask_at_ + mask_row_ * height_ <= dib_.size();
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
  uint32_t Colour(size_t x, size_t row) const {
    const size_t at = colours_at_ + row * colour_row_;
    if (bits_ == 32) return Le(dib_, at + 4 * x, 4);
    if (bits_ == 24) return kOpaque | Le(dib_, at + 3 * x, 3);
    const size_t bit = x * bits_;
    const uint32_t index = (dib_[at + bit / 8] >> (8 - bits_ - bit % 8)) & ((1u << bits_) - 1);
    if (index >= palette_size_) return Rgb(0, 0, 0);
    return kOpaque | Le(dib_, header_ + 4 * index, 3);
  }

  bool Masked(size_t x, size_t row) const {
    return (dib_[mask_at_ + row * mask_row_ + x / 8] >> (7 - x % 8)) & 1;
  }

  std::span<const uint8_t> dib_;
  size_t header_ = 0, width_ = 0, height_ = 0, bits_ = 0, palette_size_ = 0;
  size_t colour_row_ = 0, mask_row_ = 0, colours_at_ = 0, mask_at_ = 0;
};

}  // namespace

std::optional<Image> DecodeIconImage(const gamebuild::IconImage& icon) {
  if (IsPng(icon.data)) return DecodePng(icon.data);
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
