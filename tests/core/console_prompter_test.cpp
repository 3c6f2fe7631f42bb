#include "platform/console_prompter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(ConsolePrompter, WritesEveryMessageAndAnswersFromItsSettings) {
  std::ostringstream out;
  platform::ConsolePrompter prompter(out);
  prompter.files = {"/tmp/first.bmp"};
  prompter.Show({"Level does not exist", "Warning"});
  EXPECT_FALSE(prompter.Ask({"Save changes?", "TWK"}));
  prompter.default_answer = true;
  EXPECT_TRUE(prompter.Ask({"Do you wish to proceed?", "Import game.pak"}));
  EXPECT_EQ(prompter.OpenFile({"import bitmap", "*.bmp", ""}), std::filesystem::path("/tmp/first.bmp"));
  EXPECT_EQ(prompter.SaveFile({"Save Game", "Game.exe", ""}), std::nullopt);
  EXPECT_EQ(out.str(),
            "Warning: Level does not exist\n"
            "TWK: Save changes? [no]\n"
            "Import game.pak: Do you wish to proceed? [yes]\n"
            "Save Game: Game.exe\n");
}

}  // namespace
