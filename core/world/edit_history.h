// Undo and redo of the level grid. Every step keeps the cells it changed,
// with their bytes before and after; the saved state (the grid as last
// loaded or saved) tells whether the level has changes to save.
#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "world/level_grid.h"

namespace world {

struct CellChange {
  uint16_t column = 0;
  uint16_t row = 0;
  uint8_t before = 0;
  uint8_t after = 0;
};

class EditHistory {
 public:
  static constexpr size_t kMaxSteps = 1000;

  // A history without steps whose saved state is `grid` (New, Load).
  void Reset(const LevelGrid& grid);
  // `grid` is now the saved state; the steps stay.
  void MarkSaved(const LevelGrid& grid) { saved_ = grid; }
  // True when a cell of the 64 x 64 grid differs from the saved state.
  bool DiffersFromSaved(const LevelGrid& grid) const;

  // Keeps the change from `before` to `after` as one step, dropping the
  // steps that could have been redone and, past kMaxSteps, the oldest one.
  // Nothing is kept when no cell changed; returns whether a step was.
  bool Record(const LevelGrid& before, const LevelGrid& after);

  // The cells of the step done last; none when there is none.
  std::span<const CellChange> LastDone() const {
    return position_ > 0 ? std::span<const CellChange>(steps_[position_ - 1]) : std::span<const CellChange>();
  }

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // Puts the cells of the last step back (or changes them again) in `grid`;
  // returns the changed cells, none when there was nothing to undo or redo.
  std::span<const CellChange> Undo(LevelGrid& grid);
  std::span<const CellChange> Redo(LevelGrid& grid);

 private:
  std::deque<std::vector<CellChange>> steps_;
  size_t position_ = 0;  // steps_[0, position_) are done
  LevelGrid saved_;
};

}  // namespace world
