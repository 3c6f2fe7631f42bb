#include "settings/sounds_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/midi_settings.h"
#include "config/sound_slots.h"
#include "kit/dialog_controls.h"

namespace config {

SoundsDialog::SoundsDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "Import Sounds", QSize(452, 274), false), context_(context) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);

  auto* heading = new QLabel("Import Sounds");
  QFont bigger = heading->font();
  bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
  bigger.setBold(true);
  heading->setFont(bigger);
  heading->setAlignment(Qt::AlignCenter);
  layout->addWidget(heading);
  layout->addStretch();

  auto* row = new QHBoxLayout;
  slots_ = new QComboBox;
  slots_->setObjectName("soundSlots");
  slots_->setMaxVisibleItems(20);
  for (const auto& slot : SoundSlots()) slots_->addItem(kit::FromLatin1(slot.shown));
  slots_->setCurrentIndex(-1);
  load_ = new QPushButton("Load Sound");
  load_->setObjectName("loadSound");
  load_->setAutoDefault(false);
  load_->setEnabled(false);
  load_->setMinimumWidth(200);
  row->addWidget(slots_, 1);
  row->addWidget(load_);
  layout->addLayout(row);

  use_midi_ = new QCheckBox("use Midi Music in Levels");
  use_midi_->setObjectName("useMidi");
  layout->addWidget(use_midi_);
  layout->addStretch();

  auto* close = kit::TextButton("close");
  layout->addWidget(close, 0, Qt::AlignCenter);

  connect(slots_, &QComboBox::currentIndexChanged, this, [this] { SelectionChanged(); });
  connect(load_, &QPushButton::clicked, this, [this] { LoadSound(); });
  connect(close, &QPushButton::clicked, this, [this] { CloseAndSave(); });

  FixClientSize();
  if (const auto midi = config::Load(kMidiSettingsRecord, context_.workspace, context_.prompter))
    use_midi_->setChecked(midi->use_midi_music);
}

void SoundsDialog::Run(QWidget* main_window, DialogContext& context) {
  SoundsDialog dialog(main_window, context);
  dialog.RunModal();
}

void SoundsDialog::SelectionChanged() {
  const QString entry = slots_->currentText();
  load_->setEnabled(!entry.isEmpty());
  if (!entry.isEmpty()) load_->setText("Load Sound " + entry);
}

void SoundsDialog::LoadSound() {
  // A failed copy is reported by the import; the dialog stays as it is either way.
  if (const SoundSlot* slot = FindSoundSlot(kit::ToLatin1(slots_->currentText())))
    static_cast<void>(ImportSound(context_.workspace, *slot, context_.prompter));
}

void SoundsDialog::CloseAndSave() {
  if (config::Save(kMidiSettingsRecord, context_.workspace, MidiSettings{use_midi_->isChecked()},
                   context_.prompter))
    accept();
}

}  // namespace config
