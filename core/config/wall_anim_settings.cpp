#include "config/wall_anim_settings.h"

#include "platform/int_parse.h"

namespace config {

std::string SpeedBoxText(int64_t speed) {
  return std::to_string(speed > kMaxShownAnimationSpeed ? kMaxShownAnimationSpeed : speed);
}

int64_t SpeedOfBoxText(const std::string& text) {
  return platform::ParseInteger(text);
}

}  // namespace config
