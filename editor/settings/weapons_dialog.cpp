#include "settings/weapons_dialog.h"

#include <QCheckBox>
#include <QComboBox>
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

WeaponsDialog::WeaponsDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "Import Weapons", QSize(700, 426), false), context_(context) {
  // Six rows of nine controls: a slightly smaller font keeps them in the window.
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  setFont(small);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(3);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Weapon Settings"));
  top->addStretch();
  top->addWidget(new QLabel("Key to select Weapon"));
  weapon_key_ = new QComboBox;
  weapon_key_->setObjectName("weaponKey");
  weapon_key_->setMaxVisibleItems(20);
  kit::FillKeyList(weapon_key_);
  top->addWidget(weapon_key_);
  layout->addLayout(top);

  for (int w = 0; w < kWeapons; ++w) layout->addWidget(BuildRow(w));

  auto* bottom = new QHBoxLayout;
  start_with_weapon1_ = new QCheckBox("Start with Weapon1");
  start_with_weapon1_->setObjectName("startWithWeapon1");
  bottom->addWidget(start_with_weapon1_);
  bottom->addStretch();
  kit::AddConfirmButtons(this, bottom, "use", "cancel", [this] { Use(); });
  layout->addLayout(bottom);

  FixClientSize();
  Rebuild();
}

void WeaponsDialog::Run(QWidget* main_window, DialogContext& context) {
  WeaponsDialog dialog(main_window, context);
  dialog.RunModal();
}

QWidget* WeaponsDialog::BuildRow(int w) {
  const QString n = QString::number(w + 1);
  QGridLayout* grid = nullptr;
  auto* frame = kit::Frame("", grid);
  grid->setVerticalSpacing(0);
  grid->setHorizontalSpacing(4);
  grid->setContentsMargins(4, 3, 4, 3);
  Row& row = rows_[w];

  row.picture = kit::SlotButton(WeaponSlot(w + 1));
  connect(row.picture, &QPushButton::clicked, this, [this, w] { ImportPicture(w); });
  grid->addWidget(row.picture, 0, 0, 2, 1);
  grid->addWidget(new QLabel("Weapon" + n), 0, 1, 2, 1);
  row.can_shoot = new QCheckBox("Can Shoot");
  row.can_shoot->setObjectName("canShoot" + n);
  connect(row.can_shoot, &QCheckBox::clicked, this, [this] { ApplyCanShootRule(); });
  grid->addWidget(row.can_shoot, 0, 2, 2, 1);

  // Weapon 1's start ammunition takes any text, the other boxes digits only.
  row.repetition = kit::NumberBox("repetition" + n, true);
  row.power = kit::NumberBox("power" + n, true);
  row.start_ammo = kit::NumberBox("startAmmo" + n, w != 0);
  row.max_ammo = kit::NumberBox("maxAmmo" + n, true);
  const std::pair<QLineEdit*, const char*> numbers[] = {{row.repetition, "Repetition Speed(1..5)"},
                                                        {row.power, "Power (1..10)"},
                                                        {row.start_ammo, "StartAmmo (0..99)"},
                                                        {row.max_ammo, "Max. Ammo (1..99)"}};
  int column = 3;
  for (const auto& [box, label] : numbers) {
    grid->addWidget(new QLabel(label), 0, column, Qt::AlignLeft);
    grid->addWidget(box, 1, column, Qt::AlignLeft);
    ++column;
  }
  row.show_bullet = new QCheckBox("Show Bullet");
  row.show_bullet->setObjectName("showBullet" + n);
  grid->addWidget(row.show_bullet, 0, column, 2, 1);
  return frame;
}

void WeaponsDialog::Rebuild() {
  for (int w = 0; w < kWeapons; ++w) kit::ShowThumbnail(rows_[w].picture, context_.pictures, WeaponSlot(w + 1));
  Show(config::Defaults(kWeaponSettingsRecord));
  Load();
  ApplyCanShootRule();
}

void WeaponsDialog::Show(const WeaponSettings& s) {
  for (int w = 0; w < kWeapons; ++w) {
    Row& row = rows_[w];
    row.can_shoot->setChecked(s.can_shoot[w]);
    row.repetition->setText(QString::number(s.repetition[w]));
    row.power->setText(QString::number(s.power[w]));
    row.start_ammo->setText(QString::number(s.start_ammo[w]));
    row.max_ammo->setText(QString::number(s.max_ammo[w]));
    row.show_bullet->setChecked(s.show_bullet[w]);
  }
  weapon_key_->setCurrentIndex(0);
  kit::SelectKey(weapon_key_, s.weapon_key);
  start_with_weapon1_->setChecked(s.start_with_weapon1);
}

void WeaponsDialog::Load() {
  if (const auto settings = config::Load(kWeaponSettingsRecord, context_.workspace, context_.prompter))
    Show(*settings);
}

void WeaponsDialog::ApplyCanShootRule() {
  for (Row& row : rows_) {
    const bool shoots = row.can_shoot->isChecked();
    if (!shoots) {
      row.start_ammo->setText(QString::number(kNoShootStartAmmo));
      row.max_ammo->setText(QString::number(kNoShootMaxAmmo));
    }
    row.start_ammo->setEnabled(shoots);
    row.max_ammo->setEnabled(shoots);
    row.show_bullet->setEnabled(shoots);
  }
}

void WeaponsDialog::ImportPicture(int w) {
  const SlotRef slot = WeaponSlot(w + 1);
  context_.pictures.Import(slot.name, slot.picture_number);
  Rebuild();
}

void WeaponsDialog::Use() {
  WeaponSettings s;
  for (int w = 0; w < kWeapons; ++w) {
    const Row& row = rows_[w];
    s.can_shoot[w] = row.can_shoot->isChecked();
    s.repetition[w] = kit::ParseBox(row.repetition);
    s.power[w] = kit::ParseBox(row.power);
    s.start_ammo[w] = kit::ParseBox(row.start_ammo);
    s.max_ammo[w] = kit::ParseBox(row.max_ammo);
    s.show_bullet[w] = row.show_bullet->isChecked();
  }
  s.weapon_key = weapon_key_->currentIndex();
  s.start_with_weapon1 = start_with_weapon1_->isChecked();
  if (config::Use(kWeaponSettingsRecord, context_.workspace, s, context_.prompter)) accept();
}

}  // namespace config
