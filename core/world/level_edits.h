// Changes of the current level as undo steps, keeping its unsaved flag true
// to whether the grid differs from the saved state.
#pragma once

#include <span>

#include "world/level.h"

namespace world {

// Ends an edit that began with the grid `before`: one undo step. Returns
// the cells it changed.
std::span<const CellChange> CommitEdit(LevelState& level, const LevelGrid& before);

// The cells changed; none when there was nothing to undo or redo.
std::span<const CellChange> UndoEdit(LevelState& level);
std::span<const CellChange> RedoEdit(LevelState& level);

}  // namespace world
