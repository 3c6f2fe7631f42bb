// The info text the game shows in its info menu: `InfoText`, read whole.
#pragma once

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/workspace.h"

namespace config {

// A text shorter than 5 characters stands for no info text and is stored as
// the word "empty" (the game hides its info menu then).
std::string InfoTextToStore(const std::string& text);

// Every nonzero byte of the file, in order.
std::string DecodeInfoText(std::span<const uint8_t> bytes);

std::optional<std::string> LoadInfoText(const platform::Workspace& workspace);
bool SaveInfoText(const platform::Workspace& workspace, const std::string& stored_text);

}  // namespace config
