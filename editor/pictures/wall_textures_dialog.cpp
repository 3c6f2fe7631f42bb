#include "pictures/wall_textures_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "kit/dialog_controls.h"
#include "world/cell_codes.h"

namespace assets {

WallTexturesDialog::WallTexturesDialog(QWidget* main_window, config::DialogContext& context)
    : PictureDialog(main_window, context, "Wall Textures", QSize(260, 400)) {
  // Column k holds the walls 10k + 1 to 10k + 10 from top to bottom.
  QGroupBox* walls = NumberedColumns("Import Walls", config::WallTextureSlot, world::kWallTextureCount);

  // The "Animate" box of each row stands level with the row: the frame
  // lays out like the walls' frame, with row 0 as high as its labels.
  QGridLayout* animate = nullptr;
  QGroupBox* animate_frame = PictureFrame("Animate", animate);
  animate->setRowMinimumHeight(0, kLabelHeight);
  for (int r = 1; r <= config::kAnimatedRows; ++r) {
    auto* box = new QCheckBox;
    box->setObjectName("animate" + QString::number(r));
    box->setFixedSize(20, 20);
    animate->setRowMinimumHeight(r, kButtonSize);
    animate->addWidget(box, r, 0, Qt::AlignCenter);
    animate_[r - 1] = box;
  }
  speed_ = kit::NumberBox("speed", true, 25);
  speed_->setTextMargins(0, 0, 0, 0);
  animate->addWidget(new QLabel("Speed:"), config::kAnimatedRows + 1, 0, Qt::AlignCenter);
  animate->addWidget(speed_, config::kAnimatedRows + 2, 0, Qt::AlignCenter);
  animate->addWidget(new QLabel("(1..10)"), config::kAnimatedRows + 3, 0, Qt::AlignCenter);

  auto* body = new QHBoxLayout;
  body->addStretch();
  body->addWidget(walls, 0, Qt::AlignTop);
  body->addWidget(animate_frame, 0, Qt::AlignTop);
  body->addStretch();
  Finish("", body);
}

void WallTexturesDialog::Run(QWidget* main_window, config::DialogContext& context) {
  WallTexturesDialog dialog(main_window, context);
  dialog.RunModal();
}

void WallTexturesDialog::ControlsBuilt() {
  for (QCheckBox* box : animate_) box->setChecked(false);
  speed_->setText(QString::number(config::kDefaultAnimationSpeed));
  const auto settings =
      config::Load(config::kWallAnimSettingsRecord, Context().workspace, Context().prompter);
  if (!settings) return;
  for (int r = 0; r < config::kAnimatedRows; ++r) animate_[r]->setChecked(settings->animate[r]);
  speed_->setText(QString::fromStdString(config::SpeedBoxText(settings->speed)));
}

config::WallAnimSettings WallTexturesDialog::Shown() const {
  config::WallAnimSettings settings;
  for (int r = 0; r < config::kAnimatedRows; ++r) settings.animate[r] = animate_[r]->isChecked();
  settings.speed = config::SpeedOfBoxText(kit::ToLatin1(speed_->text()));
  return settings;
}

void WallTexturesDialog::Closing() {
  // A failed write is reported; the dialog closes all the same.
  static_cast<void>(
      config::Save(config::kWallAnimSettingsRecord, Context().workspace, Shown(), Context().prompter));
}

}  // namespace assets
