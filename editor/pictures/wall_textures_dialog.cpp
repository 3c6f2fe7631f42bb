#include "pictures/wall_textures_dialog.h"

#include <QCheckBox>
#include <QLineEdit>

namespace assets {

namespace {

constexpr int kColumns = 4;

// Column k holds the walls 10k + 1 to 10k + 10, from top to bottom; row r
// of the grid is at y = 40 + 25r.
PictureDialogTable WallTexturesTable() {
  PictureDialogTable table{"Wall Textures", QSize(260, 400), {}, {}, {}, QRect(100, 360, 60, 20)};
  table.frames = {{"Import Walls", QRect(55, 30, 130, 320)}, {"Animate", QRect(190, 30, 55, 350)}};
  for (int k = 0; k < kColumns; ++k) {
    const int x = 70 + 25 * k;
    AddColumnLabels(table, x, 10 * k + 1, 10 * k + 10);
    for (int r = 1; r <= config::kAnimatedRows; ++r) {
      table.pictures.push_back({config::WallTextureSlot(10 * k + r), QPoint(x, 40 + 25 * r)});
    }
  }
  table.labels.push_back({"Speed:", QRect(200, 325, 40, 15)});
  table.labels.push_back({"(1..10)", QRect(200, 362, 40, 15)});
  return table;
}

}  // namespace

WallTexturesDialog::WallTexturesDialog(QWidget* main_window, config::DialogContext& context)
    : PictureDialog(main_window, context, WallTexturesTable()) {
  for (int r = 1; r <= config::kAnimatedRows; ++r) {
    auto* box = new QCheckBox(this);
    box->setObjectName("animate" + QString::number(r));
    box->setGeometry(210, 68 + 25 * (r - 1), 20, 20);
    animate_[r - 1] = box;
  }
  speed_ = config::NumberBox("speed", true, 25);
  speed_->setParent(this);
  speed_->setGeometry(205, 340, 25, 20);
  speed_->setTextMargins(0, 0, 0, 0);
  BuildControls();
}

void WallTexturesDialog::Run(QWidget* main_window, config::DialogContext& context) {
  WallTexturesDialog dialog(main_window, context);
  dialog.RunModal();
}

void WallTexturesDialog::ControlsBuilt() {
  for (QCheckBox* box : animate_) box->setChecked(false);
  speed_->setText(QString::number(config::kDefaultAnimationSpeed));
  const auto settings = config::LoadWallAnimSettings(Context().workspace, Context().prompter);
  if (!settings) return;
  for (int r = 0; r < config::kAnimatedRows; ++r) animate_[r]->setChecked(settings->animate[r]);
  speed_->setText(QString::fromStdString(config::SpeedBoxText(settings->speed)));
}

config::WallAnimSettings WallTexturesDialog::Shown() const {
  config::WallAnimSettings settings;
  for (int r = 0; r < config::kAnimatedRows; ++r) settings.animate[r] = animate_[r]->isChecked();
  settings.speed = config::SpeedOfBoxText(config::ToLatin1(speed_->text()));
  return settings;
}

void WallTexturesDialog::Closing() {
  config::SaveWallAnimSettings(Context().workspace, Shown(), Context().prompter);
}

}  // namespace assets
