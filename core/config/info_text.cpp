#include "config/info_text.h"

namespace config {

std::string InfoTextToStore(const std::string& text) {
  static const std::string kEmpty = "empty";
  return text.size() < kEmpty.size() ? kEmpty : text;
}

std::string DecodeInfoText(std::span<const uint8_t> bytes) {
  std::string text;
  for (const uint8_t b : bytes) {
    if (b != 0) text.push_back(static_cast<char>(b));
  }
  return text;
}

}  // namespace config
