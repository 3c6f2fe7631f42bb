// The "Enemy Settings" dialog: for each of the five enemy kinds whether it
// can shoot, its speed, endurance and power.
#pragma once

#include <array>

#include "config/enemy_settings.h"
#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QCheckBox;
class QLineEdit;

namespace config {

class EnemySettingsDialog : public kit::ModalDialog {
 public:
  EnemySettingsDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

 private:
  void Load();
  void Use();
  // An enemy kind whose power reads 0 loses "Can Shoot".
  void ApplyPowerRule();

  DialogContext& context_;
  std::array<QCheckBox*, kEnemyKinds> can_shoot_{};
  std::array<QLineEdit*, kEnemyKinds> speed_{};
  std::array<QLineEdit*, kEnemyKinds> endurance_{};
  std::array<QLineEdit*, kEnemyKinds> power_{};
};

}  // namespace config
