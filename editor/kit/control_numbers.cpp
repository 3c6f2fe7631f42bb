#include "kit/control_numbers.h"

#include <QVariant>

namespace kit {

void SetControlNumber(QWidget* widget, int number) {
  widget->setProperty("control", number);
}

int ControlNumberOf(const QWidget* widget) {
  return widget->property("control").toInt();
}

QWidget* FindControl(QWidget* root, int number) {
  if (!root) return nullptr;
  if (ControlNumberOf(root) == number) return root;
  for (QWidget* child : root->findChildren<QWidget*>())
    if (ControlNumberOf(child) == number) return child;
  return nullptr;
}

}  // namespace kit
