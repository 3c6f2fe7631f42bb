// The short text records: the window title and God Mode code (right-aligned
// in five characters), and the first line of a text file.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "platform/workspace.h"

namespace config {

// A text shorter than 5 characters is padded on the left with spaces to 5;
// longer texts are kept as they are.
std::string PadToFive(const std::string& text);

// Everything up to the first carriage return, line feed or zero byte.
std::string FirstLine(std::span<const uint8_t> bytes);

// The first line of workspace file `name`; nothing when it can't be read.
std::optional<std::string> LoadFirstLine(const platform::Workspace& workspace, const std::string& name);

}  // namespace config
