// The Import Sounds dialog on the offscreen platform.
#include "settings/sounds_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "config/midi_settings.h"
#include "tests/gui/config_dialog_fixture.h"

namespace {

using testing_support::Child;
using Messages = std::vector<platform::Message>;

class SoundsDialogTest : public testing_support::ConfigDialogTest {
 protected:
  std::filesystem::path Source(const std::string& name, size_t size) {
    home.Write(name, platform::Bytes(size, 0x4D));
    return home / name;
  }
};

TEST_F(SoundsDialogTest, LoadSoundFollowsTheSelection) {
  config::SoundsDialog dialog(nullptr, context);
  EXPECT_EQ(dialog.windowTitle(), "Import Sounds");
  auto* list = Child<QComboBox>(&dialog, "soundSlots");
  auto* load = Child<QPushButton>(&dialog, "loadSound");
  EXPECT_EQ(list->count(), 70);
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_FALSE(load->isEnabled());
  EXPECT_EQ(load->text(), "Load Sound");

  list->setCurrentIndex(list->findText("Weapon 3"));
  EXPECT_TRUE(load->isEnabled());
  EXPECT_EQ(load->text(), "Load Sound Weapon 3");
  list->setCurrentIndex(-1);
  EXPECT_FALSE(load->isEnabled());
}

TEST_F(SoundsDialogTest, MidiFilesOverTheLimitAreRefused) {
  config::SoundsDialog dialog(nullptr, context);
  dialog.show();
  auto* list = Child<QComboBox>(&dialog, "soundSlots");
  list->setCurrentIndex(list->findText("Level3 MidiSound"));
  prompter.files = {Source("big.mid", 120001), Source("fits.mid", 120000)};

  Child<QPushButton>(&dialog, "loadSound")->click();
  EXPECT_EQ(Shown(), (Messages{{"Filesize must be < 120kB", "Error"}}));
  EXPECT_FALSE(workspace.Exists("midilvl3"));

  Child<QPushButton>(&dialog, "loadSound")->click();
  EXPECT_EQ(workspace.FileSize("midilvl3"), 120000);
  EXPECT_EQ(prompter.requests.back().patterns, "Midi (*.mid)|*.mid");
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SoundsDialogTest, WaveFilesGoToTheirSlot) {
  config::SoundsDialog dialog(nullptr, context);
  dialog.show();
  auto* list = Child<QComboBox>(&dialog, "soundSlots");
  list->setCurrentIndex(list->findText("Menu Music"));
  prompter.files = {Source("theme.wav", 2'000'000)};
  Child<QPushButton>(&dialog, "loadSound")->click();
  EXPECT_EQ(workspace.FileSize("menumusic"), 2'000'000);
  EXPECT_EQ(prompter.requests.back().title, "import a sound file");
}

TEST_F(SoundsDialogTest, CloseSavesTheMidiOptionButACloseRequestDoesNot) {
  home.Write("twksys/MidiSettings", platform::Bytes{0, 1, 1, 1, 1, 1, 1, 1, 1, 1});
  {
    config::SoundsDialog dialog(nullptr, context);
    dialog.show();
    auto* use_midi = Child<QCheckBox>(&dialog, "useMidi");
    EXPECT_FALSE(use_midi->isChecked());
    use_midi->click();
    dialog.close();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  EXPECT_EQ(*workspace.Read("MidiSettings"), (platform::Bytes{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  {
    config::SoundsDialog dialog(nullptr, context);
    dialog.show();
    Child<QCheckBox>(&dialog, "useMidi")->click();
    Child<QPushButton>(&dialog, "close")->click();
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_EQ(*workspace.Read("MidiSettings"), platform::Bytes(10, 1));
  config::SoundsDialog dialog(nullptr, context);
  EXPECT_TRUE(Child<QCheckBox>(&dialog, "useMidi")->isChecked());
}

TEST_F(SoundsDialogTest, AFailedWriteOfTheMidiOptionIsReportedAndTheDialogStaysOpen) {
  home.Write("twksys/MidiSettings/inside", platform::Bytes{});  // a folder cannot be replaced
  config::SoundsDialog dialog(nullptr, context);
  dialog.show();
  Child<QPushButton>(&dialog, "close")->click();
  EXPECT_EQ(Shown(),
            (Messages{{"cannot write to file " + workspace.PathOf("MidiSettings").string(), "Error"}}));
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
