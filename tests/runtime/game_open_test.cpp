// Opening the game: each way a pack can fail gives a message that names the file and the fault.
#include "game_open.h"

#include <gtest/gtest.h>

#include "game_draw.h"
#include "game_entry_index.h"
#include "gamebuild/pack_file.h"
#include "tests/runtime/sample_game.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace game;
using testing_support::TempFolder;

void WritePack(const std::filesystem::path& path, const std::vector<Entry>& entries) {
  gamebuild::PackWriter writer;
  ASSERT_TRUE(writer.PackCreate(path));
  for (const Entry& e : entries) ASSERT_EQ(writer.PackAddMemory(e.empty() ? Entry{0} : e), 1);
  ASSERT_TRUE(writer.PackClose());
}

TEST(OpenGame, EveryFailureNamesTheFileAndTheFault) {
  TempFolder folder;
  const auto pak = folder / "game.pak";
  struct Case {
    const char* what;
    std::function<void()> make;
    PlayerMessage message;
  } cases[] = {
      {"no pack", [] {}, {"error", "pak file not found\n" + pak.string()}},
      {"version 404",
       [&] {
         auto entries = sample::Entries();
         entries[EntryIndex("Version")] = {0x94, 1, 0, 0, 0x94, 1, 0, 0};
         WritePack(pak, entries);
       },
       {"Error", "wrong game.pak\n" + pak.string() + " holds version 404, this game plays version 405"}},
      {"cut after two entries",
       [&] {
         auto entries = sample::Entries();
         entries.resize(3);
         WritePack(pak, entries);
         auto bytes = platform::ReadFileBytes(pak).value();
         bytes.resize(bytes.size() - 10);
         folder.Write("game.pak", bytes);
       },
       {"Error", "game.pak is damaged: entry 3 (Treasuresettings): pack cut short\n" + pak.string()}},
      {"a picture that is not one",
       [&] {
         auto entries = sample::Entries();
         entries[EntryIndex("tex7")] = {'n', 'o', 'p', 'e'};
         WritePack(pak, entries);
       },
       {"Error", "game.pak is damaged: the picture tex7 cannot be read\n" + pak.string()}},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(pak);
    c.make();
    GameData data;
    const auto message = OpenGame({pak, {}}, data);
    ASSERT_TRUE(message) << c.what;
    EXPECT_EQ(message->title, c.message.title) << c.what;
    EXPECT_EQ(message->text, c.message.text) << c.what;
  }
  WritePack(pak, sample::Entries());
  GameData data;
  EXPECT_FALSE(OpenGame({pak, {}}, data));
  EXPECT_EQ(data.LevelCount(), 2);
}

TEST(MessageScreen, TextIsWrappedAtLineBreaksAndBetweenWords) {
  EXPECT_EQ(WrapText("one\r\ntwo\n\nthree", 1000), (std::vector<std::string>{"one", "two", "", "three"}));
  const auto lines = WrapText("a fairly long sentence that cannot stay on one narrow line", 60);
  ASSERT_GT(lines.size(), 3u);
  for (const std::string& line : lines) EXPECT_LE(TextWidth(line), 60) << line;
  std::string joined;
  for (const std::string& line : lines) joined += (joined.empty() ? "" : " ") + line;
  EXPECT_EQ(joined, "a fairly long sentence that cannot stay on one narrow line");
  for (const std::string& line : WrapText("/a/very/long/path/without/any/space/game.pak", 50))
    EXPECT_LE(TextWidth(line), 50) << line;
}

}  // namespace
