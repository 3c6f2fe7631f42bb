#include "win_game.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

#include "assets/picture.h"
#include "game_app.h"
#include "game_headless.h"
#include "game_keys.h"
#include "game_open.h"
#include "game_render.h"
#include "game_sounds.h"
#include "game_tic_clock.h"
#include "options_folder.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "player_options.h"
#include "win_audio.h"
#include "win_gamepad.h"
#include "win_system.h"
#include "win_window.h"

namespace game::win {
namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string{} : text.substr(first);
}

void Deliver(App& app, GameAudio& audio) {
  const Player* listener = app.play() ? &app.play()->player() : nullptr;
  for (const SoundEvent& sound : app.TakeSounds())
    audio.Play(sound.sound,
               listener ? HearSound(sound, listener->x, listener->y, listener->angle) : SoundGains{});
  audio.SetMusic(app.music());
  audio.SetVolumes(app.music_volume(), app.effects_volume());
  for (const std::string& line : app.TakeLog()) std::cout << line << std::endl;
}

// The frame for an area of this size at the render scale; kept when its size is right.
void FitFrame(FrameBuffer& frame, int width, int height, int scale_percent) {
  const FrameSize size = ScaledFrameSize(std::max(width, 64), std::max(height, 48), scale_percent);
  if (size != FrameSize{frame.width, frame.height}) frame = FrameBuffer(size.width, size.height);
}

int RunHeadless(App& app, GameAudio& audio, const RunOptions& options, const InputScript& script,
                FrameBuffer& frame) {
  FitFrame(frame, options.width, options.height, app.render_settings().scale_percent);
  PlayHeadless(app, frame, script, options.frames, [&] { Deliver(app, audio); });
  std::cout << StateDigestLine(app) << std::endl;
  return 0;
}

// The options file in %APPDATA%\<title>; empty when APPDATA is not set.
std::filesystem::path OptionsFile(const GameData& data) {
  const auto folder = OptionsFolderIn(_wgetenv(L"APPDATA"), Widen(Trimmed(data.title)));
  return folder.empty() ? folder : folder / kOptionsFileName;
}

// Applies what changed in the player's options since `applied` to the window
// (a window the player resized by hand keeps its size until the option
// changes) and keeps the options in their file.
void ApplyOptions(const PlayerOptions& options, PlayerOptions& applied, GameWindow& window,
                  const std::filesystem::path& file) {
  const bool resized =
      options.window_width != applied.window_width || options.window_height != applied.window_height;
  if (options.fullscreen != applied.fullscreen) window.SetFullScreen(options.fullscreen);
  if (resized || options.fullscreen != applied.fullscreen)
    window.SetClientSize(options.window_width, options.window_height);
  applied = options;
  if (!file.empty() && !SaveOptions(file, options))
    std::cerr << platform::CannotWriteMessage(file) << std::endl;
}

// Frames come at the display's rate, held there by a limiter (GDI does not
// wait for the display); the simulation keeps its tic rate, and each frame
// shows the moment it falls on between two tics. The full-screen mode of the
// settings draws a 640 x 480 frame whatever the screen's size; the gamepad
// is read once a tic.
int RunInteractive(App& app, GameAudio& audio, GameWindow& window, const GameData& data, FrameBuffer& frame,
                   const std::filesystem::path& options_file) {
  using Clock = TicClock::Clock;
  PlayerOptions applied = app.options();
  Gamepad gamepad;
  TicClock clock(Clock::now());
  FrameLimiter limiter(window.refresh_rate());
  const GameSettings& s = data.settings;
  const bool uses_mouse = s.turn_mouse || s.look_mouse || s.walk_forward_mouse || s.walk_backward_mouse;
  while (!app.quit_requested() && window.Pump()) {
    if (window.TakeFullScreenToggle()) app.ToggleFullscreen();
    for (int tics = clock.TakeDueTics(Clock::now()); tics > 0; --tics) {
      TicInput input = window.TakeInput();
      input.pad = gamepad.Poll();
      app.Tick(input);
    }
    Deliver(app, audio);
    if (app.TakeOptionsChanged()) ApplyOptions(app.options(), applied, window, options_file);
    if (app.TakeInfoRequest())
      MessageBoxW(window.handle(), Widen(data.info_text).c_str(), L"Info", MB_OK | MB_ICONINFORMATION);
    window.CaptureMouse(uses_mouse && app.screen() == AppScreen::kPlaying);
    const bool fixed_frame = app.options().fullscreen && s.screen_mode == ScreenMode::kFullScreen;
    FitFrame(frame, fixed_frame ? 640 : window.client_width(), fixed_frame ? 480 : window.client_height(),
             app.render_settings().scale_percent);
    app.Draw(frame, {clock.Fraction(Clock::now()), window.pending_dx(), window.pending_dy()});
    window.Present(frame);
    std::this_thread::sleep_until(limiter.NextFrame(Clock::now()));
  }
  return 0;
}

}  // namespace

int RunGame(const RunOptions& options) {
  const bool headless = options.frames >= 0;
  const auto started = std::chrono::steady_clock::now();
  GameData data;
  const auto pak = options.pak.empty() ? options.executable_folder / "game.pak" : options.pak;
  if (const auto problem = OpenGame({pak, options.workspace}, data)) {
    ReportMessage(problem->title, problem->text, headless);
    return 1;
  }
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
    if (!text || !script.Parse(std::string(text->begin(), text->end()), error)) {
      ReportMessage("Error", error, headless);
      return 1;
    }
  }
  // The player's options and saves; a headless run plays with the defaults and keeps nothing.
  PlayerOptions player = DefaultOptions(data);
  std::filesystem::path options_file;
  if (!headless) {
    options_file = OptionsFile(data);
    std::string message;
    if (!options_file.empty()) player = LoadOptions(options_file, player, message);
    if (!message.empty()) std::cerr << message << std::endl;
  }
  // The window has the player's size unless the command line gives one.
  const int width = options.size_given ? options.width : player.window_width;
  const int height = options.size_given ? options.height : player.window_height;
  FrameBuffer frame;
  GameWindow window;
  if (!headless && !window.Open(Widen(Trimmed(data.title)), width, height, player.fullscreen)) {
    ReportMessage("Error", "cannot open the game window", headless);
    return 1;
  }
  if (!headless) timeBeginPeriod(1);
  GameAudio audio(data, !headless);
  std::cout << audio.sound_count() << " sounds loaded" << std::endl;
  const bool info_menu = data.settings.screen_mode == ScreenMode::kWindow;
  App app(data, headless ? 1u : static_cast<uint32_t>(GetTickCount() | 1u), info_menu);
  app.SetOptions(player);
  if (!options_file.empty()) app.SetSaveFolder(options_file.parent_path());
  if (options.level > 0) app.StartLevel(options.level);
  if (options.start && app.play())
    app.play()->PlacePlayer(options.start->column - 1, options.start->row - 1, options.start->degrees);
  Deliver(app, audio);
  int result = headless ? RunHeadless(app, audio, options, script, frame)
                        : RunInteractive(app, audio, window, data, frame, options_file);
  if (!headless) timeEndPeriod(1);
  if (!options.screenshot.empty() &&
      !platform::WriteFileAtomic(options.screenshot, assets::EncodeBmp24(ToPicture(frame)))) {
    ReportMessage("Error", "cannot write " + options.screenshot, headless);
    result = 1;
  }
  return result;
}

}  // namespace game::win
