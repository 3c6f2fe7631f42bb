#include "map/level_dialog.h"

#include "kit/dialog_frame.h"
#include "platform/int_parse.h"
#include "world/level_grid.h"

namespace app {

std::optional<int> LevelNumberOf(const QString& text) {
  const int64_t value = platform::ParseInteger(text.toStdString());
  if (value < 1 || value > world::kLevelCount) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<QString> RunLevelDialog(QWidget* parent, LevelDialogMode mode, const QString& current) {
  const bool load = mode == LevelDialogMode::kLoad;
  QDialog dialog(parent);
  dialog.setObjectName(load ? "LoadLevelDialog" : "SaveLevelDialog");
  MakeFixedDialog(dialog, load ? "Load Level" : "Save Level", 170, 129);
  AddLabel(&dialog, load ? "Load Level (max. 20)" : "Save Level (max. 20)", QRect(30, 25, 110, 15), 0,
           Qt::AlignCenter);
  QLineEdit* number = AddTextBox(&dialog, current, QRect(75, 50, 20, 20));
  number->setObjectName("number");
  QPushButton* confirm = AddButton(&dialog, load ? "load" : "save", QRect(20, 85, 60, 20));
  confirm->setDefault(true);  // Enter presses it
  confirm->setObjectName("confirm");
  QPushButton* cancel = AddButton(&dialog, "cancel", QRect(90, 85, 60, 20));
  cancel->setObjectName("cancel");
  QObject::connect(confirm, &QPushButton::clicked, &dialog, [&] {
    if (LevelNumberOf(number->text())) dialog.accept();
  });
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  number->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return number->text();
}

}  // namespace app
