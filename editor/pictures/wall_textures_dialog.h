// The "Wall Textures" dialog: the 40 wall textures as a grid of four
// columns and ten rows, and the wall animation settings `wasettings` (an
// "Animate" box per row and the speed), saved whenever the dialog closes.
#pragma once

#include <array>

#include "config/wall_anim_settings.h"
#include "pictures/picture_dialog.h"

class QCheckBox;
class QLineEdit;

namespace assets {

class WallTexturesDialog : public PictureDialog {
 public:
  WallTexturesDialog(QWidget* main_window, config::DialogContext& context);

  static void Run(QWidget* main_window, config::DialogContext& context);

 private:
  // The animation controls as new (no row ticked, speed "5"), then the
  // settings loaded into them.
  void ControlsBuilt() override;
  void Closing() override;
  config::WallAnimSettings Shown() const;

  std::array<QCheckBox*, config::kAnimatedRows> animate_{};
  QLineEdit* speed_ = nullptr;
};

}  // namespace assets
