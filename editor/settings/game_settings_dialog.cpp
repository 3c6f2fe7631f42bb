#include "settings/game_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/text_record.h"
#include "kit/dialog_controls.h"

namespace config {

namespace {

using G = GameSettings;

// The first label of a row; one width for all, so the key lists line up.
QLabel* RowLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setFixedWidth(90);
  return label;
}

}  // namespace

GameSettingsDialog::GameSettingsDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "Game Settings", QSize(480, 569), false), context_(context) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->setSpacing(4);
  layout->addWidget(BuildControls());

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  kit::AddConfirmButtons(this, buttons, "use", "cancel", [this] { Use(); });
  layout->addLayout(buttons);

  // At most one of the two screen modes is ticked.
  connect(full_screen_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) full_window_->setChecked(false);
  });
  connect(full_window_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) full_screen_->setChecked(false);
  });

  FixClientSize();
  Load();
}

void GameSettingsDialog::Run(QWidget* main_window, DialogContext& context) {
  GameSettingsDialog dialog(main_window, context);
  dialog.RunModal();
}

QComboBox* GameSettingsDialog::KeyList(int64_t G::*field, const QString& name) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  list->setMaxVisibleItems(20);
  kit::FillKeyList(list);
  key_lists_.emplace_back(list, field);
  return list;
}

QCheckBox* GameSettingsDialog::Check(int64_t G::*field, const QString& text, const QString& name) {
  auto* box = new QCheckBox(text);
  box->setObjectName(name);
  checks_.emplace_back(box, field);
  return box;
}

QLineEdit* GameSettingsDialog::Number(int64_t G::*field, const QString& name) {
  auto* box = kit::NumberBox(name, false);
  numbers_.emplace_back(box, field);
  return box;
}

