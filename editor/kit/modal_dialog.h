// The one way the editor builds a dialog: a window modal over the main
// window and centred on it, its controls placed by Qt layouts. It opens at
// the client size it is given, larger only where the controls would not fit.
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

namespace kit {

// Without a close box the title bar shows only the title. A close request
// (or Escape) rejects the dialog.
class ModalDialog : public QDialog {
 public:
  ModalDialog(QWidget* main_window, const QString& title, QSize client_size, bool close_box = false);

  // Centres the dialog over the active window and runs it to its end.
  int RunModal();

 protected:
  // Gives the window its client size once the controls are laid out.
  void FixClientSize();

 private:
  QSize client_size_;
};

}  // namespace kit
