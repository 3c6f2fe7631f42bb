// The game runtime executables that Create Game writes out, carried inside
// the program that links `tarnwick_runtime_block`.
#pragma once

#include "gamebuild/create_game.h"

namespace gamebuild {

GameRuntimes EmbeddedRuntimes();

}  // namespace gamebuild
