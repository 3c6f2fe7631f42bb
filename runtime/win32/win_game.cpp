#include "win_game.h"

#include <chrono>
#include <iostream>

#include "assets/picture.h"
#include "game_app.h"
#include "game_entry_source.h"
#include "game_headless.h"
#include "game_keys.h"
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

bool LoadEntries(const RunOptions& options, std::vector<Entry>& entries, bool headless) {
  std::string error;
  if (!options.workspace.empty()) {
    if (ReadWorkspaceEntries(options.workspace, entries, error)) return true;
    ReportMessage("Error", error, headless);
    return false;
  }
  const PakRead read = ReadGamePakEntries(options.executable_folder / "game.pak", entries);
  if (read.status == PakReadStatus::kOk) return true;
  if (read.status == PakReadStatus::kNotFound)
    ReportMessage("error", "pak file not found", headless);
  else if (entries.size() >= 2 && !IsPlayableVersion(entries[1]))
    ReportMessage("Error", "wrong game.pak", headless);
  else
    ReportMessage("Error", read.message, headless);
  return false;
}

void Deliver(App& app, GameAudio& audio) {
  for (int sound : app.TakeSounds()) audio.Play(sound);
  audio.SetMusic(app.music());
  audio.SetVolume(app.volume());
  for (const std::string& line : app.TakeLog()) std::cout << line << std::endl;
}

int RunHeadless(App& app, GameAudio& audio, const RunOptions& options, const InputScript& script,
                FrameBuffer& frame) {
  PlayHeadless(app, frame, script, options.frames, [&] { Deliver(app, audio); });
  std::cout << StateDigestLine(app) << std::endl;
  return 0;
}

int RunInteractive(App& app, GameAudio& audio, GameWindow& window, const GameData& data, FrameBuffer& frame,
                   bool fixed_frame) {
  using Clock = std::chrono::steady_clock;
  const auto tic_length = std::chrono::nanoseconds(1'000'000'000 / kTicRate);
  const GameSettings& s = data.settings;
  const bool uses_mouse = s.turn_mouse || s.look_mouse || s.walk_forward_mouse || s.walk_backward_mouse;
  auto next_tic = Clock::now();
  while (!app.quit_requested() && window.Pump()) {
    int tics = 0;
    while (Clock::now() >= next_tic && tics < 5) {
      app.Tick(window.TakeInput());
      next_tic += tic_length;
      ++tics;
    }
    if (tics == 5) next_tic = Clock::now();
    Deliver(app, audio);
    if (app.TakeInfoRequest())
      MessageBoxW(window.handle(), Widen(data.info_text).c_str(), L"Info", MB_OK | MB_ICONINFORMATION);
    window.CaptureMouse(uses_mouse && app.screen() == AppScreen::kPlaying);
    if (!fixed_frame &&
        (frame.width != window.client_width() || frame.height != window.client_height()))
      frame = FrameBuffer(std::max(window.client_width(), 64), std::max(window.client_height(), 48));
    app.Draw(frame);
    window.Present(frame);
    if (tics == 0) Sleep(1);
  }
  return 0;
}

}  // namespace

int RunGame(const RunOptions& options) {
  const bool headless = options.frames >= 0;
  const auto started = std::chrono::steady_clock::now();
  std::vector<Entry> entries;
  if (!LoadEntries(options, entries, headless)) return 1;
  GameData data;
  const LoadResult loaded = LoadGameData(entries, data);
  if (loaded.status != LoadStatus::kOk) {
    ReportMessage("Error", loaded.message, headless);
    return 1;
  }
  entries.clear();
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
  FrameBuffer frame(fixed_frame ? 640 : options.width, fixed_frame ? 480 : options.height);
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
  if (options.level > 0) app.StartLevel(std::min(options.level, data.LevelCount()));
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
