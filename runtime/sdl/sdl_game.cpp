#include "sdl_game.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include "assets/picture.h"
#include "game_app.h"
#include "game_entry_source.h"
#include "game_headless.h"
#include "game_keys.h"
#include "game_tic_clock.h"
#include "game_window_icon.h"
#include "platform/files.h"
#include "sdl_audio.h"
#include "sdl_keys.h"

namespace game {
namespace {

int ShowError(const std::string& title, const std::string& text) {
  std::cerr << title << ": " << text << std::endl;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
  return 1;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string{} : text.substr(first);
}

bool LoadEntries(const RunOptions& options, std::vector<Entry>& entries) {
  std::string error;
  if (!options.workspace.empty()) {
    if (ReadWorkspaceEntries(options.workspace, entries, error)) return true;
    ShowError("Error", error);
    return false;
  }
  const PakRead read = ReadGamePakEntries(options.executable_folder / "game.pak", entries);
  if (read.status == PakReadStatus::kOk) return true;
  if (read.status == PakReadStatus::kNotFound)
    ShowError("error", "pak file not found");
  else if (entries.size() >= 2 && !IsPlayableVersion(entries[1]))
    ShowError("Error", "wrong game.pak");
  else
    ShowError("Error", read.message);
  return false;
}

bool WriteScreenshot(const FrameBuffer& frame, const std::string& path) {
  return platform::WriteFileAtomic(path, assets::EncodeBmp24(ToPicture(frame)));
}

Uint32 WindowFlags(ScreenMode mode, bool headless) {
  if (headless) return 0;
  switch (mode) {
    case ScreenMode::kFullScreen:
      return SDL_WINDOW_FULLSCREEN;
    case ScreenMode::kFullWindow:
      return SDL_WINDOW_FULLSCREEN_DESKTOP;
    default:
      return SDL_WINDOW_RESIZABLE;
  }
}

// The window, its renderer and the streaming texture the frame buffer is copied into.
class Screen {
 public:
  bool Open(const std::string& title, int width, int height, Uint32 flags) {
    window_ =
        SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!window_) return false;
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    Resize();
    return true;
  }
  ~Screen() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
  }
  // The frame follows the window's size, scaled down by the render scale.
  void Resize() {
    int w = 0, h = 0;
    if (renderer_)
      SDL_GetRendererOutputSize(renderer_, &w, &h);
    else
      SDL_GetWindowSize(window_, &w, &h);
    const FrameSize size = ScaledFrameSize(std::max(w, 64), std::max(h, 48), scale_percent_);
    if (size == FrameSize{frame_.width, frame_.height}) return;
    frame_ = FrameBuffer(size.width, size.height);
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    if (!renderer_) return;
    // A frame smaller than the window is scaled up smoothly when shown.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, scale_percent_ < 100 ? "linear" : "nearest");
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, size.width,
                                 size.height);
  }
  void SetScale(int percent) {
    if (percent == scale_percent_) return;
    scale_percent_ = percent;
    Resize();
  }
  void Present() {
    if (!renderer_ || !texture_) return;
    SDL_UpdateTexture(texture_, nullptr, frame_.pixels.data(), frame_.width * 4);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }
  FrameBuffer& frame() { return frame_; }
  SDL_Window* window() { return window_; }
  // Whether presenting waits for the display's vertical sync.
  bool vsync() const {
    SDL_RendererInfo info;
    return renderer_ && SDL_GetRendererInfo(renderer_, &info) == 0 &&
           (info.flags & SDL_RENDERER_PRESENTVSYNC);
  }
  int refresh_rate() const {
    SDL_DisplayMode mode;
    return SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate : 60;
  }

 private:
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  FrameBuffer frame_;
  int scale_percent_ = 100;
};

// A created game carries the author's icon after its own image.
void SetWindowIcon(SDL_Window* window) {
  constexpr size_t kLargestExecutable = 256u * 1024 * 1024;
  const auto executable = platform::ReadFileBytes("/proc/self/exe", kLargestExecutable);
  if (!executable) return;
  std::optional<Image> icon = ReadWindowIcon(*executable);
  if (!icon) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels.data(), icon->width, icon->height,
                                                            32, icon->width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return;
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

void Deliver(App& app, SdlAudio& audio, SDL_Window* window) {
  for (int sound : app.TakeSounds()) audio.Play(sound);
  audio.SetMusic(app.music());
  audio.SetVolume(app.volume());
  for (const std::string& line : app.TakeLog()) std::cout << line << std::endl;
  (void)window;
}

// Collects the input of the next tic from SDL events.
class InputCollector {
 public:
  // False when the window was asked to close.
  bool Poll(Screen& screen) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      int key = 0;
      bool down = false;
      switch (event.type) {
        case SDL_QUIT:
          return false;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
          if (event.key.repeat) continue;
          key = KeyOfScancode(event.key.keysym.scancode);
          down = event.type == SDL_KEYDOWN;
          break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
          key = KeyOfMouseButton(event.button.button);
          down = event.type == SDL_MOUSEBUTTONDOWN;
          break;
        case SDL_MOUSEMOTION:
          next_.mouse_dx += event.motion.xrel;
          next_.mouse_dy += event.motion.yrel;
          continue;
        case SDL_WINDOWEVENT:
          if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) screen.Resize();
          continue;
        default:
          continue;
      }
      if (key <= 0) continue;
      held_.set(static_cast<size_t>(key), down);
      if (down) next_.pressed.set(static_cast<size_t>(key));
    }
    return true;
  }
  // Mouse motion the next tic takes.
  int pending_dx() const { return next_.mouse_dx; }
  int pending_dy() const { return next_.mouse_dy; }
  TicInput Take() {
    TicInput input = next_;
    input.held = held_ | next_.pressed;  // a tap shorter than a tic still counts
    next_ = TicInput{};
    return input;
  }

 private:
  std::bitset<kKeyCount> held_;
  TicInput next_;
};

