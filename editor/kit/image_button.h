// A button that is one picture filling its whole face, as the tool palette,
// the texture dialogs and the About box show them; it looks pressed while
// held down.
#pragma once

#include <QAbstractButton>
#include <QImage>

namespace kit {

class ImageButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit ImageButton(QWidget* parent = nullptr);
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace kit
