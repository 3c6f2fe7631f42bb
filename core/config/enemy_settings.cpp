#include "config/enemy_settings.h"

namespace config {

void ClearCanShootWithoutPower(EnemySettings& settings) {
  for (size_t k = 0; k < kEnemyKinds; ++k)
    if (!MayShoot(settings.power[k])) settings.can_shoot[k] = false;
}

}  // namespace config
