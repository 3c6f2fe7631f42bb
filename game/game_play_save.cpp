// The Play subsystem of saves: every value that changes while the level is
// played, written in a fixed order; what the level itself gives (the map,
// where the doors, items and props are) is made again from the game.
#include <algorithm>

#include "game_play.h"

namespace game {
namespace {

using platform::ByteReader, platform::ByteWriter;

void Write(ByteWriter& out, const PlayerCarry& c) {
  out.I32(c.health), out.I32(c.score), out.I32(c.weapon), out.U8(c.god_mode);
  for (size_t w = 0; w < 6; ++w) out.U8(c.owned[w]), out.I32(c.ammo[w]);
}

void Read(ByteReader& in, PlayerCarry& c) {
  c.health = in.I32(), c.score = in.I32(), c.weapon = in.I32(), c.god_mode = in.U8() != 0;
  for (size_t w = 0; w < 6; ++w) c.owned[w] = in.U8() != 0, c.ammo[w] = in.I32();
}

}  // namespace

void WriteCarry(platform::ByteWriter& out, const PlayerCarry& carry) {
  Write(out, carry);
}
bool ReadCarry(platform::ByteReader& in, PlayerCarry& carry) {
  Read(in, carry);
  return in.ok() && carry.weapon >= -1 && carry.weapon < 6;
}

void Play::WriteState(ByteWriter& out) const {
  const Player& p = player_;
  for (int32_t v : {p.x, p.y, p.angle, p.pitch, int32_t{p.has_key}, p.cooldown, p.fire_tics, p.step_counter})
    out.I32(v);
  Write(out, p.carry);
  out.U32(static_cast<uint32_t>(doors_.size()));
  for (const Door& d : doors_) out.I32(d.open), out.U8(static_cast<uint8_t>(d.state)), out.I32(d.timer);
  out.U32(static_cast<uint32_t>(items_.size()));
  for (const Item& i : items_) out.U8(i.taken);
  out.U32(static_cast<uint32_t>(props_.size()));
  for (const Prop& prop : props_) out.I32(prop.hits), out.U8(prop.destroyed);
  out.U32(static_cast<uint32_t>(enemies_.size()));
  for (const Enemy& e : enemies_)
    for (int32_t v : {e.kind, e.x, e.y, e.health, int32_t{static_cast<uint8_t>(e.state)}, e.timer, e.walk_tics,
                      e.cooldown, e.target_x, e.target_y})
      out.I32(v);
  out.U32(static_cast<uint32_t>(bullets_.size()));
  for (const Bullet& b : bullets_)
    for (int32_t v : {b.weapon, b.x, b.y, b.dx, b.dy, b.explode_tics, int32_t{b.done}}) out.I32(v);
  for (size_t cell = 0; cell < seen_.size(); cell += 8) {
    uint8_t bits = 0;
    for (size_t k = 0; k < 8; ++k) bits |= static_cast<uint8_t>(seen_.test(cell + k) << k);
    out.U8(bits);
  }
  for (int32_t v : {stats_.kills, stats_.enemies, stats_.treasures, stats_.treasure_total}) out.I32(v);
  out.U32(static_cast<uint32_t>(typed_.size()));
  out.Bytes(std::span(reinterpret_cast<const uint8_t*>(typed_.data()), typed_.size()));
  out.U32(random_.state());
  for (int32_t v : {static_cast<int32_t>(outcome_), tic_, int32_t{show_map_}, red_flash_, bright_flash_}) out.I32(v);
}

bool Play::ReadState(ByteReader& in) {
  Player& p = player_;
  p.x = in.I32(), p.y = in.I32(), p.angle = in.I32(), p.pitch = in.I32(), p.has_key = in.I32() != 0;
  p.cooldown = in.I32(), p.fire_tics = in.I32(), p.step_counter = in.I32();
  Read(in, p.carry);
  if (in.U32() != doors_.size()) return false;
  for (Door& d : doors_) {
    d.open = std::clamp(in.I32(), 0, kFixedOne);
    d.state = static_cast<DoorState>(std::min<uint8_t>(in.U8(), static_cast<uint8_t>(DoorState::kClosing)));
    d.timer = in.I32();
  }
  if (in.U32() != items_.size()) return false;
  for (Item& i : items_) i.taken = in.U8() != 0;
  if (in.U32() != props_.size()) return false;
  for (Prop& prop : props_) prop.hits = in.I32(), prop.destroyed = in.U8() != 0;
  if (in.U32() != enemies_.size()) return false;
  for (Enemy& e : enemies_) {
    e.kind = in.I32(), e.x = in.I32(), e.y = in.I32(), e.health = in.I32();
    e.state = static_cast<EnemyState>(std::min<int32_t>(in.I32(), static_cast<int32_t>(EnemyState::kDead)));
    e.timer = in.I32(), e.walk_tics = in.I32(), e.cooldown = in.I32(), e.target_x = in.I32(), e.target_y = in.I32();
    if (e.kind < 0 || e.kind >= 5) return false;
  }
  const uint32_t bullets = in.U32();
  if (!in.ok() || bullets > in.remaining() / 28) return false;
  bullets_.assign(bullets, {});
  for (Bullet& b : bullets_) {
    b.weapon = in.I32(), b.x = in.I32(), b.y = in.I32(), b.dx = in.I32(), b.dy = in.I32();
    b.explode_tics = in.I32(), b.done = in.I32() != 0;
    b.from_x = b.x, b.from_y = b.y;
    if (b.weapon < 0 || b.weapon >= 6) return false;
  }
  for (size_t cell = 0; cell < seen_.size(); cell += 8) {
    const uint8_t bits = in.U8();
    for (size_t k = 0; k < 8; ++k) seen_.set(cell + k, (bits >> k) & 1);
  }
  stats_.kills = in.I32(), stats_.enemies = in.I32(), stats_.treasures = in.I32(), stats_.treasure_total = in.I32();
  const uint32_t typed = in.U32();
  if (!in.ok() || typed > in.remaining()) return false;
  const auto text = in.Bytes(typed);
  typed_.assign(text.begin(), text.end());
  random_ = Random(in.U32());
  const int32_t outcome = in.I32();
  outcome_ = outcome == 1 ? Outcome::kLevelDone : outcome == 2 ? Outcome::kDied : Outcome::kPlaying;
  tic_ = in.I32(), show_map_ = in.I32() != 0, red_flash_ = in.I32(), bright_flash_ = in.I32();
  if (!in.ok() || p.carry.weapon < -1 || p.carry.weapon >= 6 || p.x < 0 || p.y < 0 ||
      !LevelMap::Inside(p.x / kFixedOne, p.y / kFixedOne)) return false;
  RefreshDoorOpen();
  MarkTicStart();  // frames until the next tic show the loaded state as it stands
  return true;
}

}  // namespace game
