#include "settings/treasures_dialog.h"

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

TreasuresDialog::TreasuresDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "Import Treasures", QSize(201, 305), false), context_(context) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 6, 4, 6);
  QGridLayout* grid = nullptr;
  layout->addWidget(kit::Frame("Treasures (max. 9000 Points)", grid));
  grid->setVerticalSpacing(6);
  for (int t = 0; t < kTreasures; ++t) {
    pictures_[t] = kit::SlotButton(TreasureSlot(t + 1));
    connect(pictures_[t], &QPushButton::clicked, this, [this, t] { ImportPicture(t); });
    points_[t] = kit::NumberBox("points" + QString::number(t + 1), false, 50);
    grid->addWidget(pictures_[t], t, 0);
    grid->addWidget(points_[t], t, 1);
    grid->addWidget(new QLabel("Points"), t, 2);
  }

  auto* buttons = new QHBoxLayout;
  kit::AddConfirmButtons(this, buttons, "use", "cancel", [this] { Use(); });
  layout->addLayout(buttons);

  FixClientSize();
  Rebuild();
}

void TreasuresDialog::Run(QWidget* main_window, DialogContext& context) {
  TreasuresDialog dialog(main_window, context);
  dialog.RunModal();
}

void TreasuresDialog::Rebuild() {
  const auto settings = config::Load(kTreasureSettingsRecord, context_.workspace, context_.prompter)
                            .value_or(config::Defaults(kTreasureSettingsRecord));
  for (int t = 0; t < kTreasures; ++t) {
    kit::ShowThumbnail(pictures_[t], context_.pictures, TreasureSlot(t + 1));
    points_[t]->setText(QString::number(settings.points[t]));
  }
}

void TreasuresDialog::ImportPicture(int t) {
  const SlotRef slot = TreasureSlot(t + 1);
  context_.pictures.Import(slot.name, slot.picture_number);
  Rebuild();
}

void TreasuresDialog::Use() {
  TreasureSettings settings;
  for (int t = 0; t < kTreasures; ++t) settings.points[t] = kit::ParseBox(points_[t]);
  if (config::Use(kTreasureSettingsRecord, context_.workspace, settings, context_.prompter)) accept();
}

}  // namespace config
