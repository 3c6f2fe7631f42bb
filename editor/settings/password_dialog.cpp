#include "settings/password_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/pack_password.h"
#include "kit/dialog_controls.h"

namespace config {

PasswordDialog::PasswordDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "Set GamePak Password", QSize(258, 140), false), context_(context) {
  auto* layout = new QVBoxLayout(this);
  layout->addStretch();
  layout->addWidget(new QLabel("Password (min 4 chars, case sensitive)"));
  password_ = new QLineEdit;
  password_->setObjectName("password");
  layout->addWidget(password_);
  layout->addStretch();

  auto* buttons = new QHBoxLayout;
  kit::AddConfirmButtons(this, buttons, "OK", "Cancel", [this] { Ok(); });
  layout->addLayout(buttons);

  FixClientSize();
  if (const auto password = LoadPackPassword(context_.workspace))
    password_->setText(kit::FromLatin1(*password));
}

void PasswordDialog::Run(QWidget* main_window, DialogContext& context) {
  PasswordDialog dialog(main_window, context);
  dialog.RunModal();
}

void PasswordDialog::Ok() {
  if (UsePackPassword(context_.workspace, kit::ToLatin1(password_->text()), context_.prompter)) accept();
}

}  // namespace config
