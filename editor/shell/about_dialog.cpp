#include "shell/about_dialog.h"

#include <QVBoxLayout>

#include "kit/image_button.h"
#include "shell/builtin_pictures.h"

namespace app {

AboutDialog::AboutDialog(QWidget* main_window) : ModalDialog(main_window, "Info", QSize(280, 174)) {
  setObjectName("AboutDialog");
  const QImage about = AboutPicture();
  auto* picture = new kit::ImageButton;
  picture->setObjectName("picture");
  picture->SetPicture(about);
  picture->setFixedSize(about.size());
  connect(picture, &QAbstractButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture);
  FixClientSize();
}

void AboutDialog::Run(QWidget* main_window) {
  AboutDialog dialog(main_window);
  dialog.RunModal();
}

}  // namespace app
