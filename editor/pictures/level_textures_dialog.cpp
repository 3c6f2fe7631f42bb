#include "pictures/level_textures_dialog.h"

namespace assets {

namespace {

constexpr int kLevels = 20;
constexpr int kPerColumn = 10;

// The slots of levels 1 to 20 in two columns at `x` and `x + 25`: levels 1
// to 10 in the first, 11 to 20 in the second, from y = 65 down.
void AddLevelColumns(PictureDialogTable& table, int x, config::SlotRef (*slot_of_level)(int)) {
  AddColumnLabels(table, x, 1, kPerColumn);
  AddColumnLabels(table, x + 25, kPerColumn + 1, kLevels);
  for (int level = 1; level <= kLevels; ++level) {
    const int column = (level - 1) / kPerColumn;
    const int row = (level - 1) % kPerColumn;
    table.pictures.push_back({slot_of_level(level), QPoint(x + 25 * column, 65 + 25 * row)});
  }
}

PictureDialogTable DoorTexturesTable() {
  PictureDialogTable table{"Door Textures", QSize(248, 400), {}, {}, {}, QRect(94, 360, 60, 20)};
  table.labels.push_back({"Doors for Levels 1-20", QRect(30, 10, 200, 15)});
  table.frames = {{"Doors", QRect(90, 30, 70, 320)}};
  AddLevelColumns(table, 100, config::DoorTextureSlot);
  return table;
}

PictureDialogTable FloorCeilingTable() {
  PictureDialogTable table{"Floor and Ceiling Textures", QSize(248, 400), {}, {}, {}, QRect(94, 360, 60, 20)};
  table.labels.push_back({"Floor and Ceiling for Levels 1-20", QRect(30, 10, 200, 15)});
  table.frames = {{"Floor", QRect(30, 30, 70, 320)}, {"Ceiling", QRect(147, 30, 70, 320)}};
  AddLevelColumns(table, 40, config::FloorTextureSlot);
  AddLevelColumns(table, 157, config::CeilingTextureSlot);
  return table;
}

}  // namespace

DoorTexturesDialog::DoorTexturesDialog(QWidget* main_window, config::DialogContext& context)
    : PictureDialog(main_window, context, DoorTexturesTable()) {
  BuildControls();
}

void DoorTexturesDialog::Run(QWidget* main_window, config::DialogContext& context) {
  DoorTexturesDialog dialog(main_window, context);
  dialog.RunModal();
}

FloorCeilingDialog::FloorCeilingDialog(QWidget* main_window, config::DialogContext& context)
    : PictureDialog(main_window, context, FloorCeilingTable()) {
  BuildControls();
}

void FloorCeilingDialog::Run(QWidget* main_window, config::DialogContext& context) {
  FloorCeilingDialog dialog(main_window, context);
  dialog.RunModal();
}

}  // namespace assets
