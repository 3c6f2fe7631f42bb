#include "world/level_edits.h"

namespace world {

namespace {

void NoteUnsaved(LevelState& level) {
  level.unsaved_changes = level.history.DiffersFromSaved(level.grid);
}

}  // namespace

std::span<const CellChange> CommitEdit(LevelState& level, const LevelGrid& before) {
  const bool recorded = level.history.Record(before, level.grid);
  NoteUnsaved(level);
  return recorded ? level.history.LastDone() : std::span<const CellChange>();
}

std::span<const CellChange> UndoEdit(LevelState& level) {
  const auto changed = level.history.Undo(level.grid);
  NoteUnsaved(level);
  return changed;
}

std::span<const CellChange> RedoEdit(LevelState& level) {
  const auto changed = level.history.Redo(level.grid);
  NoteUnsaved(level);
  return changed;
}

}  // namespace world
