// Where the game's menu screens put their items, the menu marker and the
// volume knobs, in the 320 x 200 pixels of a screen picture. The starter art
// is drawn to these places, the game draws its marker and knobs at them, and
// the user guide tells authors drawing their own screens about them.
#pragma once

#include <array>
#include <string_view>

namespace gamebuild::screen_layout {

// Menus (menu1 the main menu, menu2 the pause menu, menu3 the game-over
// question): item k's text fills rows kItemTop + k * kItemStep to
// kItemTextHeight further down; the items are centred on the plaque that
// spans kPlaqueLeft..kPlaqueRight.
constexpr int kItemTop = 80;
constexpr int kItemStep = 16;
constexpr int kItemTextHeight = 7;
constexpr int kPlaqueLeft = 90;
constexpr int kPlaqueRight = 230;

// The marker (menubutton, 16 x 16) stands left of the plaque, its middle on
// the middle of the chosen item's text.
constexpr int kMarkerSize = 16;
constexpr int kMarkerX = kPlaqueLeft - kMarkerSize - 2;
constexpr int MarkerY(int item) {
  return kItemTop + item * kItemStep + kItemTextHeight / 2 - kMarkerSize / 2;
}

// The items each picture draws, top to bottom. Items the game adds itself
// follow in the next rows, written by the game.
constexpr std::array<std::string_view, 4> kMainMenuItems = {"NEW GAME", "SOUND", "HELP", "QUIT"};
constexpr std::array<std::string_view, 4> kPauseMenuItems = {"RESUME", "SOUND", "HELP", "QUIT TO MENU"};
constexpr std::array<std::string_view, 2> kGameOverItems = {"YES", "NO"};  // under the title "QUIT?"

// The sound screen (menu4): two sliders, music then effects. Slider k's track
// runs from kSliderLeft along row kSliderTop + k * kSliderStepY, with eleven
// stops kSliderStopStep apart for the volumes 0..10; its label starts at
// kSliderLabelX. The knob (VolumeButton, 12 x 12) is centred on the stop of
// the volume, on the track's middle row; the marker stands left of the label.
constexpr int kSliderTop = 80;
constexpr int kSliderStepY = 40;
constexpr int kSliderLeft = 150;
constexpr int kSliderStopStep = 11;
constexpr int kSliderLabelX = 60;
constexpr int kSliderTrackMiddle = 4;  // rows below kSliderTop + k * kSliderStepY
constexpr int kKnobSize = 12;
constexpr int KnobX(int volume) {
  return kSliderLeft + volume * kSliderStopStep - kKnobSize / 2;
}
constexpr int KnobY(int slider) {
  return kSliderTop + slider * kSliderStepY + kSliderTrackMiddle - kKnobSize / 2;
}
constexpr int kSliderMarkerX = kSliderLabelX - kMarkerSize - 4;
constexpr int SliderMarkerY(int slider) {
  return kSliderTop + slider * kSliderStepY + kItemTextHeight / 2 - kMarkerSize / 2;
}

// The next-level screen (entering_next_level): the game writes the level's
// kills, treasures and time on a dark box from (kStatsLeft, kStatsTop), left
// of the picture's middle.
constexpr int kStatsLeft = 16;
constexpr int kStatsTop = 86;
constexpr int kStatsWidth = 112;

}  // namespace gamebuild::screen_layout
