#include "world/edit_history.h"

namespace world {

void EditHistory::Reset(const LevelGrid& grid) {
  steps_.clear();
  position_ = 0;
  saved_ = grid;
}

bool EditHistory::DiffersFromSaved(const LevelGrid& grid) const {
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kLevelSize; ++x)
      if (grid.at(x, y) != saved_.at(x, y)) return true;
  return false;
}

bool EditHistory::Record(const LevelGrid& before, const LevelGrid& after) {
  std::vector<CellChange> step;
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kLevelSize; ++x)
      if (before.at(x, y) != after.at(x, y))
        step.push_back({static_cast<uint16_t>(x), static_cast<uint16_t>(y), before.at(x, y), after.at(x, y)});
  if (step.empty()) return false;
  steps_.resize(position_);
  steps_.push_back(std::move(step));
  if (steps_.size() > kMaxSteps) steps_.pop_front();
  position_ = steps_.size();
  return true;
}

std::span<const CellChange> EditHistory::Undo(LevelGrid& grid) {
  if (!CanUndo()) return {};
  const auto& step = steps_[--position_];
  for (const CellChange& c : step) grid.at(c.column, c.row) = c.before;
  return step;
}

std::span<const CellChange> EditHistory::Redo(LevelGrid& grid) {
  if (!CanRedo()) return {};
  const auto& step = steps_[position_++];
  for (const CellChange& c : step) grid.at(c.column, c.row) = c.after;
  return step;
}

}  // namespace world
