// Control numbers: every control that has one carries it in the property
// "control", so that the editor and its tests find controls by number.
#pragma once

#include <QWidget>

namespace kit {

void SetControlNumber(QWidget* widget, int number);
int ControlNumberOf(const QWidget* widget);  // 0 when it has none

// The widget, after giving it `number`.
template <class Widget>
Widget* Numbered(Widget* widget, int number) {
  SetControlNumber(widget, number);
  return widget;
}

// The control of that number below `root` (or `root` itself), or nullptr.
QWidget* FindControl(QWidget* root, int number);

}  // namespace kit
