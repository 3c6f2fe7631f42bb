#include "pictures/picture_dialog.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "kit/dialog_controls.h"
#include "kit/image_button.h"
#include "kit/qt_picture.h"

namespace assets {

PictureDialog::PictureDialog(QWidget* main_window, config::DialogContext& context, const QString& title,
                             QSize client_size)
    : ModalDialog(main_window, title, client_size), context_(context) {}

kit::ImageButton* PictureDialog::Button(const std::string& slot_name) const {
  for (const auto& [slot, button] : buttons_) {
    if (slot.name == slot_name) return button;
  }
  return nullptr;
}

QGroupBox* PictureDialog::PictureFrame(const QString& caption, QGridLayout*& grid) {
  auto* frame = new QGroupBox(caption);
  grid = new QGridLayout(frame);
  grid->setContentsMargins(8, 4, 8, 6);
  grid->setSpacing(0);
  return frame;
}

QGroupBox* PictureDialog::NumberedColumns(const QString& caption, const SlotOf& slot_of, int count) {
  QGridLayout* grid = nullptr;
  QGroupBox* frame = PictureFrame(caption, grid);
  const auto add_label = [grid](int number, int row, int column) {
    QLabel* label = kit::CentredLabel(QString::number(number));
    label->setFixedSize(kButtonSize, kLabelHeight);
    grid->addWidget(label, row, column);
  };
  for (int k = 0; k < count / 10; ++k) {
    add_label(10 * k + 1, 0, k);
    for (int r = 1; r <= 10; ++r) AddButton(grid, r, k, slot_of(10 * k + r));
    add_label(10 * k + 10, 11, k);
  }
  return frame;
}

QGroupBox* PictureDialog::Column(const QString& caption, const SlotOf& slot_of, int first, int count) {
  QGridLayout* grid = nullptr;
  QGroupBox* frame = PictureFrame(caption, grid);
  for (int k = 0; k < count; ++k) AddButton(grid, k, 0, slot_of(first + k));
  return frame;
}

void PictureDialog::AddButton(QGridLayout* grid, int row, int column, const config::SlotRef& slot) {
  auto* button = new kit::ImageButton;
  button->setObjectName(QString::fromStdString(slot.name));
  button->setToolTip(button->objectName());
  button->setFixedSize(kButtonSize, kButtonSize);
  connect(button, &QAbstractButton::clicked, this, [this, slot] { Import(slot); });
  buttons_.emplace_back(slot, button);
  grid->addWidget(button, row, column);
}

void PictureDialog::Finish(const QString& heading, QBoxLayout* body) {
  auto* layout = new QVBoxLayout(this);
  if (!heading.isEmpty()) layout->addWidget(kit::CentredLabel(heading));
  layout->addLayout(body);
  layout->addStretch();
  QPushButton* close = kit::TextButton("close");
  close->setFixedSize(60, 20);
  connect(close, &QPushButton::clicked, this, &PictureDialog::reject);
  layout->addWidget(close, 0, Qt::AlignHCenter);
  FixClientSize();
  BuildControls();
}

void PictureDialog::BuildControls() {
  for (const auto& [slot, button] : buttons_) {
    button->SetPicture(platform::ToQImage(context_.pictures.Thumbnail(slot.picture_number)));
  }
  ControlsBuilt();
}

void PictureDialog::Import(const config::SlotRef& slot) {
  context_.pictures.Import(slot.name, slot.picture_number);
  BuildControls();
}

void PictureDialog::reject() {
  Closing();
  ModalDialog::reject();
}

}  // namespace assets
