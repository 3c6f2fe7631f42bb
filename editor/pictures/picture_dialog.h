// The dialog shared by the texture and enemy animation windows: frames,
// labels and picture buttons at fixed places, each button importing a
// picture into its slot, and a "close" button. After every button press the
// thumbnails are cut from the icon sheet again, so a new picture shows at
// once.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "config/picture_slots.h"
#include "kit/qt_dialog_support.h"
#include "settings/dialog_context.h"

namespace platform {
class PictureButton;
}

namespace assets {

struct DialogFrame {
  QString caption;
  QRect geometry;
};

struct DialogLabel {
  QString text;
  QRect geometry;
  bool centred = false;
};

// A 25 by 25 picture button showing `slot`'s thumbnail.
struct DialogPicture {
  config::SlotRef slot;
  QPoint position;
};

// What makes one picture dialog: its title, inner size and controls.
struct PictureDialogTable {
  QString title;
  QSize size;
  std::vector<DialogFrame> frames;
  std::vector<DialogLabel> labels;
  std::vector<DialogPicture> pictures;
  QRect close;
};

// Adds the centred column labels above (at y = 50) and below (at y = 320)
// a column of ten picture buttons at `x`.
void AddColumnLabels(PictureDialogTable& table, int x, int first, int last);

class PictureDialog : public config::ModalDialog {
 public:
  PictureDialog(QWidget* main_window, config::DialogContext& context, const PictureDialogTable& table);

  // The button of that slot; null when the dialog has none.
  platform::PictureButton* Button(const std::string& slot_name) const;

 protected:
  // Shows every slot's thumbnail as the icon sheet holds it now, then calls
  // ControlsBuilt. A dialog calls it once its own controls exist.
  void BuildControls();
  // Called after each build of the controls.
  virtual void ControlsBuilt() {}
  // Called when the dialog ends, before it closes.
  virtual void Closing() {}

  config::DialogContext& Context() { return context_; }

 private:
  void Import(const config::SlotRef& slot);
  // "close", a close request and Escape all end the dialog the same way.
  void reject() override;

  config::DialogContext& context_;
  std::vector<std::pair<config::SlotRef, platform::PictureButton*>> buttons_;
};

}  // namespace assets
