#include "assets/asset_messages.h"

namespace assets {

platform::Message TooSmallMessage(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  return {name + " is too small, it must be at least 32*32", "Error"};
}

platform::Message CantCreateIconsMessage() {
  return {"can't create icons", "Error"};
}

platform::Message CantWriteMessage(const std::string& name) {
  return {"can't write " + name, "Error"};
}

}  // namespace assets
