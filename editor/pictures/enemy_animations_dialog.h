// The "Enemy Animations" dialog: the four walking, two attacking and five
// dying frames of each of the five enemies.
#pragma once

#include "pictures/picture_dialog.h"

namespace assets {

class EnemyAnimationsDialog : public PictureDialog {
 public:
  EnemyAnimationsDialog(QWidget* main_window, config::DialogContext& context);

  static void Run(QWidget* main_window, config::DialogContext& context);
};

}  // namespace assets
