#include "pictures/level_textures_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>

#include "world/level_grid.h"

namespace assets {

DoorTexturesDialog::DoorTexturesDialog(QWidget* main_window, config::DialogContext& context)
    : PictureDialog(main_window, context, "Door Textures", QSize(248, 400)) {
  auto* body = new QHBoxLayout;
  body->addStretch();
  body->addWidget(NumberedColumns("Doors", config::DoorTextureSlot, world::kLevelCount));
  body->addStretch();
  Finish("Doors for Levels 1-20", body);
}

void DoorTexturesDialog::Run(QWidget* main_window, config::DialogContext& context) {
  DoorTexturesDialog dialog(main_window, context);
  dialog.RunModal();
}

FloorCeilingDialog::FloorCeilingDialog(QWidget* main_window, config::DialogContext& context)
    : PictureDialog(main_window, context, "Floor and Ceiling Textures", QSize(248, 400)) {
  auto* body = new QHBoxLayout;
  body->addStretch();
  body->addWidget(NumberedColumns("Floor", config::FloorTextureSlot, world::kLevelCount));
  body->addStretch();
  body->addWidget(NumberedColumns("Ceiling", config::CeilingTextureSlot, world::kLevelCount));
  body->addStretch();
  Finish("Floor and Ceiling for Levels 1-20", body);
}

void FloorCeilingDialog::Run(QWidget* main_window, config::DialogContext& context) {
  FloorCeilingDialog dialog(main_window, context);
  dialog.RunModal();
}

}  // namespace assets
