// The "Import Treasures" dialog: the pictures of the five treasures and the
// points each is worth.
#pragma once

#include <array>

#include "config/treasure_settings.h"
#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QLineEdit;
class QPushButton;

namespace config {

class TreasuresDialog : public kit::ModalDialog {
 public:
  TreasuresDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

 private:
  // Fresh thumbnails, then the boxes reset and reloaded from the file.
  void Rebuild();
  void ImportPicture(int treasure);
  void Use();

  DialogContext& context_;
  std::array<QPushButton*, kTreasures> pictures_{};
  std::array<QLineEdit*, kTreasures> points_{};
};

}  // namespace config
