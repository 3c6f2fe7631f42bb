// The Play subsystem of collision and movement: what blocks a body, and the player walking, turning and
// looking.
#include <algorithm>

#include "game_entry_index.h"
#include "game_play.h"

namespace game {
namespace {

// Cells walked per tic for a speed setting, angle steps turned per tic, and so on.
Fixed WalkPerTic(int speed) {
  return speed * kFixedOne * 6 / (10 * kTicRate);
}
int TurnPerTic(int speed) {
  return speed * 24 * kAngleSteps / (360 * kTicRate);
}

}  // namespace

bool Play::Blocked(int cx, int cy, bool for_enemy) const {
  switch (map_.KindAt(cx, cy)) {
    case CellKind::kWall:
    case CellKind::kExitDoor:
      return true;
    case CellKind::kDoor:
      return doors_[static_cast<size_t>(DoorAt(cx, cy))].open < kFixedOne;
    default:
      break;
  }
  for (const Prop& p : props_)
    if (p.x == cx && p.y == cy && !p.destroyed && data_->sprites[static_cast<size_t>(p.kind)].collision)
      return true;
  (void)for_enemy;
  return false;
}

bool Play::Collides(Fixed x, Fixed y, Fixed radius, bool for_enemy, int ignore_enemy) const {
  for (int cy = CellOf(y - radius); cy <= CellOf(y + radius); ++cy)
    for (int cx = CellOf(x - radius); cx <= CellOf(x + radius); ++cx)
      if (Blocked(cx, cy, for_enemy)) return true;
  if (for_enemy) {
    const int64_t reach = static_cast<int64_t>(radius + kPlayerRadius);
    if (DistanceSquared(x, y, player_.x, player_.y) < reach * reach) return true;
  }
  for (size_t i = 0; i < enemies_.size(); ++i) {
    const Enemy& e = enemies_[i];
    if (static_cast<int>(i) == ignore_enemy || e.state == EnemyState::kDying || e.state == EnemyState::kDead)
      continue;
    const int64_t reach = static_cast<int64_t>(radius + kEnemyRadius);
    if (DistanceSquared(x, y, e.x, e.y) < reach * reach) return true;
  }
  return false;
}

void Play::TryMove(Fixed& x, Fixed& y, Fixed dx, Fixed dy, Fixed radius, bool for_enemy, int self) {
  if (dx != 0 && !Collides(x + dx, y, radius, for_enemy, self)) x += dx;
  if (dy != 0 && !Collides(x, y + dy, radius, for_enemy, self)) y += dy;
}

namespace {

// Pad buttons that act like a held or pressed key; the sticks and the
// trigger for running and shooting are read where they steer.
PadButton PadButtonOf(Action action, bool& found) {
  found = true;
  switch (action) {
    case Action::kOpenDoor:
      return PadButton::kA;
    case Action::kShowMap:
      return PadButton::kBack;
    case Action::kNextWeapon:
      return PadButton::kRightShoulder;
    case Action::kPreviousWeapon:
      return PadButton::kLeftShoulder;
    case Action::kRun:
      return PadButton::kLeftStick;
    case Action::kWalkForward:
      return PadButton::kUp;
    case Action::kWalkBackward:
      return PadButton::kDown;
    case Action::kTurnLeft:
      return PadButton::kLeft;
    case Action::kTurnRight:
      return PadButton::kRight;
    default:
      found = false;
      return PadButton::kA;
  }
}

constexpr int kTriggerDown = kPadAxisMax / 2;

}  // namespace

bool Play::Holds(const TicInput& input, Action action) const {
  if (input.Held(controls_.Key(action))) return true;
  if (action == Action::kShoot) return input.pad.right_trigger > kTriggerDown;
  if (action == Action::kRun && input.pad.left_trigger > kTriggerDown) return true;
  bool found;
  const PadButton button = PadButtonOf(action, found);
  return found && input.pad.Held(button);
}

bool Play::Presses(const TicInput& input, Action action) const {
  if (input.Pressed(controls_.Key(action))) return true;
  bool found;
  const PadButton button = PadButtonOf(action, found);
  return found && input.pad.Pressed(button);
}

// The mouse at the player's sensitivity; moving it forward looks up unless inverted.
int Play::MouseTurn(int mouse_dx) const {
  return data_->settings.turn_mouse ? mouse_dx * controls_.mouse_sensitivity * 2 : 0;
}

int Play::MouseLook(int mouse_dy) const {
  const GameSettings& s = data_->settings;
  const bool mouse_walks = s.walk_forward_mouse || s.walk_backward_mouse;
  const int invert = controls_.invert_mouse ? -1 : 1;
  return s.look_mouse && !mouse_walks ? -(invert * mouse_dy * controls_.mouse_sensitivity / 4) : 0;
}

void Play::MovePlayer(const TicInput& input) {
  const GameSettings& s = data_->settings;
  const PadInput& pad = input.pad;
  Player& p = player_;
  const int sensitivity = controls_.mouse_sensitivity;
  const int run = Holds(input, Action::kRun) ? 2 : 1;
  int turn = 0;
  if (Holds(input, Action::kTurnLeft)) turn -= TurnPerTic(s.turn_speed);
  if (Holds(input, Action::kTurnRight)) turn += TurnPerTic(s.turn_speed);
  turn += StickPermille(pad.look_x) * 2 * TurnPerTic(s.turn_speed) / 1000;
  const int mouse_turn = MouseTurn(input.mouse_dx);
  p.angle = NormalAngle(p.angle + turn + mouse_turn);
  tic_start_.angle = NormalAngle(tic_start_.angle + mouse_turn);

  const int invert = controls_.invert_mouse ? -1 : 1;
  int look = 0;
  if (Holds(input, Action::kLookUp)) look += s.look_speed;
  if (Holds(input, Action::kLookDown)) look -= s.look_speed;
  look -= invert * StickPermille(pad.look_y) * s.look_speed / 1000;
  const int mouse_look = MouseLook(input.mouse_dy);
  p.pitch = std::clamp(p.pitch + look + mouse_look, -kMaxPitch, kMaxPitch);
  tic_start_.pitch = std::clamp(tic_start_.pitch + mouse_look, -kMaxPitch, kMaxPitch);

  Fixed forward = 0, sideways = 0;
  if (Holds(input, Action::kWalkForward)) forward += run * WalkPerTic(s.walk_forward_speed);
  if (Holds(input, Action::kWalkBackward)) forward -= run * WalkPerTic(s.walk_backward_speed);
  const int stick_forward = -StickPermille(pad.move_y);
  forward += run * stick_forward *
             WalkPerTic(stick_forward > 0 ? s.walk_forward_speed : s.walk_backward_speed) / 1000;
  if (s.walk_forward_mouse && input.mouse_dy < 0)
    forward += std::min(-input.mouse_dy * sensitivity * kFixedOne / 2000, 4 * WalkPerTic(s.walk_forward_speed));
  if (s.walk_backward_mouse && input.mouse_dy > 0)
    forward -= std::min(input.mouse_dy * sensitivity * kFixedOne / 2000, 4 * WalkPerTic(s.walk_backward_speed));
  if (Holds(input, Action::kStepLeft)) sideways -= run * WalkPerTic(s.step_speed);
  if (Holds(input, Action::kStepRight)) sideways += run * WalkPerTic(s.step_speed);
  sideways += run * StickPermille(pad.move_x) * WalkPerTic(s.step_speed) / 1000;
  if (forward == 0 && sideways == 0) {
    p.step_counter = 0;
    return;
  }
  const Fixed c = FixedCos(p.angle), sn = FixedSin(p.angle);
  const Fixed dx = FixedMul(forward, c) - FixedMul(sideways, sn);
  const Fixed dy = FixedMul(forward, sn) + FixedMul(sideways, c);
  TryMove(p.x, p.y, dx, dy, kPlayerRadius, false, -1);
  if (p.step_counter++ % 14 == 0) Sound(EntryIndex("footstepsound"));
}

}  // namespace game
