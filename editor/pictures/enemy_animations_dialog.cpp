#include "pictures/enemy_animations_dialog.h"

namespace assets {

namespace {

constexpr int kEnemies = 5;

// A group of frames of one enemy: its frame, and the frame indexes it holds
// as buttons 25 pixels apart from `first_y` down.
struct FrameGroup {
  const char* caption;
  int frame_y;
  int frame_height;
  int first_frame;
  int frames;
  int first_y;
};

constexpr FrameGroup kGroups[] = {
    {"Walk", 60, 125, 0, 4, 80},
    {"Attack", 200, 75, 4, 2, 220},
    {"Die", 290, 150, 6, 5, 310},
};

PictureDialogTable EnemyAnimationsTable() {
  PictureDialogTable table{"Enemy Animations", QSize(442, 530), {}, {}, {}, QRect(190, 470, 60, 20)};
  table.labels.push_back({"Enemy animations", QRect(175, 10, 100, 15)});
  for (int enemy = 1; enemy <= kEnemies; ++enemy) {
    const int d = 80 * (enemy - 1);
    table.frames.push_back({"Enemy" + QString::number(enemy), QRect(30 + d, 35, 55, 410)});
    for (const FrameGroup& group : kGroups) {
      table.frames.push_back({group.caption, QRect(35 + d, group.frame_y, 45, group.frame_height)});
      for (int k = 0; k < group.frames; ++k) {
        table.pictures.push_back(
            {config::EnemyFrameSlot(enemy, group.first_frame + k), QPoint(45 + d, group.first_y + 25 * k)});
      }
    }
  }
  return table;
}

}  // namespace

EnemyAnimationsDialog::EnemyAnimationsDialog(QWidget* main_window, config::DialogContext& context)
    : PictureDialog(main_window, context, EnemyAnimationsTable()) {
  BuildControls();
}

void EnemyAnimationsDialog::Run(QWidget* main_window, config::DialogContext& context) {
  EnemyAnimationsDialog dialog(main_window, context);
  dialog.RunModal();
}

}  // namespace assets
