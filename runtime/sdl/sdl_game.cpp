#include "sdl_game.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <thread>

#include "assets/picture.h"
#include "game_app.h"
#include "game_draw.h"
#include "game_entry_source.h"
#include "game_headless.h"
#include "game_keys.h"
#include "game_open.h"
#include "game_tic_clock.h"
#include "game_window_icon.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "player_options.h"
#include "sdl_audio.h"
#include "sdl_keys.h"
#include "sdl_message.h"
#include "stop_signals.h"

namespace game {
namespace {

bool WriteScreenshot(const FrameBuffer& frame, const std::string& path) {
  return platform::WriteFileAtomic(path, assets::EncodeBmp24(ToPicture(frame)));
}

// Tells the player what went wrong and gives the exit status 1. A headless
// run shows nothing but writes the message as its screenshot when asked for one.
int Fail(const PlayerMessage& message, const RunOptions& options) {
  if (options.frames < 0) {
    ShowPlayerMessage(message);
    return 1;
  }
  std::cerr << message.title << ": " << message.text << std::endl;
  if (!options.screenshot.empty()) {
    FrameBuffer frame(options.width, options.height);
    DrawMessageScreen(frame, message.title, message.text);
    if (!WriteScreenshot(frame, options.screenshot))
      std::cerr << "cannot write " << options.screenshot << std::endl;
  }
  return 1;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string{} : text.substr(first);
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
  const Player* listener = app.play() ? &app.play()->player() : nullptr;
  for (const SoundEvent& sound : app.TakeSounds())
    audio.Play(sound.sound,
               listener ? HearSound(sound, listener->x, listener->y, listener->angle) : SoundGains{});
  audio.SetMusic(app.music());
  audio.SetVolumes(app.music_volume(), app.effects_volume());
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
          if (event.key.keysym.scancode == SDL_SCANCODE_RETURN && (event.key.keysym.mod & KMOD_ALT)) {
            if (event.type == SDL_KEYDOWN)
              fullscreen_toggled_ = true;  // Alt+Enter is the window's, not the game's
            continue;
          }
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
        case SDL_MOUSEWHEEL:
          next_.wheel += event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
          continue;
        case SDL_CONTROLLERDEVICEADDED:
          if (!pad_) pad_ = SDL_GameControllerOpen(event.cdevice.which);
          continue;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
          PadButtonEvent(event.cbutton);
          continue;
        case SDL_CONTROLLERAXISMOTION:
          PadAxisEvent(event.caxis);
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
  bool TakeFullscreenToggle() {
    const bool toggled = fullscreen_toggled_;
    fullscreen_toggled_ = false;
    return toggled;
  }
  TicInput Take() {
    TicInput input = next_;
    input.held = held_ | next_.pressed;  // a tap shorter than a tic still counts
    input.pad.held = pad_held_ | next_.pad.pressed;
    const PadInput sticks = next_.pad;
    next_ = TicInput{};
    next_.pad = sticks;  // the sticks stay where they are until they move
    next_.pad.pressed.reset();
    return input;
  }

 private:
  void PadButtonEvent(const SDL_ControllerButtonEvent& e) {
    static constexpr SDL_GameControllerButton kOrder[kPadButtonCount] = {SDL_CONTROLLER_BUTTON_A,
                                                                         SDL_CONTROLLER_BUTTON_B,
                                                                         SDL_CONTROLLER_BUTTON_X,
                                                                         SDL_CONTROLLER_BUTTON_Y,
                                                                         SDL_CONTROLLER_BUTTON_BACK,
                                                                         SDL_CONTROLLER_BUTTON_START,
                                                                         SDL_CONTROLLER_BUTTON_LEFTSTICK,
                                                                         SDL_CONTROLLER_BUTTON_RIGHTSTICK,
                                                                         SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                                                         SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
                                                                         SDL_CONTROLLER_BUTTON_DPAD_UP,
                                                                         SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                                                                         SDL_CONTROLLER_BUTTON_DPAD_LEFT,
                                                                         SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
    const auto found = std::find(std::begin(kOrder), std::end(kOrder), e.button);
    if (found == std::end(kOrder)) return;
    const size_t button = static_cast<size_t>(found - std::begin(kOrder));
    const bool down = e.type == SDL_CONTROLLERBUTTONDOWN;
    pad_held_.set(button, down);
    if (down) next_.pad.pressed.set(button);
  }
  void PadAxisEvent(const SDL_ControllerAxisEvent& e) {
    PadInput& pad = next_.pad;
    int* const axes[] = {&pad.move_x, &pad.move_y,       &pad.look_x,
                         &pad.look_y, &pad.left_trigger, &pad.right_trigger};
    if (e.axis < std::size(axes)) *axes[e.axis] = e.value;
  }

  std::bitset<kKeyCount> held_;
  std::bitset<kPadButtonCount> pad_held_;
  SDL_GameController* pad_ = nullptr;  // the first controller plugged in; SDL closes it on quit
  bool fullscreen_toggled_ = false;
  TicInput next_;
};

int RunHeadless(App& app, SdlAudio& audio, Screen& screen, const RunOptions& options,
                const InputScript& script) {
  screen.SetScale(app.render_settings().scale_percent);
  PlayHeadless(
      app, screen.frame(), script, options.frames,
      [&] {
        Deliver(app, audio, screen.window());
        screen.Present();
      },
      StopRequested);
  std::cout << StateDigestLine(app) << std::endl;
  return 0;
}

// Applies what changed in the player's options since `applied` to the window
// (a window the player resized by hand keeps its size until the option
// changes) and keeps the options in their file.
void ApplyOptions(const PlayerOptions& options, PlayerOptions& applied, SDL_Window* window,
                  const std::filesystem::path& file) {
  if (options.fullscreen != applied.fullscreen)
    SDL_SetWindowFullscreen(window, options.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  const bool resized =
      options.window_width != applied.window_width || options.window_height != applied.window_height;
  if (!options.fullscreen && (resized || options.fullscreen != applied.fullscreen))
    SDL_SetWindowSize(window, options.window_width, options.window_height);
  applied = options;
  if (!file.empty() && !SaveOptions(file, options))
    std::cerr << platform::CannotWriteMessage(file) << std::endl;
}

// Frames come at the display's rate; the simulation keeps its tic rate, and each frame shows the moment it
// falls on between two tics. Without vertical sync a limiter holds frames to the display's rate; with it,
// the limiter only guards against a sync that does not wait (a hidden window, some drivers).
int RunInteractive(App& app, SdlAudio& audio, Screen& screen, const GameData& data,
                   const std::filesystem::path& options_file) {
  using Clock = TicClock::Clock;
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);  // without it the game is played on keys and mouse
  PlayerOptions applied = app.options();
  InputCollector input;
  TicClock clock(Clock::now());
  FrameLimiter limiter(screen.refresh_rate() * (screen.vsync() ? 2 : 1));
  bool mouse_captured = false;
  const GameSettings& s = data.settings;
  const bool uses_mouse = s.turn_mouse || s.look_mouse || s.walk_forward_mouse || s.walk_backward_mouse;
  while (!app.quit_requested() && !StopRequested()) {
    if (!input.Poll(screen)) break;
    if (input.TakeFullscreenToggle()) app.ToggleFullscreen();
    for (int tics = clock.TakeDueTics(Clock::now()); tics > 0; --tics) app.Tick(input.Take());
    Deliver(app, audio, screen.window());
    if (app.TakeOptionsChanged()) ApplyOptions(app.options(), applied, screen.window(), options_file);
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
  CatchStopSignals();
  if (headless) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  const auto started = std::chrono::steady_clock::now();
  GameData data;
  const auto pak = options.pak.empty() ? options.executable_folder / "game.pak" : options.pak;
  if (const auto problem = OpenGame({pak, options.workspace}, data)) return Fail(*problem, options);
  if (options.level > data.LevelCount()) {
    std::cerr << "--level " << options.level << ": the game has " << data.LevelCount()
              << (data.LevelCount() == 1 ? " level" : " levels") << std::endl;
    return 2;
  }
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  std::cout << "game loaded in " << ms.count() << " ms: " << data.LevelCount() << " levels" << std::endl;

  InputScript script;
  if (!options.script.empty()) {
    const auto text = platform::ReadFileBytes(options.script);
    std::string error = "cannot read the script " + options.script;
    if (!text || !script.Parse(std::string(text->begin(), text->end()), error))
      return Fail({"Error", error}, options);
  }
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
    return Fail({"Error", std::string("cannot open the game window: ") + SDL_GetError()}, options);
  // The player's options; a headless run plays with the defaults and keeps nothing.
  PlayerOptions player = DefaultOptions(data);
  std::filesystem::path options_file;
  if (!headless) {
    const auto folder =
        OptionsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), Trimmed(data.title));
    if (!folder.empty()) options_file = folder / kOptionsFileName;
    std::string message;
    if (!options_file.empty()) player = LoadOptions(options_file, player, message);
    if (!message.empty()) std::cerr << message << std::endl;
  }
  int result = 0;
  {
    Screen screen;
    // The author's full-screen mode changes the display to 640 x 480; the player's is the desktop's.
    const bool mode_change = player.fullscreen && data.settings.screen_mode == ScreenMode::kFullScreen;
    const bool own_size = !headless && !options.size_given;
    const int width = mode_change && !headless ? 640 : own_size ? player.window_width : options.width;
    const int height = mode_change && !headless ? 480 : own_size ? player.window_height : options.height;
    const ScreenMode mode = !player.fullscreen ? ScreenMode::kWindow
                            : mode_change      ? ScreenMode::kFullScreen
                                               : ScreenMode::kFullWindow;
    if (!screen.Open(Trimmed(data.title), width, height, WindowFlags(mode, headless))) {
      result = Fail({"Error", std::string("cannot open the game window: ") + SDL_GetError()}, options);
    } else {
      SetWindowIcon(screen.window());
      const std::string sound_font = ChooseSoundFont(options.executable_folder);
      SdlAudio audio(data, sound_font);
      if (audio.open())
        std::cout << audio.sound_count() << " sounds loaded, soundfont "
                  << (sound_font.empty() ? "none" : sound_font) << std::endl;
      const bool info_menu = data.settings.screen_mode == ScreenMode::kWindow;
      App app(data, headless ? 1u : static_cast<uint32_t>(SDL_GetTicks() | 1u), info_menu);
      app.SetOptions(player);
      if (!options_file.empty()) app.SetSaveFolder(options_file.parent_path());
      if (options.level > 0) app.StartLevel(options.level);
      if (options.start && app.play())
        app.play()->PlacePlayer(options.start->column - 1, options.start->row - 1, options.start->degrees);
      Deliver(app, audio, screen.window());
      result = headless ? RunHeadless(app, audio, screen, options, script)
                        : RunInteractive(app, audio, screen, data, options_file);
      if (!options.screenshot.empty() && !WriteScreenshot(screen.frame(), options.screenshot))
        result = Fail({"Error", "cannot write " + options.screenshot}, options);
    }
  }
  SDL_Quit();
  return result;
}

}  // namespace game
