#include "app/main_window.h"

namespace app {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Tarnwick");
  resize(800, 620);
}

}  // namespace app
