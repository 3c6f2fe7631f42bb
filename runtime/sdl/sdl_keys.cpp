#include "sdl_keys.h"

namespace game {

int KeyOfScancode(SDL_Scancode code) {
  if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_0) return 3 + (code - SDL_SCANCODE_1);
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return 13 + (code - SDL_SCANCODE_A);
  if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) return 61 + (code - SDL_SCANCODE_F1);
  if (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9) return 76 + (code - SDL_SCANCODE_KP_1);
  switch (code) {
    case SDL_SCANCODE_ESCAPE:
      return 39;
    case SDL_SCANCODE_MINUS:
      return 40;
    case SDL_SCANCODE_EQUALS:
      return 41;
    case SDL_SCANCODE_BACKSPACE:
      return 42;
    case SDL_SCANCODE_TAB:
      return 43;
    case SDL_SCANCODE_LEFTBRACKET:
      return 44;
    case SDL_SCANCODE_RIGHTBRACKET:
      return 45;
    case SDL_SCANCODE_RETURN:
      return 46;
    case SDL_SCANCODE_LCTRL:
      return 47;
    case SDL_SCANCODE_SEMICOLON:
      return 48;
    case SDL_SCANCODE_APOSTROPHE:
      return 49;
    case SDL_SCANCODE_GRAVE:
      return 50;
    case SDL_SCANCODE_LSHIFT:
      return 51;
    case SDL_SCANCODE_BACKSLASH:
      return 52;
    case SDL_SCANCODE_COMMA:
      return 53;
    case SDL_SCANCODE_PERIOD:
      return 54;
    case SDL_SCANCODE_SLASH:
      return 55;
    case SDL_SCANCODE_RSHIFT:
      return 56;
    case SDL_SCANCODE_KP_MULTIPLY:
      return 57;
    case SDL_SCANCODE_LALT:
      return 58;
    case SDL_SCANCODE_SPACE:
      return 59;
    case SDL_SCANCODE_CAPSLOCK:
      return 60;
    case SDL_SCANCODE_NUMLOCKCLEAR:
      return 73;
    case SDL_SCANCODE_SCROLLLOCK:
      return 74;
    case SDL_SCANCODE_KP_0:
      return 75;
    case SDL_SCANCODE_KP_PLUS:
      return 85;
    case SDL_SCANCODE_KP_MINUS:
      return 86;
    case SDL_SCANCODE_KP_PERIOD:
      return 87;
    case SDL_SCANCODE_KP_ENTER:
      return 88;
    case SDL_SCANCODE_RCTRL:
      return 89;
    case SDL_SCANCODE_KP_COMMA:
      return 90;
    case SDL_SCANCODE_KP_DIVIDE:
      return 91;
    case SDL_SCANCODE_RALT:
      return 92;
    case SDL_SCANCODE_PAUSE:
      return 93;
    case SDL_SCANCODE_HOME:
      return 94;
    case SDL_SCANCODE_UP:
      return 95;
    case SDL_SCANCODE_DOWN:
      return 96;
    case SDL_SCANCODE_LEFT:
      return 97;
    case SDL_SCANCODE_RIGHT:
      return 98;
    case SDL_SCANCODE_END:
      return 99;
    case SDL_SCANCODE_PAGEUP:
      return 100;
    case SDL_SCANCODE_PAGEDOWN:
      return 101;
    case SDL_SCANCODE_INSERT:
      return 102;
    case SDL_SCANCODE_DELETE:
      return 103;
    default:
      return 0;
  }
}

int KeyOfMouseButton(Uint8 button) {
  return button == SDL_BUTTON_LEFT ? 1 : button == SDL_BUTTON_RIGHT ? 2 : 0;
}

}  // namespace game
