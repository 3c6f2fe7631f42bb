// The controls the dialogs are built from: text boxes for numbers, the
// buttons that end a dialog, key lists, slot thumbnails on buttons and
// titled frames, and the conversions between text boxes and the 8-bit text
// of the workspace.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QBoxLayout;
class QComboBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace config {
class PictureSlots;
struct SlotRef;
}  // namespace config

namespace kit {

// The workspace files hold 8-bit text.
QString FromLatin1(const std::string& text);
std::string ToLatin1(const QString& text);

// The integer parser applied to a text box.
int64_t ParseBox(const QLineEdit* box);

// A push button whose object name is its text; Return does not press it.
QPushButton* TextButton(const QString& text);

// Appends the two buttons that end a dialog to `row`: `confirm` runs when
// the first is pressed (it checks, saves and closes the dialog); the second
// rejects `dialog`, which saves nothing.
void AddConfirmButtons(QDialog* dialog, QBoxLayout* row, const QString& confirm_text,
                       const QString& cancel_text, std::function<void()> confirm);

// A short text box; `digits_only` refuses anything but digits as it is typed.
QLineEdit* NumberBox(const QString& object_name, bool digits_only, int width = 40);

// A label whose text is centred in it.
QLabel* CentredLabel(const QString& text);

// Appends the 104 key names and selects "= empty".
void FillKeyList(QComboBox* list);
// Selects `index` when it names a key; other values leave the list as it is.
void SelectKey(QComboBox* list, int64_t index);

// A push button that shows the thumbnail of `slot` as its icon.
QPushButton* SlotButton(const config::SlotRef& slot);
void ShowThumbnail(QPushButton* button, config::PictureSlots& pictures, const config::SlotRef& slot);

// A titled frame with a grid inside, tightly spaced.
QGroupBox* Frame(const QString& title, QGridLayout*& grid);

}  // namespace kit
