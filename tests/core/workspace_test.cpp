#include "platform/workspace.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

size_t FilesIn(const fs::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++n;
  return n;
}

TEST(Workspace, FindsAFileWhateverTheCaseOfItsName) {
  TempFolder home;
  home.Write("twksys/treasure1sprite", "abc");
  const platform::Workspace workspace(home.path());
  EXPECT_EQ(workspace.PathOf("Treasure1sprite").filename(), "treasure1sprite");
  EXPECT_EQ(workspace.FileSize("TREASURE1SPRITE"), 3);
  EXPECT_EQ(*workspace.Read("Treasure1sprite"), platform::Bytes({'a', 'b', 'c'}));
}

TEST(Workspace, WritingReplacesTheExistingSpelling) {
  TempFolder home;
  home.Write("twksys/treasure1sprite", "old");
  const platform::Workspace workspace(home.path());
  ASSERT_TRUE(workspace.Write("Treasure1sprite", std::string_view("new!")));
  EXPECT_EQ(FilesIn(workspace.Folder()), 1u);
  EXPECT_EQ(platform::FileSizeByName(workspace.Folder() / "treasure1sprite"), 4);
}

TEST(Workspace, ANewFileTakesTheGivenSpelling) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  ASSERT_TRUE(workspace.Write("MidiSettings", std::string_view("x")));
  EXPECT_TRUE(fs::exists(workspace.Folder() / "MidiSettings"));
}

TEST(Workspace, PathsOfTheProgramFolder) {
  const platform::Workspace workspace("/opt/game");
  EXPECT_EQ(workspace.PasswordFile(), fs::path("/opt/game/pakpassword.txt"));
  EXPECT_EQ(workspace.GameBitmapsFolder(), fs::path("/opt/game/GameBitmaps"));
  EXPECT_EQ(workspace.PathOf("settings"), fs::path("/opt/game/twksys/settings"));
}

TEST(FileSizeByName, MissingFileAndFolderAreMinusOne) {
  TempFolder home;
  home.Write("empty", "");
  EXPECT_EQ(platform::FileSizeByName(home / "empty"), 0);
  EXPECT_EQ(platform::FileSizeByName(home / "missing"), -1);
  EXPECT_EQ(platform::FileSizeByName(home / "twksys"), -1);
  EXPECT_FALSE(platform::ReadFileBytes(home / "twksys"));
}

TEST(WriteFileAtomic, LeavesNoTemporaryFileAndFailsIntoAMissingFolder) {
  TempFolder home;
  ASSERT_TRUE(platform::WriteFileAtomic(home / "a", std::string_view("hello")));
  EXPECT_EQ(FilesIn(home.path()), 2u);  // twksys and a
  EXPECT_FALSE(platform::WriteFileAtomic(home / "no/such/folder/a", std::string_view("x")));
}

// By the mode bits themselves: the tests may run as root, who may write anything.
TEST(WriteFileAtomic, AFileWithoutItsOwnersWritePermissionIsKeptAndAReplacedOneKeepsItsMode) {
  TempFolder home;
  const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec |
                           fs::perms::group_read | fs::perms::group_write;
  struct Case {
    const char* name;
    fs::perms mode;
    bool replaced;
  };
  for (const Case& c : {Case{"locked", read_only, false}, Case{"shared", shared, true}}) {
    home.Write(c.name, "old");
    fs::permissions(home / c.name, c.mode);
    EXPECT_EQ(platform::WriteFileAtomic(home / c.name, std::string_view("new")), c.replaced) << c.name;
    const auto bytes = *platform::ReadFileBytes(home / c.name);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.replaced ? "new" : "old") << c.name;
    EXPECT_EQ(fs::status(home / c.name).permissions(), c.mode) << c.name;
  }
  EXPECT_EQ(FilesIn(home.path()), 3u) << "no temporary file is left";
}

TEST(ReadFileBytes, StopsAtTheLimit) {
  TempFolder home;
  home.Write("ten", "0123456789");
  EXPECT_EQ(platform::ReadFileBytes(home / "ten", 4)->size(), 4u);
  EXPECT_EQ(platform::ReadFileBytes(home / "ten")->size(), 10u);
}

}  // namespace
