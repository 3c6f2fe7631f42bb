#include <QGroupBox>
#include <QLabel>

#include "platform/files.h"
#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"
#include "world/level.h"

using testing_support::EditorTest;
using testing_support::TypeAndPress;
using testing_support::WhenModal;

namespace {

QString DoorFrameText(QWidget* frame) {
  return static_cast<QGroupBox*>(frame)->title();
}

QColor ButtonColour(QWidget* button) {
  return static_cast<kit::ImageButton*>(button)->Picture().pixelColor(12, 12);
}

}  // namespace

TEST_F(EditorTest, SaveLevelDialogLooksAsItShould) {
  State().level.unsaved_changes = true;
  WhenModal([](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Save Level");
    EXPECT_EQ(dialog->size(), QSize(170, 129));
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    auto* label = dialog->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Save Level (max. 20)");
    auto* number = dialog->findChild<QLineEdit*>("number");
    EXPECT_EQ(number->text(), "1");
    EXPECT_EQ(number->size(), QSize(20, 20));
    auto* confirm = dialog->findChild<QPushButton*>("confirm");
    EXPECT_EQ(confirm->text(), "save");
    EXPECT_EQ(confirm->size(), QSize(60, 20));
    auto* cancel = dialog->findChild<QPushButton*>("cancel");
    EXPECT_EQ(cancel->text(), "cancel");
    EXPECT_EQ(cancel->size(), QSize(60, 20));
    // From top to bottom: the label, the number, the buttons side by side;
    // all centred.
    EXPECT_LT(label->geometry().bottom(), number->y());
    EXPECT_LT(number->geometry().bottom(), confirm->y());
    EXPECT_EQ(confirm->y(), cancel->y());
    for (QWidget* w : std::initializer_list<QWidget*>{label, number})
      EXPECT_NEAR(w->geometry().center().x(), dialog->width() / 2, 1) << w->objectName().toStdString();
    EXPECT_NEAR((confirm->x() + cancel->geometry().right()) / 2, dialog->width() / 2, 1);
    cancel->click();
  });
  EXPECT_FALSE(window->SaveLevel());  // cancelled
}

TEST_F(EditorTest, SavingAsHexTenWritesGame10AndTitlesWithTheTypedText) {
  prompter.answers = {true};
  WhenModal([](QDialog* dialog) { TypeAndPress(dialog, "number", "$A", "confirm"); });
  window->Dispatch(app::command::kSaveLevel);
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0],
            (platform::Message{"This could overwrite an existing level.\r\nSave it?", "Warning"}));
  const auto bytes = platform::ReadFileBytes(folder / "twksys/game10");
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 4224u);
  for (int x = 0; x < 64; ++x) EXPECT_EQ((*bytes)[x], 16);
  EXPECT_EQ((*bytes)[64], 13);
  EXPECT_EQ((*bytes)[65], 10);
  EXPECT_EQ(window->windowTitle(), "Level $A - Tarnwick");
  EXPECT_EQ(State().level.current_level_number, "$A");
  EXPECT_FALSE(State().level.unsaved_world);
  EXPECT_EQ(DoorFrameText(Control(372)), "Door $A");
  EXPECT_EQ(ButtonColour(Control(338)), QColor(350 / 25 * 10, 9 * 10, 7));  // tile (350, 225)
}

TEST_F(EditorTest, SaveWithANumberOutsideOneToTwentyKeepsTheDialogOpen) {
  bool stayed_open = true;
  WhenModal([&](QDialog* dialog) {
    for (const char* text : {"21", "0", "", "abc", "-3", "%10101"}) {
      TypeAndPress(dialog, "number", text, "confirm");
      QApplication::processEvents();
      stayed_open = stayed_open && dialog->isVisible();
    }
    dialog->findChild<QPushButton*>("cancel")->click();
  });
  window->Dispatch(app::command::kSaveLevel);
  EXPECT_TRUE(stayed_open);
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(window->windowTitle(), "Tarnwick");
}

TEST_F(EditorTest, DecliningTheOverwriteQuestionSavesNothing) {
  State().level.unsaved_changes = true;
  prompter.answers = {false};
  WhenModal([](QDialog* dialog) { TypeAndPress(dialog, "number", "4", "confirm"); });
  EXPECT_FALSE(window->SaveLevel());
  EXPECT_FALSE(std::filesystem::exists(folder / "twksys/game4"));
  EXPECT_EQ(window->windowTitle(), "Tarnwick*");
}

