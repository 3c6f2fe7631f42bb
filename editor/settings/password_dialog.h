// The "Set GamePak Password" dialog: the password `game.pak` is written with.
#pragma once

#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QLineEdit;

namespace config {

class PasswordDialog : public kit::ModalDialog {
 public:
  PasswordDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

 private:
  void Ok();

  DialogContext& context_;
  QLineEdit* password_ = nullptr;
};

}  // namespace config
