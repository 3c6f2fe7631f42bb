// One QApplication on the offscreen platform for every GUI test.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Offscreen unless a platform is asked for (screenshots under Xvfb use xcb).
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
