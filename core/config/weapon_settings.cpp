#include "config/weapon_settings.h"

namespace config {

void ApplyCanShootRule(WeaponSettings& s) {
  for (size_t w = 0; w < kWeapons; ++w) {
    if (s.can_shoot[w]) continue;
    s.start_ammo[w] = kNoShootStartAmmo;
    s.max_ammo[w] = kNoShootMaxAmmo;
  }
}

}  // namespace config
