// The password `game.pak` is written with: `pakpassword.txt` in the program
// folder, plain text without a line end.
#pragma once

#include <optional>
#include <string>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

inline constexpr size_t kMinPasswordLength = 4;
// The password block of a pack holds one value per character, 21 at most.
inline constexpr size_t kMaxPasswordLength = 21;

// Spaces removed from both ends (other blanks are part of the password).
std::string TrimSpaces(const std::string& text);

// The first line of `pakpassword.txt`; nothing when it can't be read.
std::optional<std::string> LoadPackPassword(const platform::Workspace& workspace);

// "OK": the trimmed text is refused when shorter than 4 characters
// ("invalid Password") or longer than 21; otherwise it is written and true
// returned (a failed write is not reported).
bool UsePackPassword(const platform::Workspace& workspace, const std::string& typed,
                     platform::Prompter& prompter);

}  // namespace config
