#include "kit/dialog_controls.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "config/key_list.h"
#include "config/picture_slots.h"
#include "kit/qt_picture.h"
#include "platform/int_parse.h"

namespace kit {

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

QLabel* CentredLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

void FillKeyList(QComboBox* list) {
  for (const auto name : config::KeyNames()) list->addItem(QString::fromLatin1(name.data(), name.size()));
  list->setCurrentIndex(0);
}

void SelectKey(QComboBox* list, int64_t index) {
  if (index >= 0 && index < list->count()) list->setCurrentIndex(static_cast<int>(index));
}

QPushButton* SlotButton(const config::SlotRef& slot) {
  auto* button = new QPushButton;
  button->setObjectName(QString::fromStdString(slot.name));
  button->setFixedSize(31, 31);
  button->setIconSize(QSize(25, 25));
  button->setToolTip(QString::fromStdString(slot.name));
  return button;
}

void ShowThumbnail(QPushButton* button, config::PictureSlots& pictures, const config::SlotRef& slot) {
  const auto picture = pictures.Thumbnail(slot.picture_number);
  button->setIcon(picture.empty() ? QIcon() : QIcon(QPixmap::fromImage(platform::ToQImage(picture))));
}

QGroupBox* Frame(const QString& title, QGridLayout*& grid) {
  auto* frame = new QGroupBox(title);
  grid = new QGridLayout(frame);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  return frame;
}

}  // namespace kit
