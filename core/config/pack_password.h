// The password `game.pak` is written with: `pakpassword.txt` in the program
// folder, plain text without a line end; and the default one the editor sets
// when there is none.
#pragma once

#include <optional>
#include <random>
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
[[nodiscard]] std::optional<std::string> LoadPackPassword(const platform::Workspace& workspace);

// "OK": the trimmed text is refused when shorter than 4 characters
// ("invalid Password") or longer than 21; otherwise it is written and true
// returned. A failed write shows "cannot write to file <path>" and gives
// false, so the dialog stays open.
[[nodiscard]] bool UsePackPassword(const platform::Workspace& workspace, const std::string& typed,
                                   platform::Prompter& prompter);

// 16 capital letters; each is 65 + r for r drawn from 0 to 26 with codes
// above 90 lowered to 90, so "Z" comes twice as often as any other letter.
std::string MakeDefaultPassword(std::mt19937& random);

// A `pakpassword.txt` missing or shorter than 4 bytes is replaced by a fresh
// password and the "Info" message is shown; a longer one is left unread.
// False when the fresh password could not be written: that shows "cannot
// write to file <path>" instead of the message.
[[nodiscard]] bool EnsurePackPassword(const platform::Workspace& workspace, platform::Prompter& prompter,
                                      std::mt19937& random);

}  // namespace config
