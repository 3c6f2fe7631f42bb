#include "app/main_window.h"

#include <gtest/gtest.h>

TEST(MainWindow, OpensTitledTarnwick) {
  app::MainWindow window;
  window.show();
  EXPECT_EQ(window.windowTitle(), "Tarnwick");
}
