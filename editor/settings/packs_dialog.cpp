#include "settings/packs_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/picture_slots.h"
#include "kit/dialog_controls.h"

namespace config {

PacksDialog::PacksDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "Size of Ammo- and Healthpacks", QSize(245, 227), false),
      context_(context) {
  auto* layout = new QVBoxLayout(this);
  const auto pack = [&](const QString& title, const SlotRef& slot, const QString& box_name,
                        const QString& label, QPushButton*& picture, QLineEdit*& box) {
    QGridLayout* grid = nullptr;
    layout->addWidget(kit::Frame(title, grid));
    picture = kit::SlotButton(slot);
    connect(picture, &QPushButton::clicked, this, [this, slot] { ImportPicture(slot); });
    box = kit::NumberBox(box_name, false, 50);
    grid->addWidget(picture, 0, 0);
    grid->addWidget(box, 0, 1);
    grid->addWidget(new QLabel(label), 0, 2);
    grid->setColumnStretch(2, 1);
  };
  pack("Ammo (1-99)", AmmoPackSlot(), "ammoSize", "Size of Ammopack", ammo_picture_, ammo_);
  pack("Health (1-100)", HealthPackSlot(), "healthSize", "Size of Healthpack", health_picture_, health_);

  auto* buttons = new QHBoxLayout;
  kit::AddConfirmButtons(this, buttons, "use", "cancel", [this] { Use(); });
  layout->addLayout(buttons);

  FixClientSize();
  Rebuild();
}

void PacksDialog::Run(QWidget* main_window, DialogContext& context) {
  PacksDialog dialog(main_window, context);
  dialog.RunModal();
}

void PacksDialog::Rebuild() {
  kit::ShowThumbnail(ammo_picture_, context_.pictures, AmmoPackSlot());
  kit::ShowThumbnail(health_picture_, context_.pictures, HealthPackSlot());
  const auto settings = config::Load(kPackSettingsRecord, context_.workspace, context_.prompter)
                            .value_or(config::Defaults(kPackSettingsRecord));
  ammo_->setText(QString::number(settings.ammo));
  health_->setText(QString::number(settings.health));
}

void PacksDialog::ImportPicture(const SlotRef& slot) {
  context_.pictures.Import(slot.name, slot.picture_number);
  Rebuild();
}

void PacksDialog::Use() {
  const PackSettings settings{kit::ParseBox(ammo_), kit::ParseBox(health_)};
  if (config::Use(kPackSettingsRecord, context_.workspace, settings, context_.prompter)) accept();
}

}  // namespace config
