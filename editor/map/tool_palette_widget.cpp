#include "map/tool_palette_widget.h"

#include <QFrame>
#include <QMouseEvent>

#include "kit/control_numbers.h"
#include "kit/qt_picture.h"
#include "world/cell_codes.h"
#include "world/palette_layout.h"

namespace world {

ToolPaletteWidget::ToolPaletteWidget(QWidget* parent, const std::array<QImage, 4>& arrows) : QWidget(parent) {
  setMouseTracking(true);
  // The small dialog font the layout's sizes were made for ("BlockX: 64"
  // fits its 60 pixels, "NextLevel" its frame).
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
  for (const PaletteControl& c : PaletteLayout()) {
    QWidget* widget = nullptr;
    switch (c.kind) {
      case PaletteControlKind::kFrame: {
        auto* frame = new QGroupBox(QString::fromStdString(c.text), this);
        if (c.number == kDoorFrame) door_frame_ = frame;
        widget = frame;
        break;
      }
      case PaletteControlKind::kText: {
        auto* label = new QLabel(QString::fromStdString(c.text), this);
        if (c.number == kBlockXText) block_x_ = label;
        if (c.number == kBlockYText) block_y_ = label;

        widget = label;
        break;
      }
      case PaletteControlKind::kPictureButton:
      case PaletteControlKind::kArrowButton: {
        auto* button = new kit::ImageButton(this);
        if (c.arrow) button->SetPicture(arrows[static_cast<size_t>(*c.arrow)]);
        if (c.cell_code) {
          thing_buttons_[c.number] = button;
          code_of_button_[c.number] = *c.cell_code;
        }
        const int number = c.number;
        connect(button, &QAbstractButton::clicked, this, [this, number] {
          if (on_control) on_control(number);
        });
        widget = button;
        break;
      }
    }
    kit::SetControlNumber(widget, c.number);
    widget->setGeometry(c.x, c.y, c.width, c.height);
    // The cursor is followed over the buttons, frames and texts too.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
  }
  held_frame_ = new QFrame(this);
  held_frame_->setObjectName("held");
  held_frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
  held_frame_->setStyleSheet("#held { border: 2px solid rgb(255, 200, 0); background: transparent; }");
  held_frame_->hide();
}

void ToolPaletteWidget::SetHeld(std::optional<int> control) {
  const auto button = control ? thing_buttons_.find(*control) : thing_buttons_.end();
  if (button == thing_buttons_.end()) {
    held_frame_->hide();
    return;
  }
  held_frame_->setGeometry(button->second->geometry().adjusted(-3, -3, 3, 3));
  held_frame_->raise();
  held_frame_->show();
}

bool ToolPaletteWidget::eventFilter(QObject* watched, QEvent* event) {
  auto* control = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::MouseMove && control && on_mouse) {
    const auto* move = static_cast<QMouseEvent*>(event);
    const QPoint at = control->mapTo(parentWidget(), move->position().toPoint());
    on_mouse(MouseEvent::kMove, at.x(), at.y());
  }
  return QWidget::eventFilter(watched, event);
}

void ToolPaletteWidget::SetThumbnails(const MapThumbnails& thumbnails) {
  for (auto& [number, button] : thing_buttons_)
    if (const assets::Picture* tile = thumbnails.Of(code_of_button_[number]))
      button->SetPicture(platform::ToQImage(*tile));
}

void ToolPaletteWidget::SetDoor(const assets::Picture& thumbnail, const QString& level_number) {
  thing_buttons_[kDoorButton]->SetPicture(platform::ToQImage(thumbnail));
  door_frame_->setTitle("Door " + level_number);
}

void ToolPaletteWidget::SetReadOut(const QString& block_x, const QString& block_y) {
  block_x_->setText(block_x);
  block_y_->setText(block_y);
}

namespace {

std::optional<MouseEvent> PressKind(const QMouseEvent* event, bool down) {
  if (event->button() == Qt::LeftButton) return down ? MouseEvent::kLeftDown : MouseEvent::kLeftUp;
  if (event->button() == Qt::RightButton) return down ? MouseEvent::kRightDown : MouseEvent::kRightUp;
  return std::nullopt;
}

}  // namespace

void ToolPaletteWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = mapTo(parentWidget(), event->position().toPoint());
  if (const auto kind = PressKind(event, true); kind && on_mouse) on_mouse(*kind, at.x(), at.y());
}

void ToolPaletteWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = mapTo(parentWidget(), event->position().toPoint());
  if (const auto kind = PressKind(event, false); kind && on_mouse) on_mouse(*kind, at.x(), at.y());
}

void ToolPaletteWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = mapTo(parentWidget(), event->position().toPoint());
  if (on_mouse) on_mouse(MouseEvent::kMove, at.x(), at.y());
}

}  // namespace world
