// The "Import Weapons" dialog: each weapon's picture and rules, the weapon
// key and the start weapon.
#pragma once

#include <array>

#include "config/weapon_settings.h"
#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace config {

class WeaponsDialog : public kit::ModalDialog {
 public:
  WeaponsDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

 private:
  struct Row {
    QPushButton* picture = nullptr;
    QCheckBox* can_shoot = nullptr;
    QLineEdit* repetition = nullptr;
    QLineEdit* power = nullptr;
    QLineEdit* start_ammo = nullptr;
    QLineEdit* max_ammo = nullptr;
    QCheckBox* show_bullet = nullptr;
  };

  QWidget* BuildRow(int weapon);
  // Fresh thumbnails, then the controls reset and reloaded from the file.
  void Rebuild();
  void Show(const WeaponSettings& settings);
  void Load();
  void ApplyCanShootRule();
  void ImportPicture(int weapon);
  void Use();

  DialogContext& context_;
  std::array<Row, kWeapons> rows_{};
  QComboBox* weapon_key_ = nullptr;
  QCheckBox* start_with_weapon1_ = nullptr;
};

}  // namespace config
