#include "sdl_message.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>

#include "game_draw.h"
#include "stop_signals.h"

namespace game {
namespace {

constexpr int kWidth = 640, kHeight = 400;

bool Dismissed(const SDL_Event& event) {
  return event.type == SDL_QUIT || event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN ||
         (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE);
}

void ShowInWindow(const PlayerMessage& message) {
  const bool video_was_on = SDL_WasInit(SDL_INIT_VIDEO) != 0;
  if (!video_was_on && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
  SDL_Window* window = SDL_CreateWindow(message.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        kWidth, kHeight, SDL_WINDOW_RESIZABLE);
  bool open = window != nullptr;
  while (open && !StopRequested()) {
    int w = kWidth, h = kHeight;
    SDL_GetWindowSize(window, &w, &h);
    FrameBuffer frame(std::max(w, 64), std::max(h, 48));
    DrawMessageScreen(frame, message.title, message.text);
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    SDL_Surface* drawn = SDL_CreateRGBSurfaceWithFormatFrom(frame.pixels.data(), frame.width, frame.height, 32,
                                                            frame.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface && drawn) {
      SDL_BlitSurface(drawn, nullptr, surface, nullptr);
      SDL_UpdateWindowSurface(window);
    }
    if (drawn) SDL_FreeSurface(drawn);
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, 100) && Dismissed(event)) open = false;
  }
  if (window) SDL_DestroyWindow(window);
  if (!video_was_on) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace

void ShowPlayerMessage(const PlayerMessage& message) {
  std::cerr << message.title << ": " << message.text << std::endl;
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, message.title.c_str(), message.text.c_str(), nullptr) != 0)
    ShowInWindow(message);
}

}  // namespace game
