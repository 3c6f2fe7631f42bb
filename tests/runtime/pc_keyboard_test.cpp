#include "pc_keyboard.h"

#include <gtest/gtest.h>

#include "game_keys.h"

namespace {

// Keys by their places: the scan code of the key a US layout prints this on.
TEST(PcKeyboard, ScanCodesNameTheKeysOfTheKeyList) {
  const struct {
    int scancode;
    bool extended;
    const char* key;
  } cases[] = {
      {0x01, false, "Escape"}, {0x02, false, "1"},         {0x0B, false, "0"},          {0x10, false, "Q"},
      {0x11, false, "W"},      {0x1E, false, "A"},         {0x1F, false, "S"},          {0x20, false, "D"},
      {0x2C, false, "Z"},      {0x32, false, "M"},         {0x1C, false, "Return"},     {0x1C, true, "PadEnter"},
      {0x1D, false, "LeftControl"}, {0x1D, true, "RightControl"}, {0x38, false, "LeftAlt"}, {0x38, true, "RightAlt"},
      {0x2A, false, "LeftShift"}, {0x36, false, "RightShift"}, {0x39, false, "Space"},   {0x3B, false, "F1"},
      {0x44, false, "F10"},    {0x57, false, "F11"},       {0x58, false, "F12"},        {0x45, true, "NumLock"},
      {0x45, false, "Pause"},  {0x47, false, "Pad7"},      {0x52, false, "Pad0"},       {0x4F, false, "Pad1"},
      {0x53, false, "Decimal"}, {0x4E, false, "Add"},      {0x4A, false, "Subtract"},   {0x37, false, "Multiply"},
      {0x35, true, "Divide"},  {0x48, true, "Up"},         {0x50, true, "Down"},        {0x4B, true, "Left"},
      {0x4D, true, "Right"},   {0x47, true, "Home"},       {0x4F, true, "End"},         {0x49, true, "PageUp"},
      {0x51, true, "PageDown"}, {0x52, true, "Insert"},    {0x53, true, "Delete"},      {0x29, false, "Grave"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(game::KeyName(game::KeyOfPcScancode(c.scancode, c.extended)), c.key)
        << std::hex << c.scancode << (c.extended ? " extended" : "");
  for (const auto& [scancode, extended] : {std::pair{0x00, false}, {0x5B, true}, {0x200, false}, {-1, false}})
    EXPECT_EQ(game::KeyOfPcScancode(scancode, extended), 0) << scancode;
}

}  // namespace
