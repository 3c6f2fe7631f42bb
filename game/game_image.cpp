#include "game_image.h"

namespace game {

assets::Picture ToPicture(const FrameBuffer& frame) {
  assets::Picture picture(frame.width, frame.height);
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) {
      const uint32_t c = frame.at(x, y);
      picture.set(x, y,
                  {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
    }
  return picture;
}

}  // namespace game
