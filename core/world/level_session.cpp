#include "world/level_session.h"

#include "platform/int_parse.h"

namespace world {

namespace {

// The number the level dialog confirmed; nothing when it was cancelled.
std::optional<int> LevelNumberOf(const std::optional<std::string>& typed) {
  return typed ? LevelNumberOfText(*typed) : std::nullopt;
}

}  // namespace

std::optional<int> LevelNumberOfText(std::string_view text) {
  const int64_t value = platform::ParseInteger(text);
  if (value < 1 || value > kLevelCount) return std::nullopt;
  return static_cast<int>(value);
}

LevelSession::LevelSession(LevelState& level, ScrollPosition& scroll, const platform::Workspace& workspace,
                           platform::Prompter& prompter, LevelScreen& screen)
    : level_(level), scroll_(scroll), workspace_(workspace), prompter_(prompter), screen_(screen) {}

bool LevelSession::MayDropLevel() {
  return !level_.unsaved_changes || !prompter_.Ask({"Save changes?", "TWK"}) || Save();
}

void LevelSession::New() {
  if (!MayDropLevel()) return;
  screen_.DropTool();
  scroll_ = {1, 1};
  screen_.FitMap();
  MakeNewWorld(level_);
  level_.history.Reset(level_.grid);
  screen_.SetTitle("");
  screen_.ShowLevel();
}

void LevelSession::Load() {
  if (!MayDropLevel()) return;
  screen_.DropTool();
  const auto typed = screen_.AskLevelNumber(LevelDialogKind::kLoad, level_.current_level_number);
  if (const auto number = LevelNumberOf(typed)) LoadTyped(*number, *typed);
  screen_.ShowLevel();
}

bool LevelSession::Open(int level) {
  if (!MayDropLevel()) return false;
  screen_.DropTool();
  LoadTyped(level, std::to_string(level));
  screen_.ShowLevel();
  return true;
}

void LevelSession::LoadTyped(int level, const std::string& typed) {
  level_.unsaved_changes = false;
  level_.unsaved_world = false;
  if (LoadLevelFile(workspace_, level, level_.grid, prompter_)) scroll_ = {1, 1};
  level_.history.Reset(level_.grid);
  screen_.SetTitle("Level " + typed);
  level_.current_level_number = typed;
}

void LevelSession::Restore(const LevelGrid& grid, const std::string& level_number, bool new_world) {
  screen_.DropTool();
  scroll_ = {1, 1};
  MakeNewWorld(level_);
  if (const auto number = LevelNumberOfText(level_number); number && !new_world) {
    level_.unsaved_world = false;
    level_.current_level_number = level_number;
    ReadLevelBytes(workspace_.Read(LevelFileName(*number), kLevelFileSize).value_or(platform::Bytes{}),
                   level_.grid);
  }
  level_.history.Reset(level_.grid);
  level_.grid = grid;
  level_.unsaved_changes = level_.history.DiffersFromSaved(grid);
  screen_.SetTitle(level_.unsaved_world ? "" : "Level " + level_number);
  screen_.ShowLevel();
}

bool LevelSession::Save() {
  const auto typed = screen_.AskLevelNumber(LevelDialogKind::kSave, level_.current_level_number);
  const auto number = LevelNumberOf(typed);
  bool saved = false;
  if (number && prompter_.Ask({"This could overwrite an existing level.\r\nSave it?", "Warning"})) {
    saved = SaveLevelFile(workspace_, *number, level_.grid);
    if (saved) {
      level_.unsaved_changes = false;
      level_.unsaved_world = false;
      level_.history.MarkSaved(level_.grid);
      screen_.SetTitle("Level " + *typed);
      level_.current_level_number = *typed;
    } else {
      prompter_.Show({"The level could not be saved", "Error"});
    }
  }
  screen_.ShowLevel();
  return saved;
}

}  // namespace world
