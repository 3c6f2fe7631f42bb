// The App's options screen: a list of the player's options, changed with
// Left and Right, keys bound by choosing an action and pressing the key.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "game_app.h"
#include "game_draw.h"
#include "game_keys.h"
#include "game_menu_input.h"

namespace game {
namespace {

using namespace menu_input;

// The rows before the key bindings, and those after them.
enum Row { kSensitivity, kInvert, kMusic, kEffects, kFullscreen, kWindowSize, kFov, kScale, kFirstKey };
constexpr int kResetKeys = kFirstKey + kActionCount;
constexpr int kBack = kResetKeys + 1;
constexpr int kRowCount = kBack + 1;

struct WindowSize {
  int width, height;
};
constexpr std::array<WindowSize, 7> kWindowSizes = {
    {{640, 400}, {960, 600}, {1280, 800}, {1600, 1000}, {1920, 1080}, {2560, 1080}, {3840, 2160}}};
constexpr double kFovStep = 5;
constexpr int kScaleStep = 10;
constexpr int kVisibleRows = 13;

std::string OnOff(bool on) {
  return on ? "ON" : "OFF";
}

std::string KeyText(int key) {
  if (key == kNoKey) return "-";
  std::string name(KeyName(key));
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
  return name;
}

int FirstPressedKey(const TicInput& input) {
  for (size_t key = 1; key < input.pressed.size(); ++key)
    if (input.pressed.test(key)) return static_cast<int>(key);
  return kNoKey;
}

}  // namespace

void App::SetOptions(const PlayerOptions& options) {
  options_ = options;
  if (play_) play_->set_controls(options_.controls);
  RenderSettings render = render_settings_;
  render.fov_degrees = options.fov_degrees;
  render.scale_percent = options.render_scale_percent;
  SetRenderSettings(render);
}

bool App::TakeOptionsChanged() {
  const bool changed = options_changed_;
  options_changed_ = false;
  return changed;
}

void App::ToggleFullscreen() {
  options_.fullscreen = !options_.fullscreen;
  options_changed_ = true;
}

std::vector<std::string> App::OptionRows() const {
  const PlayerOptions& o = options_;
  char fov[16];
  std::snprintf(fov, sizeof fov, "%.0f", o.fov_degrees);
  std::vector<std::string> rows = {
      "MOUSE SENSITIVITY  " + std::to_string(o.controls.mouse_sensitivity),
      "INVERT MOUSE  " + OnOff(o.controls.invert_mouse),
      "MUSIC VOLUME  " + std::to_string(o.music_volume),
      "EFFECTS VOLUME  " + std::to_string(o.effects_volume),
      "FULLSCREEN (ALT+ENTER)  " + OnOff(o.fullscreen),
      "WINDOW SIZE  " + std::to_string(o.window_width) + " X " + std::to_string(o.window_height),
      "FIELD OF VIEW  " + std::string(fov),
      "RENDER SCALE  " + std::to_string(o.render_scale_percent) + " %"};
  for (int a = 0; a < kActionCount; ++a) {
    const Action action = static_cast<Action>(a);
    const bool waiting = binding_ && selection_ == kFirstKey + a;
    rows.push_back(std::string(ActionName(action)) + "  " + (waiting ? "PRESS A KEY" : KeyText(o.controls.Key(action))));
  }
  rows.push_back("RESET KEYS TO THE GAME'S");
  rows.push_back("BACK");
  return rows;
}

// Up and down choose a row; Left and Right change its value, Return toggles,
// binds or acts; Escape goes back. Every change is kept at once.
void App::TickOptions(const TicInput& input) {
  if (binding_) {
    const int key = FirstPressedKey(input);
    if (key == kNoKey) return;
    if (key != kKeyEscape) {
      options_.controls.Key(static_cast<Action>(selection_ - kFirstKey)) = key;
      SetOptions(options_);
      options_changed_ = true;
    }
    binding_ = false;
    return;
  }
  if (GoesUp(input)) selection_ = (selection_ + kRowCount - 1) % kRowCount;
  if (GoesDown(input)) selection_ = (selection_ + 1) % kRowCount;
  if (GoesLeft(input)) ChangeOption(selection_, -1);
  if (GoesRight(input)) ChangeOption(selection_, 1);
  const bool confirm = Confirms(input);
  if (confirm && selection_ >= kFirstKey && selection_ < kResetKeys) {
    binding_ = true;
  } else if (confirm && selection_ == kBack) {
    Enter(back_from_sub_);
  } else if (confirm) {
    ChangeOption(selection_, 0);
  } else if (GoesBack(input)) {
    Enter(back_from_sub_);
  }
}

// Step -1 or 1 moves a value; 0 (Return) toggles a switch or resets the keys.
void App::ChangeOption(int row, int step) {
  PlayerOptions o = options_;
  auto size_index = [&o] {
    for (size_t k = 0; k < kWindowSizes.size(); ++k)
      if (kWindowSizes[k].width >= o.window_width && kWindowSizes[k].height >= o.window_height) return static_cast<int>(k);
    return static_cast<int>(kWindowSizes.size()) - 1;
  };
  switch (row) {
    case kSensitivity:
      o.controls.mouse_sensitivity = std::clamp(o.controls.mouse_sensitivity + step, 1, 10);
      break;
    case kInvert:
      o.controls.invert_mouse = !o.controls.invert_mouse;
      break;
    case kMusic:
      o.music_volume = std::clamp(o.music_volume + step, 0, 10);
      break;
    case kEffects:
      o.effects_volume = std::clamp(o.effects_volume + step, 0, 10);
      break;
    case kFullscreen:
      o.fullscreen = !o.fullscreen;
      break;
    case kWindowSize: {
      const WindowSize size =
          kWindowSizes[static_cast<size_t>(std::clamp(size_index() + step, 0, static_cast<int>(kWindowSizes.size()) - 1))];
      o.window_width = size.width, o.window_height = size.height;
      break;
    }
    case kFov:
      o.fov_degrees = std::clamp(std::round((o.fov_degrees + step * kFovStep) / kFovStep) * kFovStep, kMinFovDegrees,
                                 kMaxFovDegrees);
      if (step == 0) o.fov_degrees = kDefaultFovDegrees;
      break;
    case kScale:
      o.render_scale_percent = std::clamp(o.render_scale_percent + step * kScaleStep, kOptionsMinScale, kOptionsMaxScale);
      break;
    case kResetKeys:
      if (step == 0) o.controls.keys = AuthorControls(data_.settings, data_.weapons).keys;
      break;
    default:
      return;
  }
  if (o == options_) return;
  SetOptions(o);
  options_changed_ = true;
}

void App::DrawOptions(FrameBuffer& frame) {
  FillRect(frame, 0, 0, frame.width, frame.height, Rgb(20, 16, 14));
  const ScreenPlacement at = PlaceScreen(frame);
  const std::vector<std::string> rows = OptionRows();
  const std::string title = "OPTIONS";
  DrawText(frame, title, at.x + (160 - TextWidth(title)) * at.scale, at.y + 6 * at.scale, 2 * at.scale,
           Rgb(240, 160, 60));
  const int first = std::clamp(selection_ - kVisibleRows / 2, 0, static_cast<int>(rows.size()) - kVisibleRows);
  for (int k = 0; k < kVisibleRows; ++k) {
    const int row = first + k;
    const int y = 34 + k * kTextLineHeight;
    const bool chosen = row == selection_;
    if (chosen) Tint(frame, at.x + 20 * at.scale, at.y + (y - 3) * at.scale, 280 * at.scale, 12 * at.scale, Rgb(240, 160, 60), 70);
    DrawText(frame, rows[static_cast<size_t>(row)], at.x + 28 * at.scale, at.y + y * at.scale, at.scale,
             chosen ? Rgb(255, 230, 160) : Rgb(200, 190, 170));
  }
  const std::string hint = binding_ ? "PRESS THE KEY - ESCAPE KEEPS THE OLD ONE" : "ARROWS CHOOSE AND CHANGE - RETURN BINDS";
  DrawText(frame, hint, at.x + (160 - TextWidth(hint) / 2) * at.scale, at.y + 190 * at.scale, at.scale, Rgb(150, 140, 120));
}

}  // namespace game
