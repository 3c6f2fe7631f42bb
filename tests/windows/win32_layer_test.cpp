// The plain parts of the Windows game's layer, tested natively: an XInput
// pad read as the game's pad input, and a title as the name of the folder
// of the player's options and saves.
#include <gtest/gtest.h>

#include <string>

#include "runtime/win32/options_folder.h"
#include "runtime/win32/xinput_pad.h"

namespace {

using game::PadButton;
using game::win::PadOfXInput;
using game::win::XInputPadState;

std::bitset<game::kPadButtonCount> Buttons(std::initializer_list<PadButton> buttons) {
  std::bitset<game::kPadButtonCount> bits;
  for (PadButton b : buttons) bits.set(static_cast<size_t>(b));
  return bits;
}

TEST(XInputPad, EachButtonBitIsItsButtonAndPressedOnlyWhenNewlyDown) {
  const struct {
    uint16_t bit;
    PadButton button;
  } layout[] = {{0x0001, PadButton::kUp},
                {0x0002, PadButton::kDown},
                {0x0004, PadButton::kLeft},
                {0x0008, PadButton::kRight},
                {0x0010, PadButton::kStart},
                {0x0020, PadButton::kBack},
                {0x0040, PadButton::kLeftStick},
                {0x0080, PadButton::kRightStick},
                {0x0100, PadButton::kLeftShoulder},
                {0x0200, PadButton::kRightShoulder},
                {0x1000, PadButton::kA},
                {0x2000, PadButton::kB},
                {0x4000, PadButton::kX},
                {0x8000, PadButton::kY}};
  for (const auto& l : layout) {
    const game::PadInput pad = PadOfXInput({.buttons = l.bit}, {});
    EXPECT_EQ(pad.held, Buttons({l.button})) << std::hex << l.bit;
    EXPECT_EQ(pad.pressed, pad.held) << std::hex << l.bit;
  }
  // XInput's guide bit and the unused ones are no button of the game.
  EXPECT_TRUE(PadOfXInput({.buttons = 0x0400 | 0x0800}, {}).held.none());

  // A, Back, the right shoulder and the pad's left, with A and Y held at the last poll.
  const game::PadInput pad =
      PadOfXInput({.buttons = 0x1000 | 0x0020 | 0x0200 | 0x0004}, Buttons({PadButton::kA, PadButton::kY}));
  EXPECT_EQ(pad.held,
            Buttons({PadButton::kA, PadButton::kBack, PadButton::kRightShoulder, PadButton::kLeft}));
  EXPECT_EQ(pad.pressed, Buttons({PadButton::kBack, PadButton::kRightShoulder, PadButton::kLeft}));
}

TEST(XInputPad, SticksGrowDownwardsAndTriggersSpreadOverTheAxis) {
  const game::PadInput pad = PadOfXInput({0, 255, 128, -32768, -32768, 1200, 32767}, {});
  EXPECT_EQ(pad.move_x, -32768);
  EXPECT_EQ(pad.move_y, game::kPadAxisMax) << "fully down, within the axis";
  EXPECT_EQ(pad.look_x, 1200);
  EXPECT_EQ(pad.look_y, -32767);
  EXPECT_EQ(pad.left_trigger, game::kPadAxisMax);
  EXPECT_EQ(pad.right_trigger, 128 * game::kPadAxisMax / 255);

  const game::PadInput rest = PadOfXInput({}, {});
  EXPECT_EQ(rest.move_x | rest.move_y | rest.look_x | rest.look_y | rest.left_trigger | rest.right_trigger,
            0);
  EXPECT_EQ(game::StickPermille(PadOfXInput({.left_y = 32767}, {}).move_y), -1000) << "pushed up is forward";
}

TEST(OptionsFolder, TitlesBecomeFolderNamesWindowsAccepts) {
  const struct {
    const wchar_t* title;
    const wchar_t* folder;
  } cases[] = {
      {L"Castle Run", L"Castle Run"},
      {L"Who? What: \"Run\" <1|2> a/b\\c*", L"Who_ What_ _Run_ _1_2_ a_b_c_"},
      {L"Tab\there", L"Tab_here"},
      {L"Dots and spaces. . ", L"Dots and spaces"},
      {L" . ", L"game"},
      {L"", L"game"},
      {L"con", L"_con"},
      {L"Nul.txt", L"_Nul.txt"},
      {L"COM7", L"_COM7"},
      {L"LPT0", L"_LPT0"},
      {L"COM10", L"COM10"},
      {L"Console", L"Console"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(game::win::FolderNameOfTitle(c.title), std::wstring(c.folder)) << std::wstring(c.title).size();

  EXPECT_EQ(game::win::OptionsFolderIn(nullptr, L"Run"), std::filesystem::path());
  EXPECT_EQ(game::win::OptionsFolderIn(L"", L"Run"), std::filesystem::path());
  EXPECT_EQ(game::win::OptionsFolderIn(L"relative", L"Run"), std::filesystem::path());
  EXPECT_EQ(game::win::OptionsFolderIn(L"/data/roaming", L"a:b"),
            std::filesystem::path(L"/data/roaming/a_b"));
}

}  // namespace
