// The "Import Sprites" dialog: the five pictures of each of the ten sprites
// and their collision, endurance and shoot-through rules.
#pragma once

#include <array>

#include "config/sprite_settings.h"
#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace config {

class SpritesDialog : public kit::ModalDialog {
 public:
  SpritesDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

  // The main picture and the pictures b to e of each sprite.
  static constexpr int kViews = 5;

 private:
  QWidget* BuildRuleFrames();
  QWidget* BuildPictureColumns();
  // Fresh thumbnails, then the controls reset and reloaded from the file.
  void Rebuild();
  void Load();
  // A sprite without collision has its endurance and shoot-through disabled.
  void ApplyCollisionRule();
  void ImportPicture(int sprite, int view);
  void Use();

  DialogContext& context_;
  std::array<QCheckBox*, kSprites> collision_{};
  std::array<QLineEdit*, kSprites> endurance_{};
  std::array<QCheckBox*, kSprites> shoot_through_{};
  std::array<std::array<QPushButton*, kViews>, kSprites> pictures_{};
};

}  // namespace config
