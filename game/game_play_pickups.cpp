// The Play subsystem of pickups: health, ammunition, weapons, the key and treasures.
#include <algorithm>

#include "game_entry_index.h"
#include "game_play.h"

namespace game {
namespace {

constexpr Fixed kPickupReach = kFixedOne / 2;

}  // namespace

void Play::PickUpItems() {
  PlayerCarry& c = player_.carry;
  const WeaponSettings& ws = data_->weapons;
  for (Item& item : items_) {
    if (item.taken) continue;
    const int64_t reach = kPickupReach;
    if (DistanceSquared(player_.x, player_.y, CellCentre(item.x), CellCentre(item.y)) >= reach * reach)
      continue;
    int sound = -1;
    switch (item.kind) {
      case ThingKind::kHealth:
        if (c.health >= kMaxHealth) continue;
        c.health = std::min(kMaxHealth, c.health + data_->packs.health);
        sound = EntryIndex("healthfoundsound");
        break;
      case ThingKind::kAmmo: {
        bool used = false;
        for (size_t w = 0; w < 6; ++w) {
          const WeaponKind& k = ws.weapons[w];
          if (!c.owned[w] || !k.can_shoot || c.ammo[w] >= k.max_ammo) continue;
          c.ammo[w] = std::min(k.max_ammo, c.ammo[w] + data_->packs.ammo);
          used = true;
        }
        if (!used) continue;
        sound = EntryIndex("ammofoundsound");
        break;
      }
      case ThingKind::kWeapon: {
        const size_t w = static_cast<size_t>(item.number - 1);
        const WeaponKind& k = ws.weapons[w];
        if (c.owned[w] && (!k.can_shoot || c.ammo[w] >= k.max_ammo)) continue;
        c.ammo[w] = c.owned[w] ? std::min(k.max_ammo, c.ammo[w] + k.start_ammo) : k.start_ammo;
        if (!c.owned[w]) c.weapon = static_cast<int>(w);
        c.owned[w] = true;
        sound = EntryIndex("weaponfoundsound");
        break;
      }
      case ThingKind::kKey:
        player_.has_key = true;
        sound = EntryIndex("keyfoundsound");
        break;
      case ThingKind::kTreasure:
        c.score += data_->treasure_points[static_cast<size_t>(item.number - 1)];
        ++stats_.treasures;
        sound = EntryIndex("treasurefoundsound");
        break;
      default:
        continue;
    }
    item.taken = true;
    Sound(sound);
    if (data_->settings.bright_flash) bright_flash_ = kFlashTics;
  }
}

}  // namespace game
