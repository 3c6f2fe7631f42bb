// The 104 key names a player action can be bound to; a binding is stored as
// the index of its name.
#pragma once

#include <array>
#include <string_view>

namespace config {

inline constexpr int kKeyCount = 104;

// "= empty" (index 0, no key bound) to "= Delete" (index 103).
const std::array<std::string_view, kKeyCount>& KeyNames();

}  // namespace config