int RunHeadless(App& app, SdlAudio& audio, Screen& screen, const RunOptions& options,
                const InputScript& script) {
  screen.SetScale(app.render_settings().scale_percent);
  PlayHeadless(app, screen.frame(), script, options.frames, [&] {
    Deliver(app, audio, screen.window());
    screen.Present();
  });
  std::cout << StateDigestLine(app) << std::endl;
  return 0;
}

// Frames come at the display's rate; the simulation keeps its tic rate, and each frame shows the moment it
// falls on between two tics. Without vertical sync a limiter holds frames to the display's rate; with it,
// the limiter only guards against a sync that does not wait (a hidden window, some drivers).
int RunInteractive(App& app, SdlAudio& audio, Screen& screen, const GameData& data) {
  using Clock = TicClock::Clock;
  InputCollector input;
  TicClock clock(Clock::now());
  FrameLimiter limiter(screen.refresh_rate() * (screen.vsync() ? 2 : 1));
  bool mouse_captured = false;
  const GameSettings& s = data.settings;
  const bool uses_mouse = s.turn_mouse || s.look_mouse || s.walk_forward_mouse || s.walk_backward_mouse;
  while (!app.quit_requested()) {
    if (!input.Poll(screen)) break;
    for (int tics = clock.TakeDueTics(Clock::now()); tics > 0; --tics) app.Tick(input.Take());
    Deliver(app, audio, screen.window());
    if (app.TakeInfoRequest())
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Info", data.info_text.c_str(), screen.window());
    const bool want_capture = uses_mouse && app.screen() == AppScreen::kPlaying;
    if (want_capture != mouse_captured) {
      SDL_SetRelativeMouseMode(want_capture ? SDL_TRUE : SDL_FALSE);
      mouse_captured = want_capture;
    }
    screen.SetScale(app.render_settings().scale_percent);
    app.Draw(screen.frame(), {clock.Fraction(Clock::now()), input.pending_dx(), input.pending_dy()});
    screen.Present();
    std::this_thread::sleep_until(limiter.NextFrame(Clock::now()));
  }
  return 0;
}

}  // namespace

int RunGame(const RunOptions& options) {
  const bool headless = options.frames >= 0;
  if (headless) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  const auto started = std::chrono::steady_clock::now();
  std::vector<Entry> entries;
  if (!LoadEntries(options, entries)) return 1;
  GameData data;
  const LoadResult loaded = LoadGameData(entries, data);
  if (loaded.status != LoadStatus::kOk) return ShowError("Error", loaded.message);
  entries.clear();
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  std::cout << "game loaded in " << ms.count() << " ms: " << data.LevelCount() << " levels" << std::endl;

  InputScript script;
  if (!options.script.empty()) {
    const auto text = platform::ReadFileBytes(options.script);
    std::string error = "cannot read the script " + options.script;
    if (!text || !script.Parse(std::string(text->begin(), text->end()), error))
      return ShowError("Error", error);
  }
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
    return ShowError("Error", std::string("cannot open the game window: ") + SDL_GetError());
  int result = 0;
  {
    Screen screen;
    const int width = data.settings.screen_mode == ScreenMode::kFullScreen && !headless ? 640 : options.width;
    const int height =
        data.settings.screen_mode == ScreenMode::kFullScreen && !headless ? 480 : options.height;
    if (!screen.Open(Trimmed(data.title), width, height, WindowFlags(data.settings.screen_mode, headless))) {
      result = ShowError("Error", std::string("cannot open the game window: ") + SDL_GetError());
    } else {
      SetWindowIcon(screen.window());
      const std::string sound_font = ChooseSoundFont(options.executable_folder);
      SdlAudio audio(data, sound_font);
      if (audio.open())
        std::cout << audio.sound_count() << " sounds loaded, soundfont "
                  << (sound_font.empty() ? "none" : sound_font) << std::endl;
      const bool info_menu = data.settings.screen_mode == ScreenMode::kWindow;
      App app(data, headless ? 1u : static_cast<uint32_t>(SDL_GetTicks() | 1u), info_menu);
      if (options.level > 0) app.StartLevel(std::min(options.level, data.LevelCount()));
      Deliver(app, audio, screen.window());
      result = headless ? RunHeadless(app, audio, screen, options, script)
                        : RunInteractive(app, audio, screen, data);
      if (!options.screenshot.empty() && !WriteScreenshot(screen.frame(), options.screenshot))
        result = ShowError("Error", "cannot write " + options.screenshot);
    }
  }
  SDL_Quit();
  return result;
}

}  // namespace game
