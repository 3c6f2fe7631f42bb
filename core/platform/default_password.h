// The game.pak password the editor sets when there is none.
#pragma once

#include <random>
#include <string>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace platform {

// 16 capital letters; each is 65 + r for r drawn from 0 to 26 with codes
// above 90 lowered to 90, so "Z" comes twice as often as any other letter.
std::string MakeDefaultPassword(std::mt19937& random);

// A `pakpassword.txt` missing or shorter than 4 bytes is replaced by a fresh
// password and the "Info" message is shown; a longer one is left unread.
void EnsurePackPassword(const Workspace& workspace, Prompter& prompter, std::mt19937& random);

}  // namespace platform
