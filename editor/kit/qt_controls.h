// Control numbers on widgets, and a picture button.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QWidget>

namespace platform {

// Every control carries its number in the property "control".
void SetControlNumber(QWidget* widget, int number);
int ControlNumberOf(const QWidget* widget);  // 0 when it has none

// The control of that number below `root` (or `root` itself), or nullptr.
QWidget* FindControl(QWidget* root, int number);

// Lets the windows repaint in the middle of long work; input that arrives
// meanwhile is not taken.
void RepaintPending();

// A button that shows one picture filling its whole face; it looks pressed
// while held down.
class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit PictureButton(QWidget* parent = nullptr);
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace platform
