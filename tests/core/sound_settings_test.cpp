// The sound slots, the import of sound files and the `MidiSettings` record.
#include <gtest/gtest.h>

#include <set>

#include "config/midi_settings.h"
#include "config/sound_slots.h"
#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;
using Messages = std::vector<platform::Message>;

TEST(SoundSlots, SeventyEntriesInDisplayOrder) {
  const auto& slots = config::SoundSlots();
  ASSERT_EQ(slots.size(), 70u);
  struct Spot {
    size_t index;
    const char* shown;
    const char* file;
  };
  const Spot spots[] = {
      {0, "Player Walk", "footstepsound"},    {3, "Weapon 3", "weapon3sound"},
      {7, "Impact Weapon 1", "impact1sound"}, {13, "Sirene", "sirenesound"},
      {18, "Menu Music", "menumusic"},        {24, "Key found", "keyfoundsound"},
      {25, "Enemy 1 Hey", "enemy1heysound"},  {34, "Enemy 5 shoot", "enemy5shootsound"},
      {39, "Enemy 5 die", "enemy5diesound"},  {49, "Sprite 10 Destroy", "spr10destroysound"},
      {50, "Level1 MidiSound", "midilvl1"},   {69, "Level20 MidiSound", "midilvl20"},
  };
  for (const auto& s : spots) {
    EXPECT_EQ(slots[s.index].shown, s.shown);
    EXPECT_EQ(slots[s.index].file, s.file);
  }
  std::set<std::string> files;
  for (size_t i = 0; i < slots.size(); ++i) {
    files.insert(slots[i].file);
    EXPECT_EQ(slots[i].kind, i < 50 ? config::SoundKind::kWave : config::SoundKind::kMidi) << i;
  }
  EXPECT_EQ(files.size(), 70u);
  EXPECT_EQ(config::FindSoundSlot("Level3 MidiSound")->file, "midilvl3");
  EXPECT_EQ(config::FindSoundSlot("Weapon 7"), nullptr);
}

class ImportSound : public ::testing::Test {
 protected:
  TempFolder home;
  platform::Workspace workspace{home.path()};
  platform::ScriptedPrompter prompter;

  std::filesystem::path Source(const std::string& name, size_t size) {
    platform::Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    home.Write(name, bytes);
    return home / name;
  }
};

TEST_F(ImportSound, MidiFilesUpTo120000BytesAreCopied) {
  const auto& slot = *config::FindSoundSlot("Level3 MidiSound");
  prompter.files = {Source("big.mid", 120001)};
  EXPECT_FALSE(config::ImportSound(workspace, slot, prompter));
  EXPECT_EQ(prompter.shown, (Messages{{"Filesize must be < 120kB", "Error"}}));
  EXPECT_FALSE(workspace.Exists("midilvl3"));

  prompter.files = {Source("fits.mid", 120000)};
  EXPECT_TRUE(config::ImportSound(workspace, slot, prompter));
  EXPECT_EQ(*workspace.Read("midilvl3"), *platform::ReadFileBytes(home / "fits.mid"));
  EXPECT_TRUE(std::filesystem::exists(workspace.Folder() / "midilvl3"));
  EXPECT_EQ(prompter.requests.back().title, "import a sound file");
  EXPECT_EQ(prompter.requests.back().patterns, "Midi (*.mid)|*.mid");
  EXPECT_EQ(prompter.requests.back().default_name, "*.mid");
}

TEST_F(ImportSound, WaveFilesHaveNoSizeLimit) {
  prompter.files = {Source("music.wav", 2 * 1024 * 1024)};
  EXPECT_TRUE(config::ImportSound(workspace, *config::FindSoundSlot("Menu Music"), prompter));
  EXPECT_EQ(workspace.FileSize("menumusic"), 2 * 1024 * 1024);
  EXPECT_EQ(prompter.requests.back().patterns, "Wave (*.wav)|*.wav");
  EXPECT_EQ(prompter.requests.back().default_name, "*.wav");
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ImportSound, ACancelledRequesterChangesNothing) {
  home.Write("twksys/weapon1sound", "old");
  EXPECT_FALSE(config::ImportSound(workspace, *config::FindSoundSlot("Weapon 1"), prompter));
  EXPECT_EQ(workspace.FileSize("weapon1sound"), 3);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ImportSound, AFailedCopyIsReportedNamingTheFileThatFailed) {
  home.Write("twksys/weapon1sound", "old");
  const auto missing = home / "gone.wav";
  prompter.files = {missing};
  EXPECT_FALSE(config::ImportSound(workspace, *config::FindSoundSlot("Weapon 1"), prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, "Error");
  EXPECT_NE(prompter.shown[0].text.find(missing.string()), std::string::npos);
  EXPECT_EQ(workspace.FileSize("weapon1sound"), 3);

  // A slot file its owner made read-only stays as it is.
  std::filesystem::permissions(workspace.PathOf("weapon1sound"), std::filesystem::perms::owner_read);
  prompter = {};
  prompter.files = {Source("shot.wav", 10)};
  EXPECT_FALSE(config::ImportSound(workspace, *config::FindSoundSlot("Weapon 1"), prompter));
  EXPECT_EQ(prompter.shown, (Messages{platform::CannotWriteMessage(workspace.PathOf("weapon1sound"))}));
  EXPECT_EQ(workspace.FileSize("weapon1sound"), 3);
}

TEST(MidiSettingsRecord, TenEqualBytesReadFromTheFirst) {
  using config::kMidiSettingsRecord;
  using config::MidiSettings;
  EXPECT_EQ(config::Encode(kMidiSettingsRecord, MidiSettings{true}), platform::Bytes(10, 1));
  EXPECT_EQ(config::Encode(kMidiSettingsRecord, MidiSettings{false}), platform::Bytes(10, 0));
  EXPECT_TRUE(
      config::Decode(kMidiSettingsRecord, platform::Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}).use_midi_music);
  EXPECT_FALSE(
      config::Decode(kMidiSettingsRecord, platform::Bytes{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}).use_midi_music);
  EXPECT_FALSE(config::Decode(kMidiSettingsRecord, platform::Bytes{}).use_midi_music);

  TempFolder home;
  const platform::Workspace workspace(home.path());
  platform::ScriptedPrompter prompter;
  EXPECT_EQ(config::Load(kMidiSettingsRecord, workspace, prompter), std::nullopt);
  ASSERT_TRUE(config::Save(kMidiSettingsRecord, workspace, MidiSettings{true}, prompter));
  EXPECT_EQ(config::Load(kMidiSettingsRecord, workspace, prompter), MidiSettings{true});
  EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
