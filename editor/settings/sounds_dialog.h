// The "Import Sounds" dialog: copies a sound file into one of the 70 sound
// slots and sets whether the levels play MIDI music.
#pragma once

#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace config {

class SoundsDialog : public kit::ModalDialog {
 public:
  SoundsDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

 private:
  void SelectionChanged();
  void LoadSound();
  // "close" keeps the MIDI option; a close request does not.
  void CloseAndSave();

  DialogContext& context_;
  QComboBox* slots_ = nullptr;
  QPushButton* load_ = nullptr;
  QCheckBox* use_midi_ = nullptr;
};

}  // namespace config
