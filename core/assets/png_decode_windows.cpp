// PNG pictures in the Windows game, through the stb_image of stb_decode.cpp:
// MinGW has no libpng. The colours are those stored in the file (no gamma
// conversion).
#include "assets/picture_decoders.h"
#include "assets/stb_decode.h"

namespace assets {

Picture DecodePng(std::span<const uint8_t> file, int max_side, std::vector<uint8_t>* alpha) {
  int width = 0, height = 0;
  if (!StbPictureSize(file, width, height) || width < 1 || height < 1 || width > max_side || height > max_side)
    return {};
  return DecodeWithStb(file, width, height, true, alpha);
}

}  // namespace assets
