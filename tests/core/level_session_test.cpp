// The level session without a window: the unsaved flags across New, Load
// and Save, the questions it asks and what their answers do, and a save
// that fails.
#include "world/level_session.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <vector>

#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"
#include "world/level_edits.h"

namespace {

using Messages = std::vector<platform::Message>;

constexpr const char* kOverwrite = "This could overwrite an existing level.\r\nSave it?";

// The window around the session: the level dialog answers from a queue
// (nothing once it is empty: cancelled) and every other call is recorded.
class FakeScreen : public world::LevelScreen {
 public:
  std::deque<std::optional<std::string>> typed;
  std::vector<world::LevelDialogKind> dialogs;
  std::string title = "Tarnwick";
  int tools_dropped = 0;

  std::optional<std::string> AskLevelNumber(world::LevelDialogKind kind, const std::string&) override {
    dialogs.push_back(kind);
    if (typed.empty()) return std::nullopt;
    auto answer = typed.front();
    typed.pop_front();
    return answer;
  }
  void DropTool() override { ++tools_dropped; }
  void FitMap() override {}
  void ShowLevel() override {}
  void SetTitle(const std::string& name) override {
    title = name.empty() ? "Tarnwick" : name + " - Tarnwick";
  }
};

class LevelSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { session.New(); }

  // A change made with the tools.
  void Edit() {
    level.grid.at(7, 7) = 30;
    level.unsaved_changes = true;
  }

  testing_support::TempFolder home;
  platform::Workspace workspace{home.path()};
  platform::ScriptedPrompter prompter;
  world::LevelState level;
  world::ScrollPosition scroll{5, 9};
  FakeScreen screen;
  world::LevelSession session{level, scroll, workspace, prompter, screen};
};

TEST_F(LevelSessionTest, TheUnsavedFlagsFollowNewEditsAndSaves) {
  EXPECT_TRUE(level.unsaved_world);
  EXPECT_FALSE(level.unsaved_changes);
  EXPECT_EQ(level.current_level_number, "1");
  EXPECT_EQ(scroll.column, 1);
  EXPECT_EQ(screen.title, "Tarnwick");

  Edit();
  prompter.answers = {true};
  screen.typed = {"$A"};
  EXPECT_TRUE(session.Save());
  EXPECT_EQ(prompter.asked, (Messages{{kOverwrite, "Warning"}}));
  EXPECT_EQ(workspace.FileSize("game10"), 4224);
  EXPECT_FALSE(level.unsaved_world);
  EXPECT_FALSE(level.unsaved_changes);
  EXPECT_EQ(level.current_level_number, "$A");
  EXPECT_EQ(screen.title, "Level $A - Tarnwick");

  Edit();
  prompter.answers = {false};  // the overwrite question answered No
  screen.typed = {"3"};
  EXPECT_FALSE(session.Save());
  EXPECT_FALSE(workspace.Exists("game3"));
  EXPECT_TRUE(level.unsaved_changes);
  EXPECT_EQ(level.current_level_number, "$A");

  EXPECT_FALSE(session.Save());  // the dialog cancelled
  EXPECT_TRUE(level.unsaved_changes);
  EXPECT_EQ(prompter.asked.size(), 2u);
}

