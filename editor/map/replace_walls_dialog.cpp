#include "map/replace_walls_dialog.h"

#include "kit/dialog_frame.h"
#include "world/editing_tools.h"

namespace app {

namespace {

uint8_t ByteOf(const QLineEdit* box) {
  return world::WallByteOfText(box->text().toStdString());
}

}  // namespace

void RunReplaceWallsDialog(QWidget* parent, world::LevelGrid& grid, const std::function<void()>& changed) {
  QDialog dialog(parent);
  dialog.setObjectName("ReplaceWallsDialog");
  MakeFixedDialog(dialog, "Replace Walls", 409, 282);
  AddFrame(&dialog, "Replace Walls", QRect(30, 50, 350, 45), 459);
  AddLabel(&dialog, "Replace Wall", QRect(40, 70, 75, 15), 462);
  QLineEdit* from = AddTextBox(&dialog, "0", QRect(115, 65, 20, 20), 460);
  AddLabel(&dialog, "with Wall", QRect(170, 70, 50, 15), 463);
  QLineEdit* to = AddTextBox(&dialog, "0", QRect(225, 65, 20, 20), 461);
  QPushButton* replace = AddButton(&dialog, "Replace", QRect(275, 65, 70, 20), 464);
  AddFrame(&dialog, "Fill World with Walls, don't replace existing", QRect(30, 105, 350, 45), 465);
  AddLabel(&dialog, "Wall", QRect(80, 125, 25, 15), 467);
  QLineEdit* fill = AddTextBox(&dialog, "0", QRect(115, 120, 20, 20), 466);
  QPushButton* fill_button = AddButton(&dialog, "Fill", QRect(275, 120, 70, 20), 468);
  AddFrame(&dialog, "Fill Border with Walls and replace existing Walls", QRect(30, 160, 350, 45), 469);
  AddLabel(&dialog, "Wall", QRect(80, 180, 25, 15), 471);
  QLineEdit* border = AddTextBox(&dialog, "0", QRect(115, 175, 20, 20), 470);
  QPushButton* border_button = AddButton(&dialog, "Fill Border", QRect(275, 175, 70, 20), 472);
  AddLabel(&dialog, "Wall 0 = erase Wall", QRect(30, 220, 100, 15), 473);
  QPushButton* close = AddButton(&dialog, "close", QRect(180, 240, 50, 20), 474);

  QObject::connect(replace, &QPushButton::clicked, &dialog, [&] {
    world::ReplaceCells(grid, ByteOf(from), ByteOf(to));
    changed();
  });
  QObject::connect(fill_button, &QPushButton::clicked, &dialog, [&] {
    world::FillEmptyCells(grid, ByteOf(fill));
    changed();
  });
  QObject::connect(border_button, &QPushButton::clicked, &dialog, [&] {
    world::FillBorder(grid, ByteOf(border));
    changed();
  });
  QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
  dialog.exec();
}

}  // namespace app
