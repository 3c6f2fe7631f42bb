// The game window: its title and icon, the frame buffer shown with GDI,
// full screen and window modes (Alt+Enter asks for the other one), and the
// keyboard and mouse gathered into the input of the next tic.
#pragma once

#include <windows.h>

#include <bitset>
#include <string>

#include "game_image.h"
#include "game_play.h"

namespace game::win {

class GameWindow {
 public:
  GameWindow() = default;
  ~GameWindow();
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  // A window with the client size given; over the whole screen when `full_screen`.
  bool Open(const std::wstring& title, int width, int height, bool full_screen);
  // Handles the waiting window messages; false once the window was asked to close.
  bool Pump();
  // Shows the frame over the client area, scaled to fit with its proportions kept.
  void Present(const FrameBuffer& frame);
  // Hides and holds the pointer and takes the mouse's motion as input.
  void CaptureMouse(bool capture);
  // Over the whole screen, or back in its window.
  void SetFullScreen(bool full_screen);
  // Gives the window this client size; a full-screen window keeps it for its return.
  void SetClientSize(int width, int height);
  // Whether the player pressed Alt+Enter since the last call.
  bool TakeFullScreenToggle();

  // The input since the last call.
  TicInput TakeInput();
  // The mouse motion the next tic takes.
  int pending_dx() const { return next_.mouse_dx; }
  int pending_dy() const { return next_.mouse_dy; }
  // Frames a second the display shows (60 when it does not say).
  int refresh_rate() const;
  int client_width() const { return client_width_; }
  int client_height() const { return client_height_; }
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void Key(int key, bool down);
  void ReadRawMouse(LPARAM l);
  void ApplyMouseCapture();
  void ToggleFullScreen();

  HWND window_ = nullptr;
  HDC dc_ = nullptr;
  bool closed_ = false;
  bool full_screen_ = false;
  bool full_screen_toggled_ = false;
  bool mouse_wanted_ = false;
  bool mouse_held_ = false;
  WINDOWPLACEMENT windowed_{};  // its length is set in Open
  int client_width_ = 0, client_height_ = 0;
  std::bitset<kKeyCount> held_;
  TicInput next_;
};

}  // namespace game::win
