// The level the editor works on, as its commands see it: New, Load Level,
// Save Level, the "Save changes?" question and whether the editor may quit.
// The screen around it (the level dialog, the tool, the map, the title) is
// reached through LevelScreen, so that the logic runs without a window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "platform/workspace.h"
#include "world/level.h"

namespace world {

enum class LevelDialogKind { kLoad, kSave };

// The value of a level number as typed, when it lies in 1 to 20.
std::optional<int> LevelNumberOfText(std::string_view text);

class LevelScreen {
 public:
  virtual ~LevelScreen() = default;
  // Runs the Load Level or Save Level dialog, showing `current`: the number
  // as typed when it was confirmed with a number from 1 to 20, nothing when
  // it was cancelled.
  virtual std::optional<std::string> AskLevelNumber(LevelDialogKind kind, const std::string& current) = 0;
  virtual void DropTool() = 0;
  // Makes the map picture anew for the size of the window.
  virtual void FitMap() = 0;
  // Draws the map and the palette's door for the level as it is now.
  virtual void ShowLevel() = 0;
  // "Tarnwick" for an empty name, otherwise name + " - Tarnwick".
  virtual void SetTitle(const std::string& name) = 0;
};

class LevelSession {
 public:
  LevelSession(LevelState& level, ScrollPosition& scroll, const platform::Workspace& workspace,
               platform::Prompter& prompter, LevelScreen& screen);

  // A new world: every cell empty inside a border of wall texture 1, level
  // number "1", unsaved as a world but without changes. New and Load start
  // a fresh undo history whose saved state is the grid they leave.
  void New();
  // The level dialog, then the level file of the number typed. A missing
  // file is reported; the number and title change all the same.
  void Load();
  // Load without the dialog: level N as if N was typed into it. False when
  // the "Save changes?" question kept the level on screen.
  bool Open(int level);
  // The level dialog, the overwrite question, then the level file. True when
  // the level was saved; a file that cannot be written is reported and keeps
  // the unsaved flags.
  [[nodiscard]] bool Save();
  // The "Save changes?" question, asked only when the grid differs from
  // its saved state: true when the level may be dropped (no changes, No, or Yes and
  // saved). New and Load ask it first; the editor quits only on true.
  bool MayDropLevel();
  // Drops the unsaved changes without a question.
  void DiscardChanges() { level_.unsaved_changes = false; }
  // Takes up a grid that an editor left unsaved: the level it belonged to
  // (a new world, or the number as typed, whose file is the saved state)
  // becomes current with `grid` as its unsaved changes.
  void Restore(const LevelGrid& grid, const std::string& level_number, bool new_world);

 private:
  // Level file N into the grid, with the number as typed for the title.
  void LoadTyped(int level, const std::string& typed);

  LevelState& level_;
  ScrollPosition& scroll_;
  const platform::Workspace& workspace_;
  platform::Prompter& prompter_;
  LevelScreen& screen_;
};

}  // namespace world
