// The messages that picture imports show, in one place.
#pragma once

#include <string>

#include "platform/prompter.h"

namespace assets {

// "Error": the file-name part of `path` (after the last "\" or "/") followed
// by " is too small, it must be at least 32*32".
platform::Message TooSmallMessage(const std::string& path);

// "Error": "can't create icons" (the icon sheet does not load).
platform::Message CantCreateIconsMessage();

// "Error": "can't write " followed by the workspace name.
platform::Message CantWriteMessage(const std::string& name);

}  // namespace assets
