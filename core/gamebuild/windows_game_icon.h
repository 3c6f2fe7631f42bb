// The icon of a Windows game as resources of its executable: the images as
// icons (type 3) named 1 to count and the group record (type 14) named 1,
// language neutral. The runtime is built with a room resource (type 10,
// name kIconRoomName) that keeps its resource section large enough for the
// largest icon accepted; the room and the runtime's own icon give way to
// the author's icon, and every other resource (the manifest) stays.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gamebuild/game_icon.h"
#include "platform/files.h"

namespace gamebuild {

constexpr uint32_t kIconGroupName = 1;
constexpr uint32_t kIconRoomName = 1;

// Replaces the icon resources of the executable with `images`. False, with
// `executable` unchanged, when it is not an executable whose resources can
// be read and rewritten in place.
bool PutIconResources(platform::Bytes& executable, const std::vector<IconImage>& images);

// The images of icon group 1 of the executable, read from its resources;
// nothing when it has none or they are damaged.
std::optional<std::vector<IconImage>> ReadIconResources(std::span<const uint8_t> executable);

}  // namespace gamebuild