TEST_F(LevelSessionTest, SaveChangesAnsweredBeforeNewLoadAndQuit) {
  struct Case {
    const char* name;
    bool edited;
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> typed;
    bool may_drop;
    size_t questions;
    bool saves;
  };
  const Case cases[] = {
      {"nothing to save asks nothing", false, {}, {}, true, 0, false},
      {"No drops the changes", true, {false}, {}, true, 1, false},
      {"Yes, then the save dialog cancelled", true, {true}, {std::nullopt}, false, 1, false},
      {"Yes, then the overwrite declined", true, {true, false}, {"2"}, false, 2, false},
      {"Yes and saved", true, {true, true}, {"2"}, true, 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    session.New();
    if (c.edited) Edit();
    prompter.asked.clear();
    prompter.answers = c.answers;
    screen.typed = c.typed;
    EXPECT_EQ(session.MayDropLevel(), c.may_drop);
    ASSERT_EQ(prompter.asked.size(), c.questions);
    if (c.questions > 0) {
      EXPECT_EQ(prompter.asked[0], (platform::Message{"Save changes?", "TWK"}));
    }
    EXPECT_EQ(workspace.Exists("game2"), c.saves);
    EXPECT_EQ(level.unsaved_changes, c.edited && !c.saves);

    // New stops where the level may not be dropped, and keeps the edit.
    if (c.edited) Edit();
    prompter.asked.clear();
    prompter.answers = c.answers;
    screen.typed = c.typed;
    session.New();
    EXPECT_EQ(level.grid.at(7, 7), c.may_drop ? 120 : 30);
    EXPECT_EQ(level.unsaved_changes, !c.may_drop);
    std::filesystem::remove(home / "twksys/game2");
  }
}

TEST_F(LevelSessionTest, AFailedSaveIsReportedAndKeepsBothFlags) {
  Edit();
  std::filesystem::create_directories(home / "twksys/game2/blocker");  // a folder where the file should go
  prompter.answers = {true};
  screen.typed = {"2"};
  EXPECT_FALSE(session.Save());
  EXPECT_EQ(prompter.shown, (Messages{{"The level could not be saved", "Error"}}));
  EXPECT_TRUE(level.unsaved_changes);
  EXPECT_TRUE(level.unsaved_world);
  EXPECT_EQ(level.current_level_number, "1");
  EXPECT_EQ(screen.title, "Tarnwick");

  // Quitting then asks again and stays while the save keeps failing.
  prompter.answers = {true, true};
  screen.typed = {"2"};
  EXPECT_FALSE(session.MayDropLevel());
}

TEST_F(LevelSessionTest, LoadReadsTheLevelOrWarnsAndRenamesAllTheSame) {
  world::LevelState stored;
  world::MakeNewWorld(stored);
  stored.grid.at(9, 9) = 57;
  ASSERT_TRUE(world::SaveLevelFile(workspace, 3, stored.grid));

  scroll = {5, 5};
  screen.typed = {"03"};
  session.Load();
  EXPECT_EQ(level.grid.at(9, 9), 57);
  EXPECT_EQ(scroll.column, 1);
  EXPECT_EQ(level.current_level_number, "03");
  EXPECT_EQ(screen.title, "Level 03 - Tarnwick");
  EXPECT_FALSE(level.unsaved_world);

  Edit();
  scroll = {5, 5};
  prompter.answers = {false};  // "Save changes?"
  screen.typed = {"7"};
  session.Load();
  EXPECT_EQ(prompter.shown, (Messages{{"Level does not exist", "Warning"}}));
  EXPECT_EQ(level.grid.at(7, 7), 30);
  EXPECT_EQ(scroll.column, 5);
  EXPECT_EQ(level.current_level_number, "7");
  EXPECT_EQ(screen.title, "Level 7 - Tarnwick");
  EXPECT_FALSE(level.unsaved_changes);
  EXPECT_EQ(screen.dialogs, (std::vector{world::LevelDialogKind::kLoad, world::LevelDialogKind::kLoad}));
  EXPECT_EQ(screen.tools_dropped, 3);  // New, and each Load
}

TEST_F(LevelSessionTest, OpenLoadsANumberedLevelWithoutTheDialog) {
  world::LevelState stored;
  world::MakeNewWorld(stored);
  stored.grid.at(9, 9) = 57;
  ASSERT_TRUE(world::SaveLevelFile(workspace, 4, stored.grid));

  Edit();
  prompter.answers = {true};  // "Save changes?", then the save dialog cancelled
  EXPECT_FALSE(session.Open(4));
  EXPECT_EQ(level.grid.at(7, 7), 30);
  EXPECT_EQ(level.current_level_number, "1");

  prompter.answers = {false};
  scroll = {5, 5};
  EXPECT_TRUE(session.Open(4));
  EXPECT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(level.grid.at(9, 9), 57);
  EXPECT_EQ(scroll.column, 1);
  EXPECT_EQ(level.current_level_number, "4");
  EXPECT_EQ(screen.title, "Level 4 - Tarnwick");
  EXPECT_FALSE(level.unsaved_changes);
  EXPECT_FALSE(level.unsaved_world);
  EXPECT_EQ(screen.dialogs, (std::vector{world::LevelDialogKind::kSave}));
}

}  // namespace

TEST_F(LevelSessionTest, SaveChangesIsAskedOnlyWhileTheGridDiffersFromItsSavedState) {
  const world::LevelGrid before = level.grid;
  level.grid.at(7, 7) = 30;
  world::CommitEdit(level, before);
  EXPECT_TRUE(level.unsaved_changes);
  world::UndoEdit(level);
  session.New();
  EXPECT_TRUE(prompter.asked.empty());

  ASSERT_TRUE(workspace.Write("game3", world::LevelFileBytes(level.grid)));
  screen.typed = {"3"};
  session.Load();
  EXPECT_FALSE(level.history.CanUndo());
  const world::LevelGrid loaded = level.grid;
  level.grid.at(9, 9) = 30;
  world::CommitEdit(level, loaded);
  session.New();  // answered No: dropped
  EXPECT_EQ(prompter.asked, (Messages{{"Save changes?", "TWK"}}));
  EXPECT_FALSE(level.history.CanUndo());
}

TEST_F(LevelSessionTest, ARestoredGridIsTheUnsavedChangeOfItsLevel) {
  world::LevelGrid saved = level.grid;
  saved.at(3, 3) = 40;
  ASSERT_TRUE(workspace.Write("game3", world::LevelFileBytes(saved)));
  world::LevelGrid changed = saved;
  changed.at(4, 4) = 41;

  session.Restore(changed, "03", false);
  EXPECT_EQ(level.grid.cells, changed.cells);
  EXPECT_EQ(level.current_level_number, "03");
  EXPECT_TRUE(level.unsaved_changes);
  EXPECT_FALSE(level.unsaved_world);
  EXPECT_EQ(screen.title, "Level 03 - Tarnwick");
  // Its saved state is the level file: putting the cell back clears the mark.
  const world::LevelGrid before = level.grid;
  level.grid.at(4, 4) = saved.at(4, 4);
  world::CommitEdit(level, before);
  EXPECT_FALSE(level.unsaved_changes);

  session.Restore(changed, "", true);
  EXPECT_TRUE(level.unsaved_world);
  EXPECT_EQ(level.current_level_number, "1");
  EXPECT_EQ(screen.title, "Tarnwick");
  EXPECT_TRUE(level.unsaved_changes);
}
