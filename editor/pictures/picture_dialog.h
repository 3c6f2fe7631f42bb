// The dialog shared by the texture and enemy animation windows: titled
// frames holding columns of picture buttons, each button importing a picture
// into its slot, and a "close" button. After every button press the
// thumbnails are cut from the icon sheet again, so a new picture shows at
// once.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "config/picture_slots.h"
#include "kit/modal_dialog.h"
#include "settings/dialog_context.h"

class QBoxLayout;
class QGridLayout;
class QGroupBox;

namespace kit {
class ImageButton;
}

namespace assets {

// The slot of a number within a family of slots (a wall texture, the door
// of a level, a frame of one enemy).
using SlotOf = std::function<config::SlotRef(int)>;

class PictureDialog : public kit::ModalDialog {
 public:
  // The button of that slot; null when the dialog has none.
  kit::ImageButton* Button(const std::string& slot_name) const;

 protected:
  PictureDialog(QWidget* main_window, config::DialogContext& context, const QString& title,
                QSize client_size);

  static constexpr int kButtonSize = 25;
  static constexpr int kLabelHeight = 15;

  // A titled frame whose grid keeps picture buttons 25 pixels apart.
  static QGroupBox* PictureFrame(const QString& caption, QGridLayout*& grid);
  // A picture frame with the slots slot_of(1) to slot_of(count) in columns
  // of ten: column k holds slot_of(10k + 1) to slot_of(10k + 10) from top to
  // bottom (rows 1 to 10), with centred labels of the first number above
  // (row 0) and the last below them (row 11).
  QGroupBox* NumberedColumns(const QString& caption, const SlotOf& slot_of, int count);
  // A picture frame with one column of the slots slot_of(first) to
  // slot_of(first + count - 1), from top to bottom.
  QGroupBox* Column(const QString& caption, const SlotOf& slot_of, int first, int count);
  // Lays the dialog out: the `heading` (when there is one), `body`, and
  // "close" below them; then builds the controls. The dialog's own
  // constructor calls it last.
  void Finish(const QString& heading, QBoxLayout* body);

  // Called after each build of the controls.
  virtual void ControlsBuilt() {}
  // Called when the dialog ends, before it closes.
  virtual void Closing() {}

  config::DialogContext& Context() { return context_; }

 private:
  // Shows every slot's thumbnail as the icon sheet holds it now, then calls
  // ControlsBuilt.
  void BuildControls();
  void AddButton(QGridLayout* grid, int row, int column, const config::SlotRef& slot);
  void Import(const config::SlotRef& slot);
  // "close", a close request and Escape all end the dialog the same way.
  void reject() override;

  config::DialogContext& context_;
  std::vector<std::pair<config::SlotRef, kit::ImageButton*>> buttons_;
};

}  // namespace assets
