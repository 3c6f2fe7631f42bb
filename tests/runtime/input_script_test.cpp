#include <gtest/gtest.h>

#include "game_keys.h"

namespace {

using namespace game;

TEST(InputScript, HoldsPressesAndMouseMovesByTic) {
  InputScript script;
  std::string error;
  ASSERT_TRUE(script.Parse("# comment\n2 4 up\n3 3 Mouse left  \nmouse 3 -5 2\n\n4 4 LeftControl\n", error))
      << error;
  const int up = KeyByName("Up"), mouse = KeyByName("Mouse left"), ctrl = KeyByName("LeftControl");
  EXPECT_EQ(up, 95);
  EXPECT_EQ(mouse, 1);
  EXPECT_FALSE(script.At(1).held.test(static_cast<size_t>(up)));
  EXPECT_TRUE(script.At(2).pressed.test(static_cast<size_t>(up)));
  EXPECT_TRUE(script.At(3).held.test(static_cast<size_t>(up)));
  EXPECT_FALSE(script.At(3).pressed.test(static_cast<size_t>(up))) << "held since the tic before";
  EXPECT_TRUE(script.At(3).pressed.test(static_cast<size_t>(mouse)));
  EXPECT_EQ(script.At(3).mouse_dx, -5);
  EXPECT_EQ(script.At(3).mouse_dy, 2);
  EXPECT_EQ(script.At(4).mouse_dx, 0);
  EXPECT_TRUE(script.At(4).pressed.test(static_cast<size_t>(ctrl)));
  EXPECT_FALSE(script.At(5).held.any());
}

TEST(InputScript, UnreadableLinesAreNamed) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"1 2 Nokey\n", "line 1 of the script cannot be read: 1 2 Nokey"},
      {"1 2 Up\n5 3 Up\n", "line 2 of the script cannot be read: 5 3 Up"},
      {"mouse 4 x\n", "line 1 of the script cannot be read: mouse 4 x"},
      {"up 1 2\n", "line 1 of the script cannot be read: up 1 2"},
      {"1 2 empty\n", "line 1 of the script cannot be read: 1 2 empty"},
  };
  for (const auto& c : cases) {
    InputScript script;
    std::string error;
    EXPECT_FALSE(script.Parse(c.text, error)) << c.text;
    EXPECT_EQ(error, c.error);
  }
}

TEST(KeyNames, EveryIndexHasAUniqueName) {
  for (int key = 0; key < kKeyCount; ++key) EXPECT_EQ(KeyByName(KeyName(key)), key) << key;
  EXPECT_EQ(KeyName(103), "Delete");
  EXPECT_EQ(KeyName(104), "");
}

}  // namespace
