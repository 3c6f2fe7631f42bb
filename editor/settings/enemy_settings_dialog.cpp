#include "settings/enemy_settings_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/dialog_controls.h"

namespace config {

namespace {

constexpr int kRowHeight = 24;

const char* const kRowLabels[] = {"Can Shoot", "Speed (0-12)", "Endurance (1-40)", "Power (1-40)"};

}  // namespace

EnemySettingsDialog::EnemySettingsDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "Enemy Settings", QSize(477, 335), false), context_(context) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  auto* table = new QHBoxLayout;
  table->setSpacing(4);
  layout->addStretch();
  layout->addLayout(table);
  layout->addStretch();

  // The row labels, lined up with the rows of the enemy columns.
  // Every row has one fixed height, so that the labels line up with the
  // controls of the five framed columns.
  const auto column = [&table](QFrame::Shape shape, const QString& title) {
    auto* frame = new QFrame;
    frame->setFrameShape(shape);
    auto* rows = new QVBoxLayout(frame);
    rows->setContentsMargins(4, 2, 4, 6);
    rows->setSpacing(4);
    auto* heading = new QLabel(title);
    heading->setFixedHeight(kRowHeight);
    heading->setAlignment(Qt::AlignCenter);
    rows->addWidget(heading);
    table->addWidget(frame);
    return rows;
  };
  auto* labels = column(QFrame::NoFrame, "");
  for (const char* text : kRowLabels) {
    auto* label = new QLabel(text);
    label->setFixedHeight(kRowHeight);
    labels->addWidget(label);
  }

  for (int k = 0; k < kEnemyKinds; ++k) {
    const QString n = QString::number(k + 1);
    auto* rows = column(QFrame::StyledPanel, "Enemy " + n);
    can_shoot_[k] = new QCheckBox;
    can_shoot_[k]->setObjectName("canShoot" + n);
    can_shoot_[k]->setFixedHeight(kRowHeight);
    speed_[k] = kit::NumberBox("speed" + n, true, 34);
    endurance_[k] = kit::NumberBox("endurance" + n, true, 34);
    power_[k] = kit::NumberBox("power" + n, true, 34);
    rows->addWidget(can_shoot_[k], 0, Qt::AlignCenter);
    for (auto* box : {speed_[k], endurance_[k], power_[k]}) {
      box->setFixedHeight(kRowHeight);
      rows->addWidget(box, 0, Qt::AlignCenter);
      connect(box, &QLineEdit::textChanged, this, [this] { ApplyPowerRule(); });
    }
    connect(can_shoot_[k], &QCheckBox::toggled, this, [this] { ApplyPowerRule(); });
  }

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  kit::AddConfirmButtons(this, buttons, "use", "cancel", [this] { Use(); });
  layout->addLayout(buttons);

  FixClientSize();
  Load();
  ApplyPowerRule();
}

void EnemySettingsDialog::Run(QWidget* main_window, DialogContext& context) {
  EnemySettingsDialog dialog(main_window, context);
  dialog.RunModal();
}

void EnemySettingsDialog::Load() {
  const auto settings = config::Load(kEnemySettingsRecord, context_.workspace, context_.prompter);
  if (!settings) return;
  // The numbers first: a tick set before its power would be taken back.
  for (int k = 0; k < kEnemyKinds; ++k) {
    speed_[k]->setText(QString::number(settings->speed[k]));
    endurance_[k]->setText(QString::number(settings->endurance[k]));
    power_[k]->setText(QString::number(settings->power[k]));
  }
  for (int k = 0; k < kEnemyKinds; ++k) can_shoot_[k]->setChecked(settings->can_shoot[k]);
}

void EnemySettingsDialog::ApplyPowerRule() {
  for (int k = 0; k < kEnemyKinds; ++k) {
    if (!MayShoot(kit::ParseBox(power_[k]))) can_shoot_[k]->setChecked(false);
  }
}

void EnemySettingsDialog::Use() {
  EnemySettings settings;
  for (int k = 0; k < kEnemyKinds; ++k) {
    settings.can_shoot[k] = can_shoot_[k]->isChecked();
    settings.speed[k] = kit::ParseBox(speed_[k]);
    settings.endurance[k] = kit::ParseBox(endurance_[k]);
    settings.power[k] = kit::ParseBox(power_[k]);
  }
  if (config::Use(kEnemySettingsRecord, context_.workspace, settings, context_.prompter)) accept();
}

}  // namespace config
