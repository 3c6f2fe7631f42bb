#include "settings/sprites_dialog.h"

#include <QCheckBox>
#include <QFrame>
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

SpritesDialog::SpritesDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "Import Sprites", QSize(613, 409), false), context_(context) {
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  setFont(small);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);
  layout->addWidget(BuildRuleFrames());
  layout->addWidget(BuildPictureColumns());

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  kit::AddConfirmButtons(this, buttons, "use", "cancel", [this] { Use(); });
  layout->addLayout(buttons);

  FixClientSize();
  Rebuild();
}

void SpritesDialog::Run(QWidget* main_window, DialogContext& context) {
  SpritesDialog dialog(main_window, context);
  dialog.RunModal();
}

QWidget* SpritesDialog::BuildRuleFrames() {
  auto* page = new QWidget;
  auto* frames = new QVBoxLayout(page);
  frames->setContentsMargins(0, 0, 0, 0);
  frames->setSpacing(2);
  QGridLayout* collision = nullptr;
  QGridLayout* endurance = nullptr;
  QGridLayout* shoot = nullptr;
  frames->addWidget(kit::Frame("Collision Detection", collision));
  frames->addWidget(kit::Frame("Endurance (0-10) 0=can't be destroyed by bullets", endurance));
  frames->addWidget(kit::Frame(
      "Enemy and Player can shoot trough the Sprite (Weapons with Bullets must destroy Sprites!)", shoot));

  for (int s = 0; s < kSprites; ++s) {
    const QString n = QString::number(s + 1);
    collision_[s] = new QCheckBox;
    collision_[s]->setObjectName("collision" + n);
    endurance_[s] = kit::NumberBox("endurance" + n, false, 34);
    shoot_through_[s] = new QCheckBox;
    shoot_through_[s]->setObjectName("shootThrough" + n);
    collision->addWidget(collision_[s], 0, s, Qt::AlignCenter);
    endurance->addWidget(endurance_[s], 0, s, Qt::AlignCenter);
    shoot->addWidget(shoot_through_[s], 0, s, Qt::AlignCenter);
    connect(collision_[s], &QCheckBox::toggled, this, [this] { ApplyCollisionRule(); });
    connect(shoot_through_[s], &QCheckBox::toggled, this, [this] { ApplyCollisionRule(); });
    connect(endurance_[s], &QLineEdit::textChanged, this, [this] { ApplyCollisionRule(); });
  }
  return page;
}

QWidget* SpritesDialog::BuildPictureColumns() {
  auto* page = new QWidget;
  auto* columns = new QHBoxLayout(page);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->setSpacing(3);
  for (int s = 0; s < kSprites; ++s) {
    // A plain panel with a heading: narrower than a titled frame, so that
    // ten of them fit across the window.
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    auto* rows = new QVBoxLayout(frame);
    rows->setContentsMargins(3, 2, 3, 4);
    rows->setSpacing(2);
    rows->addWidget(new QLabel("Sprite" + QString::number(s + 1)), 0, Qt::AlignCenter);
    for (int view = 0; view < kViews; ++view) {
      pictures_[s][view] = kit::SlotButton(SpriteSlot(s + 1, view));
      connect(pictures_[s][view], &QPushButton::clicked, this, [this, s, view] { ImportPicture(s, view); });
      rows->addWidget(pictures_[s][view], 0, Qt::AlignCenter);
      if (view == 0) rows->addSpacing(6);  // the main picture stands apart from b to e
    }
    columns->addWidget(frame);
  }
  return page;
}

void SpritesDialog::Rebuild() {
  for (int s = 0; s < kSprites; ++s) {
    for (int view = 0; view < kViews; ++view) {
      kit::ShowThumbnail(pictures_[s][view], context_.pictures, SpriteSlot(s + 1, view));
    }
  }
  Load();
}

void SpritesDialog::Load() {
  const auto settings = config::Load(kSpriteSettingsRecord, context_.workspace, context_.prompter);
  for (int s = 0; s < kSprites; ++s) {
    if (settings) {
      collision_[s]->setChecked(settings->collision[s]);
      endurance_[s]->setText(QString::number(settings->endurance[s]));
      shoot_through_[s]->setChecked(settings->shoot_through[s]);
    } else {
      // What the controls start with when the file cannot be read.
      collision_[s]->setChecked(false);
      endurance_[s]->setText("2");
      shoot_through_[s]->setChecked(false);
    }
  }
  ApplyCollisionRule();
}

void SpritesDialog::ApplyCollisionRule() {
  for (int s = 0; s < kSprites; ++s) {
    const bool on = collision_[s]->isChecked();
    endurance_[s]->setEnabled(on);
    shoot_through_[s]->setEnabled(on);
  }
}

void SpritesDialog::ImportPicture(int sprite, int view) {
  const SlotRef slot = SpriteSlot(sprite + 1, view);
  context_.pictures.Import(slot.name, slot.picture_number);
  Rebuild();
}

void SpritesDialog::Use() {
  SpriteSettings settings;
  for (int s = 0; s < kSprites; ++s) {
    settings.collision[s] = collision_[s]->isChecked();
    settings.endurance[s] = kit::ParseBox(endurance_[s]);
    settings.shoot_through[s] = shoot_through_[s]->isChecked();
  }
  if (config::Use(kSpriteSettingsRecord, context_.workspace, settings, context_.prompter)) accept();
}

}  // namespace config
