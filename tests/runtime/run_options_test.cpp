// The runtime's command line: each option into its field, and the lines it refuses.
#include "run_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using game::ParseCommandLine;

TEST(RunOptions, EachOptionIntoItsField) {
  const auto line = ParseCommandLine({"--level", "3", "--frames", "$10", "--script", "in.txt", "--screenshot",
                                      "out.bmp", "--workspace", "/w", "--size", "800x600"});
  ASSERT_EQ(line.error, "");
  EXPECT_FALSE(line.help);
  const game::RunOptions& o = line.options;
  EXPECT_EQ(o.level, 3);
  EXPECT_EQ(o.frames, 16);
  EXPECT_EQ(o.script, "in.txt");
  EXPECT_EQ(o.screenshot, "out.bmp");
  EXPECT_EQ(o.workspace, "/w");
  EXPECT_EQ(o.width, 800);
  EXPECT_EQ(o.height, 600);

  const auto defaults = ParseCommandLine({});
  EXPECT_EQ(defaults.options.level, 0);
  EXPECT_EQ(defaults.options.frames, -1) << "interactive";
  EXPECT_EQ(ParseCommandLine({"--frames", "-5"}).options.frames, 0);
  EXPECT_TRUE(ParseCommandLine({"--level", "2", "--help"}).help);
}

TEST(RunOptions, RefusedLines) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  const Case cases[] = {
      {{"--level"}, "unknown or incomplete option --level"},
      {{"--colour", "red"}, "unknown option --colour"},
      {{"--size", "63x48"}, "the size must be between 64x48 and 8192x8192"},
      {{"--size", "640"}, "the size must be between 64x48 and 8192x8192"},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseCommandLine(c.args).error, c.error) << c.args[0];
}

}  // namespace
