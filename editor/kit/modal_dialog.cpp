#include "kit/modal_dialog.h"

#include <QApplication>
#include <QLayout>

namespace kit {

ModalDialog::ModalDialog(QWidget* main_window, const QString& title, QSize client_size, bool close_box)
    : QDialog(main_window), client_size_(client_size) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (close_box) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  setWindowFlags(flags);
  // The window system shows the program's name in place of an empty title:
  // a blank one stays blank.
  setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
  setWindowModality(Qt::ApplicationModal);
  setSizeGripEnabled(false);
}

void ModalDialog::FixClientSize() {
  const QSize needed = layout() ? layout()->minimumSize() : QSize();
  setFixedSize(client_size_.expandedTo(needed));
  if (layout()) layout()->activate();  // the controls in place before the dialog shows
}

int ModalDialog::RunModal() {
  const QWidget* over = QApplication::activeWindow();
  if (over == nullptr || over == this) over = parentWidget();
  if (over != nullptr) move(over->frameGeometry().center() - QPoint(width() / 2, height() / 2));
  return exec();
}

}  // namespace kit
