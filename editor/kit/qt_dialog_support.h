// Shared pieces of the settings dialogs: the modal window, text conversion,
// number boxes, key lists and picture buttons.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "assets/picture.h"

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace config {

class PictureSlots;
struct SlotRef;

// A dialog that is modal over the main window and centred on it. Without a
// close box the title bar shows only the title. A close request (or Escape)
// rejects the dialog, which never saves.
class ModalDialog : public QDialog {
 public:
  ModalDialog(QWidget* main_window, const QString& title, QSize client_size, bool close_box);

  // Centres the dialog over the active window and runs it to its end.
  int RunModal();

 protected:
  // Gives the window its client size once the controls are laid out (larger
  // only where the controls would not fit).
  void FixClientSize();

 private:
  QSize client_size_;
};

// The workspace files hold 8-bit text.
QString FromLatin1(const std::string& text);
std::string ToLatin1(const QString& text);

// The integer parser applied to a text box.
int64_t ParseBox(const QLineEdit* box);

// A push button whose object name is its text; Return does not press it.
QPushButton* TextButton(const QString& text);

// Appends the two buttons that end a settings dialog to `row`: `confirm`
// runs when the first is pressed (it checks, saves and closes the dialog);
// the second rejects `dialog`, which saves nothing.
void AddConfirmButtons(QDialog* dialog, QBoxLayout* row, const QString& confirm_text,
                       const QString& cancel_text, std::function<void()> confirm);

// A short text box; `digits_only` refuses anything but digits as it is typed.
QLineEdit* NumberBox(const QString& object_name, bool digits_only, int width = 40);

// Appends the 104 key names and selects "= empty".
void FillKeyList(QComboBox* list);
// Selects `index` when it names a key; other values leave the list as it is.
void SelectKey(QComboBox* list, int64_t index);

// A 25 by 25 picture shown on a button.
QPixmap ThumbnailPixmap(const assets::Picture& picture);

// A button showing the thumbnail of `slot`.
QPushButton* PictureButton(const SlotRef& slot);
void ShowThumbnail(QPushButton* button, PictureSlots& pictures, const SlotRef& slot);

// A frame with a grid inside, tightly spaced.
QGroupBox* Frame(const QString& title, QGridLayout*& grid);

}  // namespace config
