#include "kit/qt_dialog_support.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

#include "config/key_list.h"
#include "config/picture_slots.h"
#include "platform/int_parse.h"

namespace config {

ModalDialog::ModalDialog(QWidget* main_window, const QString& title, QSize client_size, bool close_box)
    : QDialog(main_window), client_size_(client_size) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (close_box) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  setWindowFlags(flags);
  setWindowTitle(title);
  setWindowModality(Qt::ApplicationModal);
  setSizeGripEnabled(false);
}

void ModalDialog::FixClientSize() {
  const QSize hint = layout() ? layout()->minimumSize() : QSize();
  setFixedSize(client_size_.expandedTo(hint));
}

int ModalDialog::RunModal() {
  const QWidget* over = QApplication::activeWindow();
  if (over == nullptr || over == this) over = parentWidget();
  if (over != nullptr) {
    move(over->frameGeometry().center() - QPoint(width() / 2, height() / 2));
  }
  return exec();
}

QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToLatin1(const QString& text) {
  return text.toLatin1().toStdString();
}

int64_t ParseBox(const QLineEdit* box) {
  return platform::ParseInteger(ToLatin1(box->text()));
}

QPushButton* TextButton(const QString& text) {
  auto* button = new QPushButton(text);
  button->setObjectName(text);
  button->setAutoDefault(false);
  return button;
}

void AddConfirmButtons(QDialog* dialog, QBoxLayout* row, const QString& confirm_text,
                       const QString& cancel_text, std::function<void()> confirm) {
  QPushButton* ok = TextButton(confirm_text);
  QPushButton* cancel = TextButton(cancel_text);
  row->addWidget(ok);
  row->addWidget(cancel);
  QObject::connect(ok, &QPushButton::clicked, dialog, std::move(confirm));
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

QLineEdit* NumberBox(const QString& object_name, bool digits_only, int width) {
  auto* box = new QLineEdit;
  box->setObjectName(object_name);
  box->setFixedWidth(width);
  if (digits_only) {
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
  }
  return box;
}

void FillKeyList(QComboBox* list) {
  for (const auto name : KeyNames()) list->addItem(QString::fromLatin1(name.data(), name.size()));
  list->setCurrentIndex(0);
}

void SelectKey(QComboBox* list, int64_t index) {
  if (index >= 0 && index < list->count()) list->setCurrentIndex(static_cast<int>(index));
}

QPixmap ThumbnailPixmap(const assets::Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB888);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const auto c = picture.at(x, y);
      image.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  }
  return QPixmap::fromImage(image);
}

QPushButton* PictureButton(const SlotRef& slot) {
  auto* button = new QPushButton;
  button->setObjectName(QString::fromStdString(slot.name));
  button->setFixedSize(31, 31);
  button->setIconSize(QSize(25, 25));
  button->setToolTip(QString::fromStdString(slot.name));
  return button;
}

void ShowThumbnail(QPushButton* button, PictureSlots& pictures, const SlotRef& slot) {
  const auto picture = pictures.Thumbnail(slot.picture_number);
  button->setIcon(picture.empty() ? QIcon() : QIcon(ThumbnailPixmap(picture)));
}

QGroupBox* Frame(const QString& title, QGridLayout*& grid) {
  auto* frame = new QGroupBox(title);
  grid = new QGridLayout(frame);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  return frame;
}

}  // namespace config
