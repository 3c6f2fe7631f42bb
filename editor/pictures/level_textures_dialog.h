// The dialogs of the textures that each level has of its own: "Door
// Textures" (one door texture per level) and "Floor and Ceiling Textures".
#pragma once

#include "pictures/picture_dialog.h"

namespace assets {

class DoorTexturesDialog : public PictureDialog {
 public:
  DoorTexturesDialog(QWidget* main_window, config::DialogContext& context);

  static void Run(QWidget* main_window, config::DialogContext& context);
};

class FloorCeilingDialog : public PictureDialog {
 public:
  FloorCeilingDialog(QWidget* main_window, config::DialogContext& context);

  static void Run(QWidget* main_window, config::DialogContext& context);
};

}  // namespace assets
