#include "pictures/enemy_animations_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace assets {

namespace {

constexpr int kEnemies = 5;

// The frames of one enemy that a group shows, from its first frame index on.
struct FrameGroup {
  const char* caption;
  int first_frame;
  int frames;
};

constexpr FrameGroup kGroups[] = {{"Walk", 0, 4}, {"Attack", 4, 2}, {"Die", 6, 5}};

}  // namespace

EnemyAnimationsDialog::EnemyAnimationsDialog(QWidget* main_window, config::DialogContext& context)
    : PictureDialog(main_window, context, "Enemy Animations", QSize(442, 530)) {
  auto* body = new QHBoxLayout;
  body->addStretch();
  for (int enemy = 1; enemy <= kEnemies; ++enemy) {
    auto* frame = new QGroupBox("Enemy" + QString::number(enemy));
    auto* groups = new QVBoxLayout(frame);
    groups->setContentsMargins(2, 4, 2, 4);
    const auto frame_of = [enemy](int f) { return config::EnemyFrameSlot(enemy, f); };
    for (const FrameGroup& group : kGroups) {
      groups->addWidget(Column(group.caption, frame_of, group.first_frame, group.frames));
    }
    body->addWidget(frame, 0, Qt::AlignTop);
  }
  body->addStretch();
  Finish("Enemy animations", body);
}

void EnemyAnimationsDialog::Run(QWidget* main_window, config::DialogContext& context) {
  EnemyAnimationsDialog dialog(main_window, context);
  dialog.RunModal();
}

}  // namespace assets
