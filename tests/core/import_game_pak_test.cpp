#include "gamebuild/import_game_pak.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "assets/picture.h"
#include "assets/picture_loader.h"
#include "gamebuild/game_pak.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/pack_file.h"
#include "gamebuild/password_block.h"
#include "platform/scripted_prompter.h"
#include "tests/support/game_workspace.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;
using enum gamebuild::ImportResult;

const std::string kPassword = "Maze\xE9Runner";

// A 64 x 64 picture whose pixels tell their position.
assets::Picture Gradient() {
  assets::Picture picture(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      picture.set(x, y,
                  {static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4), static_cast<uint8_t>(x ^ y)});
  return picture;
}

// A pack built once from a complete workspace (with real pictures as
// bullet1 and tex1), and the workspace files it holds.
struct SourcePack {
  SourcePack() {
    made = testing_support::WriteGameWorkspace(source, kPassword);
    for (const std::string name : {"bullet1", "tex1"}) {
      source.Write("twksys/" + name, assets::EncodeBmp24(Gradient()));
      made.files[name] = *platform::ReadFileBytes(source / ("twksys/" + name));
    }
    const platform::Workspace workspace{source.path()};
    EXPECT_TRUE(gamebuild::WriteVersionFile(workspace));
    made.files.erase("Version");  // the import writes positions 3 to 380 only
    platform::ScriptedPrompter quiet;
    EXPECT_TRUE(gamebuild::BuildGamePak(workspace, quiet, nullptr));
    pak = source / "twksys/game.pak";
  }
  TempFolder source;
  testing_support::GameWorkspace made;
  fs::path pak;
};

const SourcePack& Source() {
  static const SourcePack source;
  return source;
}

// An empty program folder with the pack's password to import into.
class ImportGamePakTest : public ::testing::Test {
 protected:
  ImportGamePakTest() { target.Write("pakpassword.txt", kPassword); }

  gamebuild::ImportResult Import(const fs::path& file) {
    prompter.files.push_back(file);
    const gamebuild::ImportContext context{target_workspace, prompter,
                                           [this](bool shown) { shows.push_back(shown); },
                                           [this](int position) { positions.push_back(position); }};
    return gamebuild::ImportGamePak(context, counter);
  }

  // Everything the target folder holds: nothing may change on a refusal.
  size_t FilesInTarget() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::recursive_directory_iterator(target.path())) ++n;
    return n;
  }

  void ExpectRefused(const platform::Message& message, size_t files_before) {
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], message);
    EXPECT_EQ(FilesInTarget(), files_before);
  }

  TempFolder target;
  const platform::Workspace target_workspace{target.path()};
  const testing_support::GameWorkspace& made = Source().made;
  const fs::path& pak = Source().pak;
  platform::ScriptedPrompter prompter;
  std::vector<bool> shows;
  std::vector<int> positions;
  int counter = -1;
};

TEST_F(ImportGamePakTest, GivesBackEveryWorkspaceFile) {
  target.Write("twksys/Treasure1sprite", "other spelling");
  ASSERT_EQ(Import(pak), kImported);
  EXPECT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
  for (const auto& [name, bytes] : made.files) {
    ASSERT_TRUE(fs::exists(target / ("twksys/" + name))) << name;
    EXPECT_EQ(*platform::ReadFileBytes(target / ("twksys/" + name)), bytes) << name;
  }
  EXPECT_FALSE(fs::exists(target / "twksys/Treasure1sprite"));
  EXPECT_EQ(counter, 378);
  EXPECT_EQ(positions.back(), 378);
  EXPECT_EQ(shows, (std::vector<bool>{true}));
  ASSERT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(prompter.requests[0].title, "import a pak file");
  EXPECT_EQ(prompter.requests[0].default_name, "*.pak");
  EXPECT_EQ(prompter.requests[0].patterns, "pak- File (*.pak)|*.pak");
}

TEST_F(ImportGamePakTest, MakesTheWorkspaceFolderWhenThereIsNone) {
  fs::remove_all(target / "twksys");
  ASSERT_EQ(Import(pak), kImported);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(*platform::ReadFileBytes(target / "twksys/game20"), made.files.at("game20"));
}

