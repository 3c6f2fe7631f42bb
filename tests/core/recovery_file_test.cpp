// The recovery file: what it keeps, where it lies, that a damaged one is
// refused, and the question that offers it.
#include "world/recovery_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "tests/support/temp_folder.h"
#include "world/level.h"

using namespace world;

namespace {

RecoveryRecord SampleRecord() {
  RecoveryRecord record;
  LevelState level;
  MakeNewWorld(level);
  record.grid = level.grid;
  record.grid.at(9, 9) = 92;
  record.program_folder = "/home/author/Ember Keep";
  record.level_number = "03";
  record.written_at = 1'700'000'000;
  return record;
}

}  // namespace

TEST(RecoveryFile, KeepsTheProjectTheLevelTheTimeAndTheGrid) {
  testing_support::TempFolder state;
  const auto folder = state.path() / "deeper" / "tarnwick";
  const RecoveryRecord record = SampleRecord();
  ASSERT_TRUE(WriteRecovery(folder, record));
  const auto read = ReadRecovery(folder);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->program_folder, record.program_folder);
  EXPECT_EQ(read->level_number, "03");
  EXPECT_FALSE(read->new_world);
  EXPECT_EQ(read->written_at, record.written_at);
  EXPECT_EQ(LevelFileBytes(read->grid), LevelFileBytes(record.grid));
  RemoveRecovery(folder);
  EXPECT_FALSE(ReadRecovery(folder));
}

TEST(RecoveryFile, DamagedRecordsAreRefused) {
  const platform::Bytes good = EncodeRecovery(SampleRecord());
  ASSERT_TRUE(DecodeRecovery(good));
  for (const size_t size : {size_t{0}, size_t{7}, size_t{30}, good.size() - 1}) {
    const platform::Bytes cut(good.begin(), good.begin() + static_cast<ptrdiff_t>(size));
    EXPECT_FALSE(DecodeRecovery(cut)) << size;
  }
  platform::Bytes longer = good;
  longer.push_back(0);
  EXPECT_FALSE(DecodeRecovery(longer));
  platform::Bytes magic = good;
  magic[0] = 'X';
  EXPECT_FALSE(DecodeRecovery(magic));
  platform::Bytes huge_text = good;
  huge_text[17 + 3] = 0x7f;  // the folder's length
  EXPECT_FALSE(DecodeRecovery(huge_text));
}

TEST(RecoveryFile, LiesInTheStateFolderAndTheQuestionNamesLevelAndTime) {
  const char* state = std::getenv("XDG_STATE_HOME");
  const std::string saved_state = state ? state : "";
  setenv("XDG_STATE_HOME", "/tmp/state", 1);
  EXPECT_EQ(RecoveryFolder(), std::filesystem::path("/tmp/state/tarnwick"));
  unsetenv("XDG_STATE_HOME");
  EXPECT_EQ(RecoveryFolder(), std::filesystem::path(std::getenv("HOME")) / ".local/state/tarnwick");
  if (state) setenv("XDG_STATE_HOME", saved_state.c_str(), 1);

  setenv("TZ", "UTC", 1);
  tzset();
  RecoveryRecord record = SampleRecord();
  EXPECT_EQ(
      RestoreQuestion(record),
      (platform::Message{
          "Tarnwick did not quit properly. Restore the unsaved changes to Level 03 from 2023-11-14 22:13?",
          "Restore"}));
  record.new_world = true;
  EXPECT_NE(RestoreQuestion(record).text.find("to the new level from"), std::string::npos);
}
