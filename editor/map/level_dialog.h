// The Load Level and Save Level dialog: asks for a level number 1 to 20.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

namespace app {

enum class LevelDialogMode { kLoad, kSave };

// The level number as typed, unchanged, when "load" or "save" was pressed
// with a number from 1 to 20; nothing when "cancel" was pressed.
std::optional<QString> RunLevelDialog(QWidget* parent, LevelDialogMode mode, const QString& current);

// The value of a typed level number when it lies in 1 to 20.
std::optional<int> LevelNumberOf(const QString& text);

}  // namespace app