TEST_F(EditorTest, LoadingLevelThreeTypedAs03ReadsTheFileAndShowsItsDoor) {
  world::LevelState level;
  world::MakeNewWorld(level);
  level.grid.at(9, 9) = 57;
  ASSERT_TRUE(world::SaveLevelFile(platform::Workspace(folder.path()), 3, level.grid));
  State().scroll = {5, 5};
  WhenModal([](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Load Level");
    EXPECT_EQ(dialog->findChild<QLabel*>()->text(), "Load Level (max. 20)");
    EXPECT_EQ(dialog->findChild<QPushButton*>("confirm")->text(), "load");
    TypeAndPress(dialog, "number", "03", "confirm");
  });
  window->Dispatch(app::command::kLoadLevel);
  EXPECT_EQ(Grid().at(9, 9), 57);
  EXPECT_EQ(window->windowTitle(), "Level 03 - Tarnwick");
  EXPECT_EQ(State().level.current_level_number, "03");
  EXPECT_EQ(State().scroll.column, 1);
  EXPECT_EQ(DoorFrameText(Control(372)), "Door 03");
  EXPECT_EQ(ButtonColour(Control(338)), QColor(140, 20, 7));  // tile (350, 50)
  EXPECT_FALSE(State().level.unsaved_world);
}

TEST_F(EditorTest, LoadingAMissingLevelWarnsButStillRenamesAndClearsTheFlags) {
  Grid().at(7, 7) = 30;
  State().level.unsaved_changes = true;
  prompter.answers = {false};  // "Save changes?" answered No
  WhenModal([](QDialog* dialog) { TypeAndPress(dialog, "number", "7", "confirm"); });
  window->Dispatch(app::command::kLoadLevel);
  EXPECT_EQ(prompter.asked.at(0), (platform::Message{"Save changes?", "TWK"}));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], (platform::Message{"Level does not exist", "Warning"}));
  EXPECT_EQ(Grid().at(7, 7), 30);
  EXPECT_EQ(window->windowTitle(), "Level 7 - Tarnwick");
  EXPECT_FALSE(State().level.unsaved_changes);
  EXPECT_FALSE(State().level.unsaved_world);
}

TEST_F(EditorTest, LoadStopsWhenTheSaveItAskedForWasCancelled) {
  State().level.unsaved_changes = true;
  prompter.answers = {true};
  int dialogs = 0;
  WhenModal([&](QDialog* dialog) {
    ++dialogs;
    EXPECT_EQ(dialog->windowTitle(), "Save Level");
    dialog->findChild<QPushButton*>("cancel")->click();
  });
  window->Dispatch(app::command::kLoadLevel);
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(State().level.unsaved_changes);
}

TEST_F(EditorTest, NewAfterChangesAsksAndStartsAnEmptyBorderedWorld) {
  Grid().at(7, 7) = 30;
  State().level.unsaved_changes = true;
  State().level.current_level_number = "5";
  window->SetLevelTitle("Level 5");
  window->Dispatch(app::command::kNew);  // "Save changes?" answered No
  EXPECT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(Grid().at(7, 7), 120);
  EXPECT_EQ(Grid().at(0, 7), 16);
  EXPECT_EQ(window->windowTitle(), "Tarnwick");
  EXPECT_EQ(State().level.current_level_number, "1");
  EXPECT_TRUE(State().level.unsaved_world);
  EXPECT_FALSE(State().level.unsaved_changes);
  EXPECT_EQ(DoorFrameText(Control(372)), "Door 1");
}

TEST_F(EditorTest, AFailedSaveIsReportedAndKeepsTheChanges) {
  State().level.unsaved_changes = true;
  folder.Write("twksys/game2/blocker", std::string("x"));  // a folder where the level file should go
  prompter.answers = {true};
  WhenModal([](QDialog* dialog) { TypeAndPress(dialog, "number", "2", "confirm"); });
  EXPECT_FALSE(window->SaveLevel());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, "Error");
  EXPECT_EQ(window->windowTitle(), "Tarnwick*");
}
