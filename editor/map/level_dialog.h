// The Load Level and Save Level dialog: asks for a level number 1 to 20.
#pragma once

#include <QString>
#include <optional>

#include "kit/modal_dialog.h"
#include "world/level_session.h"

class QLineEdit;

namespace app {

class LevelDialog : public kit::ModalDialog {
 public:
  LevelDialog(QWidget* main_window, world::LevelDialogKind kind, const QString& current);

  // The level number as typed, unchanged, when "load" or "save" was pressed
  // with a number from 1 to 20; nothing when "cancel" was pressed.
  static std::optional<QString> Run(QWidget* main_window, world::LevelDialogKind kind,
                                    const QString& current);

 private:
  QLineEdit* number_ = nullptr;
};

}  // namespace app
