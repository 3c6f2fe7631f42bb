#include "win_game.h"

#include <algorithm>
#include <chrono>
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
#include "platform/files.h"
#include "win_audio.h"
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

// Frames come at the display's rate, held there by a limiter (GDI does not
// wait for the display); the simulation keeps its tic rate, and each frame
// shows the moment it falls on between two tics. The full-screen mode of the
// settings draws a 640 x 480 frame whatever the screen's size.
int RunInteractive(App& app, GameAudio& audio, GameWindow& window, const GameData& data, FrameBuffer& frame,
                   bool fixed_frame) {
  using Clock = TicClock::Clock;
  TicClock clock(Clock::now());
  FrameLimiter limiter(window.refresh_rate());
  const GameSettings& s = data.settings;
  const bool uses_mouse = s.turn_mouse || s.look_mouse || s.walk_forward_mouse || s.walk_backward_mouse;
  while (!app.quit_requested() && window.Pump()) {
    for (int tics = clock.TakeDueTics(Clock::now()); tics > 0; --tics) app.Tick(window.TakeInput());
    Deliver(app, audio);
    if (app.TakeInfoRequest())
      MessageBoxW(window.handle(), Widen(data.info_text).c_str(), L"Info", MB_OK | MB_ICONINFORMATION);
    window.CaptureMouse(uses_mouse && app.screen() == AppScreen::kPlaying);
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
  // The full-screen mode of the settings shows a 640 x 480 frame over the whole screen.
  const bool full_screen = !headless && data.settings.screen_mode != ScreenMode::kWindow;
  const bool fixed_frame = !headless && data.settings.screen_mode == ScreenMode::kFullScreen;
  FrameBuffer frame;
  GameWindow window;
  if (!headless && !window.Open(Widen(Trimmed(data.title)), options.width, options.height, full_screen)) {
    ReportMessage("Error", "cannot open the game window", headless);
    return 1;
  }
  if (!headless) timeBeginPeriod(1);
  GameAudio audio(data, !headless);
  std::cout << audio.sound_count() << " sounds loaded" << std::endl;
  const bool info_menu = data.settings.screen_mode == ScreenMode::kWindow;
  App app(data, headless ? 1u : static_cast<uint32_t>(GetTickCount() | 1u), info_menu);
  if (options.level > 0) app.StartLevel(options.level);
  if (options.start && app.play())
    app.play()->PlacePlayer(options.start->column - 1, options.start->row - 1, options.start->degrees);
  Deliver(app, audio);
  int result = headless ? RunHeadless(app, audio, options, script, frame)
                        : RunInteractive(app, audio, window, data, frame, fixed_frame);
  if (!headless) timeEndPeriod(1);
  if (!options.screenshot.empty() &&
      !platform::WriteFileAtomic(options.screenshot, assets::EncodeBmp24(ToPicture(frame)))) {
    ReportMessage("Error", "cannot write " + options.screenshot, headless);
    result = 1;
  }
  return result;
}

}  // namespace game::win
