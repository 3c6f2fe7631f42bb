#include "map/level_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/dialog_controls.h"

namespace app {

namespace {

QPushButton* DialogButton(const QString& text, const char* name) {
  QPushButton* button = kit::TextButton(text);
  button->setObjectName(name);
  button->setFixedSize(60, 20);
  return button;
}

}  // namespace

LevelDialog::LevelDialog(QWidget* main_window, world::LevelDialogKind kind, const QString& current)
    : ModalDialog(main_window, kind == world::LevelDialogKind::kLoad ? "Load Level" : "Save Level",
                  QSize(170, 129)) {
  const bool load = kind == world::LevelDialogKind::kLoad;
  setObjectName(load ? "LoadLevelDialog" : "SaveLevelDialog");
  number_ = kit::NumberBox("number", false, 20);
  number_->setText(current);
  number_->setFixedHeight(20);
  number_->setTextMargins(0, 0, 0, 0);
  QPushButton* confirm = DialogButton(load ? "load" : "save", "confirm");
  confirm->setDefault(true);  // Enter presses it
  QPushButton* cancel = DialogButton("cancel", "cancel");

  auto* layout = new QVBoxLayout(this);
  layout->addStretch();
  layout->addWidget(kit::CentredLabel(load ? "Load Level (max. 20)" : "Save Level (max. 20)"));
  layout->addWidget(number_, 0, Qt::AlignHCenter);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(confirm);
  buttons->addSpacing(10);
  buttons->addWidget(cancel);
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->addStretch();
  FixClientSize();

  connect(confirm, &QPushButton::clicked, this, [this] {
    if (world::LevelNumberOfText(kit::ToLatin1(number_->text()))) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  number_->setFocus();
}

std::optional<QString> LevelDialog::Run(QWidget* main_window, world::LevelDialogKind kind,
                                        const QString& current) {
  LevelDialog dialog(main_window, kind, current);
  if (dialog.RunModal() != QDialog::Accepted) return std::nullopt;
  return dialog.number_->text();
}

}  // namespace app
