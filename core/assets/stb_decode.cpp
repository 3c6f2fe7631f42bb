// BMP and TGA pictures through stb_image, which sees only files whose
// headers passed our own checks.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#ifdef _WIN32
// The Windows game has no libpng: its PNG pictures decode here too (png_decode_windows.cpp).
#define STBI_ONLY_PNG
#endif
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#define STBI_MAX_DIMENSIONS 16384
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <stb_image.h>
#pragma GCC diagnostic pop

#include <climits>
#include <cstring>
#include <memory>

#include "assets/bmp_format.h"
#include "assets/picture_decoders.h"
#include "assets/stb_decode.h"
#include "assets/tga_format.h"

namespace assets {

namespace {

static_assert(sizeof(Rgb) == 3, "pictures are rows of packed red, green, blue bytes");

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

}  // namespace

Picture DecodeWithStb(std::span<const uint8_t> file, int expected_width, int expected_height, bool has_alpha,
                      std::vector<uint8_t>* alpha) {
  if (file.size() > INT_MAX) return {};
  int width = 0, height = 0, file_channels = 0;
  std::unique_ptr<stbi_uc, StbFree> decoded(stbi_load_from_memory(
      file.data(), static_cast<int>(file.size()), &width, &height, &file_channels, has_alpha ? 4 : 3));
  if (!decoded || width != expected_width || height != expected_height) return {};
  Picture picture(width, height);
  if (!has_alpha) {
    std::memcpy(picture.pixels.data(), decoded.get(), picture.pixels.size() * sizeof(Rgb));
    return picture;
  }
  if (alpha) alpha->resize(picture.pixels.size());
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const stbi_uc* p = decoded.get() + i * 4;
    if (alpha) {
      picture.pixels[i] = {p[0], p[1], p[2]};
      (*alpha)[i] = p[3];
    } else {
      picture.pixels[i] = OverWhite(p[0], p[1], p[2], p[3]);
    }
  }
  return picture;
}

bool StbPictureSize(std::span<const uint8_t> file, int& width, int& height) {
  int channels = 0;
  return file.size() <= INT_MAX &&
         stbi_info_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels) != 0;
}

Picture DecodeBmp(std::span<const uint8_t> file, int max_side) {
  const auto header = bmp::ReadHeader(file, max_side);
  if (!header) return {};
  if (bmp::IsPlain(*header)) return DecodeWithStb(file, header->width, header->Rows(), false);
  const auto plain = bmp::Normalised(file, *header);
  if (!plain) return {};
  return DecodeWithStb(*plain, header->width, header->Rows(), false);
}

Picture DecodeTga(std::span<const uint8_t> file, int max_side, std::vector<uint8_t>* alpha) {
  const auto header = tga::ReadHeader(file, max_side);
  if (!header) return {};
  return DecodeWithStb(file, header->width, header->height, header->has_alpha, alpha);
}

}  // namespace assets
