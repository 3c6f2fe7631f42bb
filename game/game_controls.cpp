#include "game_controls.h"

#include <algorithm>

namespace game {

std::string_view ActionName(Action action) {
  static constexpr std::array<std::string_view, kActionCount> kNames = {
      "WALK FORWARD", "WALK BACKWARD", "STEP LEFT", "STEP RIGHT",    "TURN LEFT",       "TURN RIGHT", "LOOK UP",
      "LOOK DOWN",    "SHOOT",         "OPEN DOOR", "SHOW MAP",      "NEXT WEAPON",     "PREVIOUS WEAPON", "RUN"};
  return kNames[static_cast<size_t>(action)];
}

Controls AuthorControls(const GameSettings& s, const WeaponSettings& weapons) {
  Controls c;
  c.Key(Action::kWalkForward) = s.walk_forward_key;
  c.Key(Action::kWalkBackward) = s.walk_backward_key;
  c.Key(Action::kStepLeft) = s.step_left_key;
  c.Key(Action::kStepRight) = s.step_right_key;
  c.Key(Action::kTurnLeft) = s.turn_left_key;
  c.Key(Action::kTurnRight) = s.turn_right_key;
  c.Key(Action::kLookUp) = s.look_up_key;
  c.Key(Action::kLookDown) = s.look_down_key;
  c.Key(Action::kShoot) = s.shoot_key;
  c.Key(Action::kOpenDoor) = s.open_door_key;
  c.Key(Action::kShowMap) = s.map_key;
  c.Key(Action::kNextWeapon) = weapons.select_key;
  const bool shift_used = std::find(c.keys.begin(), c.keys.end(), kLeftShiftKey) != c.keys.end();
  c.Key(Action::kRun) = shift_used ? kNoKey : kLeftShiftKey;
  c.mouse_sensitivity = s.mouse_sensitivity;
  return c;
}

int StickPermille(int axis) {
  const int magnitude = std::min(std::abs(axis), kPadAxisMax);
  if (magnitude <= kPadDeadZone) return 0;
  const int permille = (magnitude - kPadDeadZone) * 1000 / (kPadAxisMax - kPadDeadZone);
  return axis < 0 ? -permille : permille;
}

}  // namespace game