TEST_F(ImportGamePakTest, RefreshesTheGameBitmaps) {
  ASSERT_EQ(Import(pak), kImported);
  const fs::path bitmaps = target / "GameBitmaps";
  EXPECT_EQ(*platform::ReadFileBytes(bitmaps / "SoundScreen.bmp"), made.files.at("menu4"));
  EXPECT_EQ(*platform::ReadFileBytes(bitmaps / "ScoreNums.bmp"), made.files.at("scorenums"));
  EXPECT_EQ(*platform::ReadFileBytes(bitmaps / "weapon6_5.bmp"), made.files.at("weapon6bitmap5"));
  EXPECT_EQ(*platform::ReadFileBytes(bitmaps / "Bullet1.bmp"),
            assets::EncodeBmp24(assets::Transposed(assets::LoadPicture(target / "twksys/bullet1"))));
  EXPECT_NE(assets::LoadPicture(bitmaps / "Bullet1.bmp").at(5, 9), Gradient().at(5, 9));
  EXPECT_EQ(assets::LoadPicture(bitmaps / "Bullet1.bmp").at(5, 9), Gradient().at(9, 5));
  // bullet2 holds no picture: nothing is saved for it.
  EXPECT_FALSE(fs::exists(bitmaps / "Bullet2.bmp"));
}

TEST_F(ImportGamePakTest, RefusedPacksWriteNothing) {
  const auto bytes = *platform::ReadFileBytes(pak);
  target.Write("cut.pak",
               platform::Bytes(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() / 2)));
  target.Write("tail_cut.pak", platform::Bytes(bytes.begin(), bytes.end() - 1));
  platform::Bytes corrupt = bytes;
  corrupt[bytes.size() - 100] ^= 0x5A;
  target.Write("corrupt.pak", corrupt);
  target.Write("not_a_pack.pak", "hello");

  struct Case {
    const char* file;
    platform::Message message;
  };
  const Case cases[] = {{"cut.pak", {"game.pak not compatible", "Error"}},
                        {"tail_cut.pak", {"game.pak not compatible", "Error"}},
                        {"corrupt.pak", {"game.pak not compatible", "Error"}},
                        {"not_a_pack.pak", {"game.pak not compatible", "Error"}},
                        {"missing.pak", {"game.pak not compatible", "Error"}}};
  for (const Case& c : cases) {
    prompter = {};
    shows.clear();
    const size_t before = FilesInTarget();
    EXPECT_EQ(Import(target / c.file), kNotImported) << c.file;
    ExpectRefused(c.message, before);
    EXPECT_EQ(shows, (std::vector<bool>{true, false})) << c.file;
  }
}

TEST_F(ImportGamePakTest, AChangedPasswordIsRefused) {
  target.Write("pakpassword.txt", "Changed");
  const size_t before = FilesInTarget();
  EXPECT_EQ(Import(pak), kNotImported);
  ExpectRefused({"wrong game.pak password", "Error"}, before);
}

TEST_F(ImportGamePakTest, VersionChecks) {
  const auto block = gamebuild::PasswordBlockBytes(
      gamebuild::EncodePasswordBlock(platform::Bytes(kPassword.begin(), kPassword.end())));
  struct Case {
    const char* name;
    std::vector<platform::Bytes> entries;
    platform::Message message;
  };
  std::vector<platform::Bytes> short_pack = {block, gamebuild::VersionRecord()};
  for (int i = 3; i <= 379; ++i) short_pack.push_back(platform::Bytes(20, static_cast<uint8_t>(i)));
  const Case cases[] = {
      {"ends after the password", {block}, {"wrong game.pak version", "Error"}},
      {"version 406",
       {block, platform::Bytes{0x96, 1, 0, 0, 0x96, 1, 0, 0}},
       {"wrong game.pak version", "Error"}},
      {"379 entries", short_pack, {"game.pak not compatible", "Error"}},
      {"password block over 400 bytes", {platform::Bytes(404, 1)}, {"game.pak not compatible", "Error"}},
  };
  for (const Case& c : cases) {
    gamebuild::PackWriter writer;
    ASSERT_TRUE(writer.PackCreate(target / "made.pak"));
    for (const auto& entry : c.entries) ASSERT_EQ(writer.PackAddMemory(entry), 1);
    ASSERT_TRUE(writer.PackClose());
    prompter = {};
    const size_t before = FilesInTarget();
    EXPECT_EQ(Import(target / "made.pak"), kNotImported) << c.name;
    ExpectRefused(c.message, before);
  }
}

