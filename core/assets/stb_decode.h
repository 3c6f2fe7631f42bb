// The picture decoding of stb_image (stb_decode.cpp), for the decoders that
// hand it files whose headers they checked.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "assets/picture.h"

namespace assets {

// Decodes with stb_image; nothing unless the picture is expected_width x
// expected_height. With `has_alpha` the alpha is composited onto white or,
// given `alpha`, kept there; otherwise it is not decoded at all.
Picture DecodeWithStb(std::span<const uint8_t> file, int expected_width, int expected_height, bool has_alpha,
                      std::vector<uint8_t>* alpha = nullptr);

// The size stb_image reads from the file's header; false when it reads none.
bool StbPictureSize(std::span<const uint8_t> file, int& width, int& height);

}  // namespace assets
