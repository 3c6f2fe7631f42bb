// The "Game Settings" dialog: level count, key bindings and speeds, screen
// mode and display options, window title and God Mode code.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "config/game_settings.h"
#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace config {

class GameSettingsDialog : public kit::ModalDialog {
 public:
  GameSettingsDialog(QWidget* main_window, DialogContext& context);

  static void Run(QWidget* main_window, DialogContext& context);

 private:
  QWidget* BuildControls();
  void Load();
  void Use();
  GameSettingsForm FormFromControls() const;

  QComboBox* KeyList(int64_t GameSettings::*field, const QString& name);
  QCheckBox* Check(int64_t GameSettings::*field, const QString& text, const QString& name);
  QLineEdit* Number(int64_t GameSettings::*field, const QString& name);

  DialogContext& context_;
  QLineEdit* window_title_ = nullptr;
  QLineEdit* god_mode_ = nullptr;
  QCheckBox* full_screen_ = nullptr;
  QCheckBox* full_window_ = nullptr;
  std::vector<std::pair<QComboBox*, int64_t GameSettings::*>> key_lists_;
  std::vector<std::pair<QCheckBox*, int64_t GameSettings::*>> checks_;
  std::vector<std::pair<QLineEdit*, int64_t GameSettings::*>> numbers_;
};

}  // namespace config
