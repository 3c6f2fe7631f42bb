#include "shell/about_dialog.h"

#include "kit/dialog_frame.h"
#include "kit/qt_controls.h"
#include "shell/builtin_pictures.h"

namespace app {

void RunAboutDialog(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName("AboutDialog");
  MakeFixedDialog(dialog, "Info", 280, 174);
  auto* picture = new platform::PictureButton(&dialog);
  picture->setObjectName("picture");
  picture->SetPicture(AboutPicture());
  picture->setGeometry(0, 0, 280, 174);
  QObject::connect(picture, &QAbstractButton::clicked, &dialog, &QDialog::accept);
  dialog.exec();
}

}  // namespace app
