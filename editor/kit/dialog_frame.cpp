#include "kit/dialog_frame.h"

#include "kit/qt_controls.h"

namespace app {

namespace {

void Place(QWidget* widget, QRect geometry, int control) {
  widget->setGeometry(geometry);
  if (control) platform::SetControlNumber(widget, control);
}

}  // namespace

void MakeFixedDialog(QDialog& dialog, const QString& title, int width, int height) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialog.setWindowTitle(title);
  dialog.setFixedSize(width, height);
  dialog.setModal(true);
  QFont small = dialog.font();  // the texts must fit their fixed sizes
  small.setPixelSize(11);
  dialog.setFont(small);
}

QLabel* AddLabel(QWidget* parent, const QString& text, QRect geometry, int control, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(alignment);
  Place(label, geometry, control);
  // A text wider than its place grows it (about its centre when centred)
  // rather than being cut off.
  const int missing = label->sizeHint().width() - geometry.width();
  if (missing > 0) {
    const int left = alignment & Qt::AlignHCenter ? missing / 2 : 0;
    label->setGeometry(geometry.adjusted(-left, 0, missing - left, 0));
  }
  return label;
}

QLineEdit* AddTextBox(QWidget* parent, const QString& text, QRect geometry, int control) {
  auto* box = new QLineEdit(text, parent);
  box->setTextMargins(0, 0, 0, 0);
  Place(box, geometry, control);
  return box;
}

QPushButton* AddButton(QWidget* parent, const QString& text, QRect geometry, int control) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  Place(button, geometry, control);
  return button;
}

QGroupBox* AddFrame(QWidget* parent, const QString& title, QRect geometry, int control) {
  auto* frame = new QGroupBox(title, parent);
  Place(frame, geometry, control);
  frame->lower();
  return frame;
}

}  // namespace app
