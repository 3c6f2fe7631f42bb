#include "settings/info_text_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/info_text.h"
#include "kit/dialog_controls.h"

namespace config {

InfoTextDialog::InfoTextDialog(QWidget* main_window, DialogContext& context)
    : kit::ModalDialog(main_window, "", QSize(400, 344), true), context_(context) {
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(
      "The Infotext appears in the info menu of the game window. If the text is empty, the menu will be "
      "hidden! "
      "The Infotext is not visible in Fullscreen or Fullwindow mode!");
  note->setWordWrap(true);
  layout->addWidget(note);

  text_ = new QPlainTextEdit;
  text_->setObjectName("infoText");
  text_->setFixedSize(370, 220);
  layout->addWidget(text_, 0, Qt::AlignHCenter);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  kit::AddConfirmButtons(this, buttons, "ok", "cancel", [this] { Ok(); });
  buttons->addStretch();
  layout->addLayout(buttons);

  FixClientSize();
  if (const auto text = config::LoadText(kInfoTextRecord, context_.workspace))
    text_->setPlainText(kit::FromLatin1(*text));
}

void InfoTextDialog::Run(QWidget* main_window, DialogContext& context) {
  InfoTextDialog dialog(main_window, context);
  dialog.RunModal();
}

void InfoTextDialog::Ok() {
  const std::string stored = InfoTextToStore(kit::ToLatin1(text_->toPlainText()));
  text_->setPlainText(kit::FromLatin1(stored));
  if (config::SaveText(kInfoTextRecord, context_.workspace, stored, context_.prompter)) accept();
}

}  // namespace config
