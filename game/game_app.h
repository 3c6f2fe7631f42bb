// The game from start to end: intro, menus, help, sound screen, levels in order, next-level and finished
// screens.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game_play.h"
#include "game_play_view.h"
#include "game_render.h"
#include "player_options.h"

namespace game {

enum class AppScreen {
  kIntro, kMenu, kPause, kDying, kGameOver, kSound, kHelp, kOptions, kSaveSlots, kLoadSlots, kPlaying, kNextLevel, kFinished
};

// How long the view fades out after the player's death, before the game-over question.
constexpr int kDyingTics = 35;

// The items of the main and pause menus and of the game-over question, in
// their pictures' order (gamebuild/screen_layout.h), then those the game adds.
enum class MenuItem { kNewGame, kContinue, kHelp, kSound, kInfo, kEndGame, kQuit, kQuitYes, kRestartLevel, kOptions, kSaveGame, kLoadGame };

// What music should play now.
struct MusicChoice {
  enum Kind { kMenu, kLevel } kind = kMenu;
  int level = 0;
  bool operator==(const MusicChoice&) const = default;
};

class App {
 public:
  App(const GameData& data, uint32_t seed, bool info_menu);

  // Starts level `level` at once, without the menus (a new game's player).
  void StartLevel(int level);
  void Tick(const TicInput& input);
  // Draws the screen; play shows `moment` between the last tic's start and end when that tic played.
  void Draw(FrameBuffer& frame, const FrameMoment& moment = {});

  const RenderSettings& render_settings() const { return render_settings_; }
  void SetRenderSettings(const RenderSettings& settings);

  AppScreen screen() const { return screen_; }
  const Play* play() const { return play_.get(); }
  Play* play() { return play_.get(); }
  std::vector<MenuItem> MenuItems() const;
  int menu_selection() const { return selection_; }
  int music_volume() const { return options_.music_volume; }  // 0..10
  int effects_volume() const { return options_.effects_volume; }
  // The player's options: the play's controls, the volumes, the window and the view.
  const PlayerOptions& options() const { return options_; }
  void SetOptions(const PlayerOptions& options);
  // True once after the player changed an option (the caller applies and keeps them).
  bool TakeOptionsChanged();
  void ToggleFullscreen();
  // The options screen's rows, and whether it waits for a key to bind.
  std::vector<std::string> OptionRows() const;
  bool binding_key() const { return binding_; }
  // Where the save slots' files go (the game's configuration folder); without
  // one the pause menu offers no saves.
  void SetSaveFolder(const std::filesystem::path& folder) { save_folder_ = folder; }
  // The slots' lines as the save and load screens show them, and the last fault.
  std::vector<std::string> SlotRows() const;
  const std::string& slot_message() const { return slot_message_; }
  // What the player did in the level just finished; shown on the next-level screen.
  const LevelStats& finished_stats() const { return finished_stats_; }
  int finished_tics() const { return finished_tics_; }
  MusicChoice music() const;
  bool quit_requested() const { return quit_; }
  // True once after the player chose Info.
  bool TakeInfoRequest();
  std::vector<SoundEvent> TakeSounds();
  std::vector<std::string> TakeLog();

 private:
  void TickMenu(const TicInput& input);
  void Choose(MenuItem item);
  void StartLevelWith(int level, const PlayerCarry& carry);
  void TickPlaying(const TicInput& input);
  void TickSound(const TicInput& input);
  void TickOptions(const TicInput& input);
  void ChangeOption(int row, int step);
  void DrawOptions(FrameBuffer& frame);
  void TickSlots(const TicInput& input);
  void SaveToSlot(int slot);
  void LoadFromSlot(int slot);
  void DrawSlots(FrameBuffer& frame);
  void DrawMenu(FrameBuffer& frame, int picture);
  void DrawSoundScreen(FrameBuffer& frame);
  void DrawStatistics(FrameBuffer& frame);
  void Enter(AppScreen screen);
  void Log(std::string line) { log_.push_back(std::move(line)); }

  const GameData& data_;
  uint32_t seed_;
  bool info_menu_;
  AppScreen screen_ = AppScreen::kIntro;
  AppScreen back_from_sub_ = AppScreen::kMenu;  // where help and sound return to
  std::unique_ptr<Play> play_;
  PlayerCarry carry_;
  int next_level_ = 1;
  int selection_ = 0;
  PlayerOptions options_;
  bool options_changed_ = false;
  bool binding_ = false;
  std::filesystem::path save_folder_;
  std::string slot_message_;
  int restart_level_ = 1;
  PlayerCarry restart_carry_;
  LevelStats finished_stats_;
  int finished_tics_ = 0;
  int help_row_ = 0;
  int screen_tics_ = 0;
  bool quit_ = false;
  bool info_request_ = false;
  bool play_ticked_ = false;  // the last tic ran the play
  std::vector<SoundEvent> sounds_;
  std::vector<std::string> log_;
  RenderSettings render_settings_;
  std::unique_ptr<Renderer> renderer_ = std::make_unique<Renderer>(render_settings_.threads);
};

}  // namespace game
