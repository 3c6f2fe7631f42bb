// The About box: the editor's picture; a click on it closes the box.
#pragma once

#include <QWidget>

namespace app {

void RunAboutDialog(QWidget* parent);

}  // namespace app
