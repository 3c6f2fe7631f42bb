// The "Define Info Text" dialog: the text of the game's info menu.
#pragma once

#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QPlainTextEdit;

namespace config {

class InfoTextDialog : public kit::ModalDialog {
 public:
  InfoTextDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

 private:
  void Ok();

  DialogContext& context_;
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace config
