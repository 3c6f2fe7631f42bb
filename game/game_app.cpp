#include "game_app.h"

#include <algorithm>

#include "game_draw.h"
#include "game_entry_index.h"
#include "game_play_view.h"

namespace game {
namespace {

// Key-list indexes the menus answer to, whatever the game's bindings.
constexpr int kKeyEscape = 39, kKeyReturn = 46, kKeySpace = 59, kKeyPadEnter = 88;
constexpr int kKeyUp = 95, kKeyDown = 96, kKeyLeft = 97, kKeyRight = 98;
constexpr int kNextLevelTics = 2 * kTicRate;

bool Pressed(const TicInput& input, int key) {
  return input.pressed.test(static_cast<size_t>(key));
}
bool Confirms(const TicInput& input) {
  return Pressed(input, kKeyReturn) || Pressed(input, kKeySpace) || Pressed(input, kKeyPadEnter) ||
         Pressed(input, kMouseLeft);
}
bool AnyPress(const TicInput& input) {
  return input.pressed.any();
}

// Screen positions (in 320 x 200 screen pixels) of the menu marker and the volume knob.
constexpr int kMenuMarkerX = 70, kMenuFirstY = 70, kMenuStepY = 24;
constexpr int kVolumeX = 100, kVolumeStep = 12, kVolumeY = 100;

}  // namespace

App::App(const GameData& data, uint32_t seed, bool info_menu)
    : data_(data), seed_(seed), info_menu_(info_menu && !data.info_text.empty()) {}

std::vector<MenuItem> App::MenuItems() const {
  std::vector<MenuItem> items;
  if (screen_ == AppScreen::kPause) {
    items = {MenuItem::kContinue, MenuItem::kHelp, MenuItem::kSound, MenuItem::kEndGame};
  } else {
    items = {MenuItem::kNewGame, MenuItem::kHelp, MenuItem::kSound};
    if (info_menu_) items.push_back(MenuItem::kInfo);
    items.push_back(MenuItem::kQuit);
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
}

void App::StartLevel(int level) {
  if (level < 1 || level > data_.LevelCount()) level = 1;
  if (!play_) carry_ = NewGameCarry(data_.weapons);  // a level after another keeps the player's carry
  play_ = std::make_unique<Play>(data_, level, carry_, seed_ + static_cast<uint32_t>(level));
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
      TickMenu(input);
      break;
    case AppScreen::kGameOver:
    case AppScreen::kFinished:
      if (screen_tics_ > kTicRate / 2 && AnyPress(input)) Enter(AppScreen::kMenu);
      break;
    case AppScreen::kSound:
      if (Pressed(input, kKeyLeft)) volume_ = std::max(0, volume_ - 1);
      if (Pressed(input, kKeyRight)) volume_ = std::min(10, volume_ + 1);
      if (Pressed(input, kKeyEscape) || Confirms(input)) Enter(back_from_sub_);
      break;
    case AppScreen::kHelp: {
      const int extra = std::max(0, data_.help.height - 200);
      if (input.held.test(kKeyDown)) help_row_ = std::min(extra, help_row_ + 4);
      if (input.held.test(kKeyUp)) help_row_ = std::max(0, help_row_ - 4);
      if (Pressed(input, kKeyEscape) || Confirms(input)) Enter(back_from_sub_);
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
  if (Pressed(input, kKeyUp)) selection_ = (selection_ + count - 1) % count;
  if (Pressed(input, kKeyDown)) selection_ = (selection_ + 1) % count;
  if (Confirms(input))
    Choose(MenuItems()[static_cast<size_t>(selection_)]);
  else if (Pressed(input, kKeyEscape) && screen_ == AppScreen::kPause)
    Enter(AppScreen::kPlaying);
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
  }
}

void App::TickPlaying(const TicInput& input) {
  if (input.pressed.test(kKeyEscape)) {
    Enter(AppScreen::kPause);
    return;
  }
  play_->Tick(input);
  play_ticked_ = true;
  if (play_->outcome() == Outcome::kDied) {
    Log("player died on level " + std::to_string(play_->level()));
    Enter(AppScreen::kGameOver);
    play_.reset();
  } else if (play_->outcome() == Outcome::kLevelDone) {
    carry_ = play_->player().carry;
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
  const ScreenPlacement at = PlaceScreen(frame);
  switch (screen_) {
    case AppScreen::kIntro:
      DrawScreen(frame, data_.intro);
      break;
    case AppScreen::kMenu:
    case AppScreen::kPause: {
      DrawScreen(frame, data_.menus[screen_ == AppScreen::kMenu ? 0 : 1]);
      const int y = kMenuFirstY + selection_ * kMenuStepY;
      DrawImage(frame, data_.menu_button, at.x + kMenuMarkerX * at.scale, at.y + y * at.scale, at.scale);
      break;
    }
    case AppScreen::kGameOver:
      DrawScreen(frame, data_.menus[2]);
      break;
    case AppScreen::kSound:
      DrawScreen(frame, data_.menus[3]);
      DrawImage(frame, data_.volume_button, at.x + (kVolumeX + volume_ * kVolumeStep) * at.scale,
                at.y + kVolumeY * at.scale, at.scale);
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
      break;
    case AppScreen::kFinished:
      DrawScreen(frame, data_.finished);
      break;
  }
}

}  // namespace game
