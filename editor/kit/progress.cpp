#include "kit/progress.h"

#include <QCoreApplication>

namespace kit {

void RepaintPending() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

ProgressDisplay ProgressDisplay::Make(QWidget* parent, const QString& caption, int maximum) {
  ProgressDisplay display;
  display.bar = new QProgressBar(parent);
  display.bar->setGeometry(390, 290, 185, 25);
  display.bar->setRange(0, maximum);
  display.bar->setTextVisible(false);
  display.bar->hide();
  display.caption = new QLabel(caption, parent);
  display.caption->setGeometry(420, 250, 115, 15);
  display.caption->setAlignment(Qt::AlignCenter);
  display.caption->hide();
  return display;
}

void ProgressDisplay::SetShown(bool shown) const {
  bar->setVisible(shown);
  caption->setVisible(shown);
  RepaintPending();
}

void ProgressDisplay::SetPosition(int position) const {
  bar->setValue(position);
  RepaintPending();
}

}  // namespace kit
