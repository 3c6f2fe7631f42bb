#include "pictures/picture_dialog.h"

#include "kit/dialog_frame.h"
#include "kit/qt_controls.h"
#include "kit/qt_picture.h"

namespace assets {

namespace {

constexpr int kButtonSize = 25;

}  // namespace

void AddColumnLabels(PictureDialogTable& table, int x, int first, int last) {
  table.labels.push_back({QString::number(first), QRect(x, 50, 25, 15), true});
  table.labels.push_back({QString::number(last), QRect(x, 320, 25, 15), true});
}

PictureDialog::PictureDialog(QWidget* main_window, config::DialogContext& context,
                             const PictureDialogTable& table)
    : ModalDialog(main_window, table.title, table.size, false), context_(context) {
  app::MakeFixedDialog(*this, table.title, table.size.width(), table.size.height());
  // Each frame goes below the others, so the first of the table ends lowest.
  for (auto frame = table.frames.rbegin(); frame != table.frames.rend(); ++frame) {
    app::AddFrame(this, frame->caption, frame->geometry);
  }
  for (const DialogLabel& label : table.labels) {
    app::AddLabel(this, label.text, label.geometry, 0,
                  label.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  }
  for (const DialogPicture& picture : table.pictures) {
    auto* button = new platform::PictureButton(this);
    button->setObjectName(QString::fromStdString(picture.slot.name));
    button->setToolTip(button->objectName());
    button->setGeometry(QRect(picture.position, QSize(kButtonSize, kButtonSize)));
    const config::SlotRef slot = picture.slot;
    connect(button, &QAbstractButton::clicked, this, [this, slot] { Import(slot); });
    buttons_.emplace_back(slot, button);
  }
  QPushButton* close = app::AddButton(this, "close", table.close);
  close->setObjectName("close");
  connect(close, &QPushButton::clicked, this, &PictureDialog::reject);
}

platform::PictureButton* PictureDialog::Button(const std::string& slot_name) const {
  for (const auto& [slot, button] : buttons_) {
    if (slot.name == slot_name) return button;
  }
  return nullptr;
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
