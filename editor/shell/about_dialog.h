// The About box: the editor's picture; a click on it closes the box.
#pragma once

#include "kit/modal_dialog.h"

namespace app {

class AboutDialog : public kit::ModalDialog {
 public:
  explicit AboutDialog(QWidget* main_window);

  static void Run(QWidget* main_window);
};

}  // namespace app