QWidget* GameSettingsDialog::BuildControls() {
  auto* page = new QWidget;
  auto* rows = new QVBoxLayout(page);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(3);
  QGridLayout* g = nullptr;

  // 1: window title and God Mode code.
  rows->addWidget(kit::Frame("", g));
  window_title_ = new QLineEdit;
  window_title_->setObjectName("windowTitle");
  god_mode_ = new QLineEdit;
  god_mode_->setObjectName("godMode");
  g->addWidget(new QLabel("Window Title"), 0, 0);
  g->addWidget(window_title_, 0, 1);
  g->addWidget(new QLabel("God Mode"), 0, 2);
  g->addWidget(god_mode_, 0, 3);

  // 2: level count and screen mode.
  auto* levels_row = new QHBoxLayout;
  rows->addLayout(levels_row);
  levels_row->addWidget(kit::Frame("", g), 1);
  g->addWidget(new QLabel("Max. Levels"), 0, 0);
  g->addWidget(Number(&G::max_levels, "maxLevels"), 0, 1);
  g->addWidget(new QLabel("(1-20)"), 0, 2);
  g->setColumnStretch(3, 1);
  QGridLayout* screen = nullptr;
  levels_row->addWidget(kit::Frame("", screen));
  full_screen_ = new QCheckBox("Full Screen");
  full_screen_->setObjectName("fullScreen");
  full_window_ = new QCheckBox("Fullwindow");
  full_window_->setObjectName("fullWindow");
  screen->addWidget(full_screen_, 0, 0);
  screen->addWidget(full_window_, 0, 1);

  // 3, 4: walking forward and backward.
  rows->addWidget(kit::Frame("", g));
  g->addWidget(RowLabel("walkforward"), 0, 0);
  g->addWidget(KeyList(&G::walk_forward_key, "walkforward"), 0, 1);
  g->addWidget(Check(&G::walk_forward_mouse, "use Mouse", "walkforwardMouse"), 0, 2);
  g->addWidget(new QLabel("speed"), 0, 3);
  g->addWidget(Number(&G::walk_forward_speed, "walkforwardSpeed"), 0, 4);
  rows->addWidget(kit::Frame("", g));
  g->addWidget(RowLabel("walkbackward"), 0, 0);
  g->addWidget(KeyList(&G::walk_backward_key, "walkbackward"), 0, 1);
  g->addWidget(Check(&G::walk_backward_mouse, "use Mouse", "walkbackwardMouse"), 0, 2);
  g->addWidget(new QLabel("speed"), 0, 3);
  g->addWidget(Number(&G::walk_backward_speed, "walkbackwardSpeed"), 0, 4);

  // 5: stepping sideways.
  rows->addWidget(kit::Frame("", g));
  g->addWidget(RowLabel("moveleft"), 0, 0);
  g->addWidget(KeyList(&G::move_left_key, "moveleft"), 0, 1);
  g->addWidget(RowLabel("moveright"), 1, 0);
  g->setColumnMinimumWidth(2, QCheckBox("use Mouse").sizeHint().width());  // line up with the rows above
  g->addWidget(KeyList(&G::move_right_key, "moveright"), 1, 1);
  g->addWidget(new QLabel("speed"), 0, 3);
  g->addWidget(Number(&G::sideways_speed, "moveSpeed"), 0, 4);

  // 6: turning.
  rows->addWidget(kit::Frame("", g));
  g->addWidget(RowLabel("turn left"), 0, 0);
  g->addWidget(KeyList(&G::turn_left_key, "turnleft"), 0, 1);
  g->addWidget(RowLabel("turn right"), 1, 0);
  g->addWidget(KeyList(&G::turn_right_key, "turnright"), 1, 1);
  g->addWidget(Check(&G::turn_mouse, "use Mouse", "turnMouse"), 0, 2);
  g->addWidget(new QLabel("speed"), 0, 3);
  g->addWidget(Number(&G::turn_speed, "turnSpeed"), 0, 4);

  // 7: looking up and down.
  rows->addWidget(kit::Frame("", g));
  g->addWidget(RowLabel("look up"), 0, 0);
  g->addWidget(KeyList(&G::look_up_key, "lookup"), 0, 1);
  g->addWidget(RowLabel("look down"), 1, 0);
  g->addWidget(KeyList(&G::look_down_key, "lookdown"), 1, 1);
  g->addWidget(Check(&G::look_mouse, "use Mouse", "lookMouse"), 0, 2);
  g->addWidget(new QLabel("speed"), 0, 3);
  g->addWidget(Number(&G::look_speed, "lookSpeed"), 0, 4);

  // 8, 9: shooting, doors, map, shader.
  rows->addWidget(kit::Frame("", g));
  g->addWidget(RowLabel("Shoot"), 0, 0);
  g->addWidget(KeyList(&G::shoot_key, "shoot"), 0, 1);
  g->addWidget(Check(&G::use_shader, "use Shader", "useShader"), 0, 2, 1, 2);
  g->addWidget(RowLabel("Open Door"), 1, 0);
  g->addWidget(KeyList(&G::open_door_key, "opendoor"), 1, 1);
  g->addWidget(new QLabel("show Map"), 1, 2);
  g->addWidget(KeyList(&G::show_map_key, "showmap"), 1, 3);

  // 10: mouse sensitivity and the screen effects.
  rows->addWidget(kit::Frame("", g));
  g->addWidget(new QLabel("Mouse Sensivity"), 0, 0);
  auto* sensitivity = Number(&G::mouse_sensitivity, "mouseSensitivity");
  sensitivity->setText("5");
  g->addWidget(sensitivity, 0, 1);
  g->addWidget(new QLabel("(1-10)"), 0, 2);
  g->setColumnStretch(3, 1);
  g->addWidget(Check(&G::red_screen_when_hit, "Red Screen when hit by Enemy", "redScreen"), 0, 4);
  g->addWidget(Check(&G::bright_screen_on_item, "Bright Screen when found item", "brightScreen"), 1, 4);
  return page;
}

void GameSettingsDialog::Load() {
  if (const auto title = config::LoadText(kGameTitleRecord, context_.workspace))
    window_title_->setText(kit::FromLatin1(*title));
  if (const auto code = config::LoadText(kCheatRecord, context_.workspace))
    god_mode_->setText(kit::FromLatin1(*code));
  const auto settings = config::Load(kGameSettingsRecord, context_.workspace, context_.prompter);
  if (!settings) return;
  for (const auto& [box, field] : numbers_) box->setText(QString::number((*settings).*field));
  for (const auto& [box, field] : checks_) box->setChecked((*settings).*field != 0);
  for (const auto& [list, field] : key_lists_) kit::SelectKey(list, (*settings).*field);
  if (const auto boxes = ScreenModeToBoxes(settings->screen_mode)) {
    full_screen_->setChecked(boxes->full_screen);
    full_window_->setChecked(boxes->full_window);
  }
}

GameSettingsForm GameSettingsDialog::FormFromControls() const {
  GameSettingsForm form;
  form.window_title = kit::ToLatin1(window_title_->text());
  form.god_mode = kit::ToLatin1(god_mode_->text());
  for (const auto& [box, field] : numbers_) form.settings.*field = kit::ParseBox(box);
  for (const auto& [box, field] : checks_) form.settings.*field = box->isChecked() ? 1 : 0;
  for (const auto& [list, field] : key_lists_) form.settings.*field = list->currentIndex();
  form.settings.screen_mode = ScreenModeFromBoxes({full_screen_->isChecked(), full_window_->isChecked()});
  return form;
}

void GameSettingsDialog::Use() {
  if (UseGameSettings(context_.workspace, FormFromControls(), context_.prompter)) accept();
}

}  // namespace config
