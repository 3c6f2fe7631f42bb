#include "shell/builtin_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace app {

namespace {

QImage Blank(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

}  // namespace

QImage PlayerPicture() {
  QImage image = Blank(25, 25, QColor(128, 128, 192));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 30, 20), 1));
  p.setBrush(QColor(246, 204, 150));  // face
  p.drawEllipse(QRectF(4.5, 4.5, 16, 18));
  p.setBrush(QColor(40, 90, 40));  // helmet
  p.drawChord(QRectF(3.5, 2.5, 18, 14), 0, 180 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 60));  // eyes
  p.drawEllipse(QRectF(8.5, 11.5, 2.5, 2.5));
  p.drawEllipse(QRectF(14, 11.5, 2.5, 2.5));
  p.setPen(QPen(QColor(150, 40, 40), 1.2));  // mouth
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(9.5, 13.5, 6, 5), 200 * 16, 140 * 16);
  return image;
}

QImage ArrowPicture(world::Arrow arrow) {
  QImage image = Blank(20, 20, QColor(212, 212, 220));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(150, 150, 165), 1));
  p.drawRect(QRectF(0.5, 0.5, 19, 19));
  p.translate(10, 10);
  const int turns[] = {180, 0, 270, 90};  // left, right, up, down
  p.rotate(turns[static_cast<int>(arrow)]);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 90));
  p.drawPolygon(QPolygonF({QPointF(6, 0), QPointF(-3, -6), QPointF(-3, 6)}));
  p.drawRect(QRectF(-6, -1.5, 4, 3));
  return image;
}

QImage AboutPicture() {
  QImage image = Blank(280, 174, QColor(40, 40, 70));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 174);
  sky.setColorAt(0, QColor(30, 30, 60));
  sky.setColorAt(1, QColor(128, 128, 192));
  p.fillRect(image.rect(), sky);
  // A corridor seen from inside: floor, ceiling and walls meeting at a door.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 70, 50));
  p.drawPolygon(QPolygonF({QPointF(0, 174), QPointF(280, 174), QPointF(170, 116), QPointF(110, 116)}));
  p.setBrush(QColor(120, 60, 50));
  p.drawPolygon(QPolygonF({QPointF(0, 60), QPointF(110, 76), QPointF(110, 116), QPointF(0, 174)}));
  p.drawPolygon(QPolygonF({QPointF(280, 60), QPointF(170, 76), QPointF(170, 116), QPointF(280, 174)}));
  p.setBrush(QColor(60, 120, 60));
  p.drawRect(QRectF(125, 82, 30, 34));
  p.setPen(QPen(QColor(20, 20, 20, 120), 1));
  for (int i = 1; i < 6; ++i) {
    const double t = i / 6.0;
    p.drawLine(QPointF(110 * t, 60 + 16 * t), QPointF(110 * t, 174 - 58 * t));
    p.drawLine(QPointF(280 - 110 * t, 60 + 16 * t), QPointF(280 - 110 * t, 174 - 58 * t));
  }
  QFont title("Sans", 22, QFont::Bold);
  p.setFont(title);
  p.setPen(QColor(255, 230, 120));
  p.drawText(QRectF(0, 8, 280, 36), Qt::AlignCenter, "Tarnwick");
  QFont small("Sans", 8);
  p.setFont(small);
  p.setPen(QColor(230, 230, 240));
  p.drawText(QRectF(0, 42, 280, 16), Qt::AlignCenter, "maze game editor - click to close");
  return image;
}

}  // namespace app
