// The Play subsystem of doors: opening them, their timing, and the next-level door.
#include <algorithm>

#include "game_entry_index.h"
#include "game_play.h"

namespace game {

int Play::DoorAt(int x, int y) const {
  return LevelMap::Inside(x, y) ? door_index_[static_cast<size_t>(y * kMapSize + x)] : -1;
}

void Play::RefreshDoorOpen() {
  for (const Door& d : doors_) {
    const size_t cell = static_cast<size_t>(d.y * kMapSize + d.x);
    door_open_[cell] = static_cast<float>(ToDouble(d.open));
    sight_open_[cell] = d.open >= kFixedOne / 2 ? 1.f : 0.f;
  }
}

void Play::UseDoor() {
  const Fixed c = FixedCos(player_.angle), s = FixedSin(player_.angle);
  for (Fixed reach : {kFixedOne / 2, kFixedOne, kFixedOne * 3 / 2}) {
    const int cx = CellOf(player_.x + FixedMul(reach, c));
    const int cy = CellOf(player_.y + FixedMul(reach, s));
    const CellKind kind = map_.KindAt(cx, cy);
    if (kind == CellKind::kExitDoor) {
      if (level_has_key_ && !player_.has_key) {
        Sound(EntryIndex("sirenesound"));
      } else {
        Sound(EntryIndex("nextlevelsound"));
        outcome_ = Outcome::kLevelDone;
      }
      return;
    }
    if (kind == CellKind::kDoor) {
      Door& d = doors_[static_cast<size_t>(DoorAt(cx, cy))];
      if (d.state == DoorState::kClosed || d.state == DoorState::kClosing) {
        d.state = DoorState::kOpening;
        SoundAt(EntryIndex("dooropensound"), CellCentre(d.x), CellCentre(d.y));
      }
      return;
    }
    if (kind == CellKind::kWall) return;
  }
}

void Play::UpdateDoors() {
  const Fixed step = kFixedOne / kDoorMoveTics + 1;
  for (Door& d : doors_) {
    switch (d.state) {
      case DoorState::kOpening:
        d.open = std::min(kFixedOne, d.open + step);
        if (d.open == kFixedOne) d.state = DoorState::kOpen, d.timer = kDoorStayTics;
        break;
      case DoorState::kOpen: {
        if (--d.timer > 0) break;
        // Anything standing in the doorway keeps the door open.
        bool occupied = CellOf(player_.x) == d.x && CellOf(player_.y) == d.y;
        for (const Enemy& e : enemies_) occupied = occupied || (CellOf(e.x) == d.x && CellOf(e.y) == d.y);
        occupied = occupied || Collides(CellCentre(d.x), CellCentre(d.y), kFixedOne / 2 - 1, true);
        if (occupied) {
          d.timer = kTicRate;
        } else {
          d.state = DoorState::kClosing;
          SoundAt(EntryIndex("doorclosesound"), CellCentre(d.x), CellCentre(d.y));
        }
        break;
      }
      case DoorState::kClosing:
        d.open = std::max(0, d.open - step);
        if (d.open == 0) d.state = DoorState::kClosed;
        break;
      case DoorState::kClosed:
        break;
    }
  }
}

}  // namespace game
