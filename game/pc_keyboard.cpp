#include "pc_keyboard.h"

#include <array>
#include <cstddef>

namespace game {
namespace {

// Key-list indexes of the scan codes without the E0 prefix (0 for none).
constexpr std::array<int, 0x59> kPlain = [] {
  std::array<int, 0x59> keys{};
  keys[0x01] = 39;  // Escape
  for (int digit = 0; digit < 10; ++digit) keys[0x02 + digit] = 3 + digit;  // 1..9, 0
  keys[0x0C] = 40;  // -
  keys[0x0D] = 41;  // =
  keys[0x0E] = 42;  // Backspace
  keys[0x0F] = 43;  // Tab
  // Letters by place: index 13 + (letter - 'A').
  constexpr const char* kRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
  constexpr int kRowStarts[] = {0x10, 0x1E, 0x2C};
  for (int row = 0; row < 3; ++row)
    for (int i = 0; kRows[row][i]; ++i) keys[static_cast<size_t>(kRowStarts[row] + i)] = 13 + (kRows[row][i] - 'A');
  keys[0x1A] = 44;  // [
  keys[0x1B] = 45;  // ]
  keys[0x1C] = 46;  // Return
  keys[0x1D] = 47;  // left Control
  keys[0x27] = 48;  // ;
  keys[0x28] = 49;  // '
  keys[0x29] = 50;  // `
  keys[0x2A] = 51;  // left Shift
  keys[0x2B] = 52;  // backslash
  keys[0x33] = 53;  // ,
  keys[0x34] = 54;  // .
  keys[0x35] = 55;  // /
  keys[0x36] = 56;  // right Shift
  keys[0x37] = 57;  // keypad *
  keys[0x38] = 58;  // left Alt
  keys[0x39] = 59;  // Space
  keys[0x3A] = 60;  // Caps Lock
  for (int f = 0; f < 10; ++f) keys[0x3B + static_cast<size_t>(f)] = 61 + f;  // F1..F10
  keys[0x45] = 93;  // Pause (Num Lock comes with E0)
  keys[0x46] = 74;  // Scroll Lock
  // The keypad's digits: 7 8 9 / 4 5 6 / 1 2 3 / 0, the key list's 1..9 at 76..84.
  keys[0x47] = 82, keys[0x48] = 83, keys[0x49] = 84;
  keys[0x4A] = 86;  // keypad -
  keys[0x4B] = 79, keys[0x4C] = 80, keys[0x4D] = 81;
  keys[0x4E] = 85;  // keypad +
  keys[0x4F] = 76, keys[0x50] = 77, keys[0x51] = 78;
  keys[0x52] = 75;  // keypad 0
  keys[0x53] = 87;  // keypad .
  keys[0x57] = 71;  // F11
  keys[0x58] = 72;  // F12
  return keys;
}();

int ExtendedKey(int scancode) {
  switch (scancode) {
    case 0x1C: return 88;   // keypad Enter
    case 0x1D: return 89;   // right Control
    case 0x35: return 91;   // keypad /
    case 0x38: return 92;   // right Alt
    case 0x45: return 73;   // Num Lock
    case 0x47: return 94;   // Home
    case 0x48: return 95;   // Up
    case 0x49: return 100;  // Page Up
    case 0x4B: return 97;   // Left
    case 0x4D: return 98;   // Right
    case 0x4F: return 99;   // End
    case 0x50: return 96;   // Down
    case 0x51: return 101;  // Page Down
    case 0x52: return 102;  // Insert
    case 0x53: return 103;  // Delete
    default: return 0;
  }
}

}  // namespace

int KeyOfPcScancode(int scancode, bool extended) {
  if (extended) return ExtendedKey(scancode);
  if (scancode < 0 || scancode >= static_cast<int>(kPlain.size())) return 0;
  return kPlain[static_cast<size_t>(scancode)];
}

}  // namespace game