TEST_F(ImportGamePakTest, NoPasswordFileAndCancelledRequester) {
  EXPECT_EQ(Import(fs::path()), kNotImported);  // cancelled
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_TRUE(shows.empty());

  fs::remove(target / "pakpassword.txt");
  prompter = {};
  EXPECT_EQ(Import(pak), kNotImported);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], (platform::Message{"game.pak password not found", "Error"}));
  EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(ImportGamePakTest, TheCommandAsksFirstAndRebuildsTheIconSheet) {
  int new_worlds = 0;
  const gamebuild::ImportContext context{target_workspace, prompter,
                                         [this](bool shown) { shows.push_back(shown); },
                                         [this](int position) { positions.push_back(position); }};
  prompter.answers = {false};
  EXPECT_EQ(gamebuild::ImportGamePakCommand(context, [&] { ++new_worlds; }), kNotImported);
  EXPECT_TRUE(prompter.requests.empty());
  EXPECT_TRUE(shows.empty());
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(
      prompter.asked[0],
      (platform::Message{"This will overwrite all your work! Do you wish to proceed?", "Import game.pak"}));

  prompter.answers = {true};
  prompter.files.push_back(pak);
  EXPECT_EQ(gamebuild::ImportGamePakCommand(context, [&] { ++new_worlds; }), kImported);
  EXPECT_EQ(new_worlds, 2);
  EXPECT_EQ(shows.back(), false);
  EXPECT_TRUE(fs::exists(target / "twksys/ic"));
  EXPECT_EQ(positions.back(), 379);  // the rebuild counts on from the import: tex1 loads
}

TEST_F(ImportGamePakTest, FilesThatCannotBeWrittenAreToldInOneMessageAndTheImportFails) {
  // Seven workspace files in a row that a folder of their name keeps from being written.
  std::vector<fs::path> blocked;
  for (int level = 1; level <= 7; ++level) {
    blocked.push_back(target / ("twksys/midilvl" + std::to_string(level)));
    fs::create_directories(blocked.back() / "inside");
  }
  int new_worlds = 0;
  const gamebuild::ImportContext context{target_workspace, prompter, nullptr,
                                         [this](int position) { positions.push_back(position); }};
  prompter.answers = {true};
  prompter.files.push_back(pak);
  EXPECT_EQ(gamebuild::ImportGamePakCommand(context, [&] { ++new_worlds; }), kPartlyImported);

  std::string text = "cannot write to 7 files:";
  for (size_t i = 0; i < 5; ++i) text += "\r\n" + blocked[i].string();
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{text + "\r\n...", "Error"}}));
  // What could be written was, and the views are rebuilt from it.
  EXPECT_EQ(*platform::ReadFileBytes(target / "twksys/midilvl8"), made.files.at("midilvl8"));
  EXPECT_EQ(*platform::ReadFileBytes(target / "GameBitmaps/SoundScreen.bmp"), made.files.at("menu4"));
  EXPECT_EQ(new_worlds, 2);
  EXPECT_TRUE(fs::exists(target / "twksys/ic"));
  EXPECT_EQ(positions.back(), 378 - 7 + 1);  // the rebuild counts on from the files written

  // One file alone is named in the usual message.
  fs::remove_all(blocked[0]);
  for (size_t i = 2; i < blocked.size(); ++i) fs::remove_all(blocked[i]);
  prompter = {};
  EXPECT_EQ(Import(pak), kPartlyImported);
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{platform::CannotWriteMessage(blocked[1])}));
}

}  // namespace
