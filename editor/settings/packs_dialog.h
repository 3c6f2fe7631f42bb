// The "Size of Ammo- and Healthpacks" dialog: the pictures of the two packs
// and how much each gives.
#pragma once

#include "config/pack_settings.h"
#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QLineEdit;
class QPushButton;

namespace config {

class PacksDialog : public kit::ModalDialog {
 public:
  PacksDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

 private:
  // Fresh thumbnails, then the boxes reset and reloaded from the file.
  void Rebuild();
  void ImportPicture(const SlotRef& slot);
  void Use();

  DialogContext& context_;
  QPushButton* ammo_picture_ = nullptr;
  QPushButton* health_picture_ = nullptr;
  QLineEdit* ammo_ = nullptr;
  QLineEdit* health_ = nullptr;
};

}  // namespace config
