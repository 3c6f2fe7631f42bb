#include "game_app.h"

#include <algorithm>

#include "game_draw.h"
#include "gamebuild/screen_layout.h"
#include "game_entry_index.h"
#include "game_menu_input.h"
#include "game_play_view.h"

namespace game {
namespace {

using namespace menu_input;

constexpr int kNextLevelTics = 2 * kTicRate;

// The label the game writes for an item its picture does not draw.
std::string AddedItemLabel(MenuItem item) {
  switch (item) {
    case MenuItem::kInfo:
      return "INFO";
    case MenuItem::kOptions:
      return "OPTIONS";
    case MenuItem::kSaveGame:
      return "SAVE GAME";
    case MenuItem::kLoadGame:
      return "LOAD GAME";
    default:
      return "";
  }
}


}  // namespace

App::App(const GameData& data, uint32_t seed, bool info_menu)
    : data_(data), seed_(seed), info_menu_(info_menu && !data.info_text.empty()), options_(DefaultOptions(data)) {}

std::vector<MenuItem> App::MenuItems() const {
  std::vector<MenuItem> items;
  if (screen_ == AppScreen::kPause) {
    items = {MenuItem::kContinue, MenuItem::kSound, MenuItem::kHelp, MenuItem::kEndGame, MenuItem::kOptions};
    if (!save_folder_.empty()) items.insert(items.end(), {MenuItem::kSaveGame, MenuItem::kLoadGame});
  } else if (screen_ == AppScreen::kGameOver) {
    items = {MenuItem::kQuitYes, MenuItem::kRestartLevel};
  } else {
    items = {MenuItem::kNewGame, MenuItem::kSound, MenuItem::kHelp, MenuItem::kQuit, MenuItem::kOptions};
    if (info_menu_) items.push_back(MenuItem::kInfo);
  }
  return items;
}

MusicChoice App::music() const {
  const bool in_level = play_ && (screen_ == AppScreen::kPlaying || screen_ == AppScreen::kPause);
  if (in_level && data_.level_midi) return {MusicChoice::kLevel, play_->level()};
  return {};
}

bool App::TakeInfoRequest() {
  const bool requested = info_request_;
  info_request_ = false;
  return requested;
}

std::vector<SoundEvent> App::TakeSounds() {
  if (play_) {
    std::vector<SoundEvent> more = play_->TakeSounds();
    sounds_.insert(sounds_.end(), more.begin(), more.end());
  }
  std::vector<SoundEvent> taken;
  taken.swap(sounds_);
  return taken;
}

std::vector<std::string> App::TakeLog() {
  std::vector<std::string> taken;
  taken.swap(log_);
  return taken;
}

void App::Enter(AppScreen screen) {
  screen_ = screen;
  screen_tics_ = 0;
  selection_ = 0;
  help_row_ = 0;
  slot_message_.clear();
}

void App::StartLevel(int level) {
  if (!play_) carry_ = NewGameCarry(data_.weapons);  // a level after another keeps the player's carry
  StartLevelWith(level, carry_);
}

void App::StartLevelWith(int level, const PlayerCarry& carry) {
  if (level < 1 || level > data_.LevelCount()) level = 1;
  restart_level_ = level;
  restart_carry_ = carry;
  play_ = std::make_unique<Play>(data_, level, carry, seed_ + static_cast<uint32_t>(level));
  play_->set_controls(options_.controls);
  Enter(AppScreen::kPlaying);
  Log("level " + std::to_string(level) + " loaded");
}

void App::SetRenderSettings(const RenderSettings& settings) {
  if (settings.threads != render_settings_.threads) renderer_ = std::make_unique<Renderer>(settings.threads);
  render_settings_ = settings;
}

void App::Tick(const TicInput& input) {
  ++screen_tics_;
  play_ticked_ = false;
  switch (screen_) {
    case AppScreen::kIntro:
      if (AnyPress(input)) Enter(AppScreen::kMenu);
      break;
    case AppScreen::kMenu:
    case AppScreen::kPause:
    case AppScreen::kGameOver:
      TickMenu(input);
      break;
    case AppScreen::kDying:
      if (screen_tics_ >= kDyingTics) {
        play_.reset();
        Enter(AppScreen::kGameOver);
        selection_ = 1;  // the marker on NO: playing on is what a player wants most
      }
      break;
    case AppScreen::kFinished:
      if (screen_tics_ > kTicRate / 2 && AnyPress(input)) Enter(AppScreen::kMenu);
      break;
    case AppScreen::kSound:
      TickSound(input);
      break;
    case AppScreen::kOptions:
      TickOptions(input);
      break;
    case AppScreen::kSaveSlots:
    case AppScreen::kLoadSlots:
      TickSlots(input);
      break;
    case AppScreen::kHelp: {
      const int extra = std::max(0, data_.help.height - 200);
      if (input.held.test(kKeyDown)) help_row_ = std::min(extra, help_row_ + 4);
      if (input.held.test(kKeyUp)) help_row_ = std::max(0, help_row_ - 4);
      if (GoesBack(input) || Confirms(input)) Enter(back_from_sub_);
      break;
    }
    case AppScreen::kPlaying:
      TickPlaying(input);
      break;
    case AppScreen::kNextLevel:
      if (screen_tics_ >= kNextLevelTics || (screen_tics_ > kTicRate / 2 && AnyPress(input)))
        StartLevel(next_level_);
      break;
  }
}

void App::TickMenu(const TicInput& input) {
  const int count = static_cast<int>(MenuItems().size());
  if (GoesUp(input)) selection_ = (selection_ + count - 1) % count;
  if (GoesDown(input)) selection_ = (selection_ + 1) % count;
  if (Confirms(input))
    Choose(MenuItems()[static_cast<size_t>(selection_)]);
  else if (GoesBack(input) && screen_ == AppScreen::kPause)
    Enter(AppScreen::kPlaying);
  else if (GoesBack(input) && screen_ == AppScreen::kGameOver)
    Enter(AppScreen::kMenu);
}

// Up and down choose the slider, left and right move its knob.
void App::TickSound(const TicInput& input) {
  if (GoesUp(input) || GoesDown(input)) selection_ = 1 - selection_;
  int& volume = selection_ == 0 ? options_.music_volume : options_.effects_volume;
  const int before = volume;
  if (GoesLeft(input)) volume = std::max(0, volume - 1);
  if (GoesRight(input)) volume = std::min(10, volume + 1);
  if (volume != before) options_changed_ = true;
  if (GoesBack(input) || Confirms(input)) Enter(back_from_sub_);
}

void App::Choose(MenuItem item) {
  const AppScreen from = screen_;
  switch (item) {
    case MenuItem::kNewGame:
      play_.reset();
      carry_ = NewGameCarry(data_.weapons);
      StartLevel(1);
      break;
    case MenuItem::kContinue:
      Enter(AppScreen::kPlaying);
      break;
    case MenuItem::kHelp:
      back_from_sub_ = from;
      Enter(AppScreen::kHelp);
      break;
    case MenuItem::kSound:
      back_from_sub_ = from;
      Enter(AppScreen::kSound);
      break;
    case MenuItem::kOptions:
      back_from_sub_ = from;
      Enter(AppScreen::kOptions);
      break;
    case MenuItem::kSaveGame:
      Enter(AppScreen::kSaveSlots);
      break;
    case MenuItem::kLoadGame:
      Enter(AppScreen::kLoadSlots);
      break;
    case MenuItem::kInfo:
      info_request_ = true;
      break;
    case MenuItem::kEndGame:
      play_.reset();
      Enter(AppScreen::kMenu);
      break;
    case MenuItem::kQuit:
      quit_ = true;
      break;
    case MenuItem::kQuitYes:
      Enter(AppScreen::kMenu);
      break;
    case MenuItem::kRestartLevel:
      play_.reset();
      carry_ = restart_carry_;
      StartLevelWith(restart_level_, restart_carry_);
      break;
  }
}

void App::TickPlaying(const TicInput& input) {
  if (input.pressed.test(kKeyEscape) || input.pad.Pressed(PadButton::kStart)) {
    Enter(AppScreen::kPause);
    return;
  }
  play_->Tick(input);
  play_ticked_ = true;
  if (play_->outcome() == Outcome::kDied) {
    Log("player died on level " + std::to_string(play_->level()));
    Enter(AppScreen::kDying);
  } else if (play_->outcome() == Outcome::kLevelDone) {
    carry_ = play_->player().carry;
    finished_stats_ = play_->stats();
    finished_tics_ = play_->tic();
    const int done = play_->level();
    std::vector<SoundEvent> more = play_->TakeSounds();
    sounds_.insert(sounds_.end(), more.begin(), more.end());
    if (done >= data_.LevelCount()) {
      Log("game finished");
      sounds_.push_back({EntryIndex("gamefinishedsound")});
      play_.reset();
      Enter(AppScreen::kFinished);
    } else {
      next_level_ = done + 1;
      Enter(AppScreen::kNextLevel);
    }
  }
}

void App::Draw(FrameBuffer& frame, const FrameMoment& moment) {
  switch (screen_) {
    case AppScreen::kIntro:
      DrawScreen(frame, data_.intro);
      break;
    case AppScreen::kMenu:
      DrawMenu(frame, 0);
      break;
    case AppScreen::kPause:
      DrawMenu(frame, 1);
      break;
    case AppScreen::kGameOver:
      DrawMenu(frame, 2);
      break;
    case AppScreen::kDying:
      // The view sinks into a dark red.
      DrawPlayFrame(*play_, *renderer_, frame, render_settings_);
      Tint(frame, 0, 0, frame.width, frame.height, Rgb(40, 0, 0), std::min(256, screen_tics_ * 256 / kDyingTics));
      break;
    case AppScreen::kSound:
      DrawSoundScreen(frame);
      break;
    case AppScreen::kOptions:
      DrawOptions(frame);
      break;
    case AppScreen::kSaveSlots:
    case AppScreen::kLoadSlots:
      DrawSlots(frame);
      break;
    case AppScreen::kHelp:
      DrawScreen(frame, data_.help, help_row_);
      break;
    case AppScreen::kPlaying:
      DrawPlayFrame(*play_, *renderer_, frame, render_settings_,
                    {play_ticked_ ? moment.fraction : 1.0, moment.mouse_dx, moment.mouse_dy});
      break;
    case AppScreen::kNextLevel:
      DrawScreen(frame, data_.entering_next_level);
      DrawStatistics(frame);
      break;
    case AppScreen::kFinished:
      DrawScreen(frame, data_.finished);
      break;
  }
}

void App::DrawMenu(FrameBuffer& frame, int picture) {
  namespace layout = gamebuild::screen_layout;
  DrawScreen(frame, data_.menus[static_cast<size_t>(picture)]);
  const ScreenPlacement at = PlaceScreen(frame);
  const std::vector<MenuItem> items = MenuItems();
  for (size_t k = 0; k < items.size(); ++k) {
    const std::string label = AddedItemLabel(items[k]);
    if (label.empty()) continue;
    const int y = layout::kItemTop + static_cast<int>(k) * layout::kItemStep;
    DrawText(frame, label, at.x + (160 - TextWidth(label) / 2) * at.scale, at.y + y * at.scale, at.scale,
             Rgb(230, 220, 190));
  }
  DrawImage(frame, data_.menu_button, at.x + layout::kMarkerX * at.scale,
            at.y + layout::MarkerY(selection_) * at.scale, at.scale);
}

void App::DrawSoundScreen(FrameBuffer& frame) {
  namespace layout = gamebuild::screen_layout;
  DrawScreen(frame, data_.menus[3]);
  const ScreenPlacement at = PlaceScreen(frame);
  for (int slider = 0; slider < 2; ++slider)
    DrawImage(frame, data_.volume_button, at.x + layout::KnobX(slider == 0 ? options_.music_volume : options_.effects_volume) * at.scale,
              at.y + layout::KnobY(slider) * at.scale, at.scale);
  DrawImage(frame, data_.menu_button, at.x + layout::kSliderMarkerX * at.scale,
            at.y + layout::SliderMarkerY(selection_) * at.scale, at.scale);
}

// Kills, treasures and time of the level just done, on a dark box left of the picture's middle.
void App::DrawStatistics(FrameBuffer& frame) {
  namespace layout = gamebuild::screen_layout;
  const ScreenPlacement at = PlaceScreen(frame);
  const LevelStats& s = finished_stats_;
  const int seconds = finished_tics_ / kTicRate;
  const std::string lines[] = {
      "KILLS " + std::to_string(s.kills) + " / " + std::to_string(s.enemies),
      "TREASURES " + std::to_string(s.treasures) + " / " + std::to_string(s.treasure_total),
      "TIME " + std::to_string(seconds / 60) + ":" + (seconds % 60 < 10 ? "0" : "") + std::to_string(seconds % 60)};
  const int x = layout::kStatsLeft, y = layout::kStatsTop;
  Tint(frame, at.x + (x - 4) * at.scale, at.y + (y - 4) * at.scale, layout::kStatsWidth * at.scale,
       (3 * kTextLineHeight + 6) * at.scale, Rgb(0, 0, 0), 190);
  for (int k = 0; k < 3; ++k)
    DrawText(frame, lines[k], at.x + x * at.scale, at.y + (y + k * kTextLineHeight) * at.scale, at.scale,
             Rgb(230, 220, 190));
}

}  // namespace game
