// A main window on a temporary program folder, driven like a person would:
// mouse events through the window system, keys, menu commands and dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "assets/picture.h"
#include "kit/control_numbers.h"
#include "kit/image_button.h"
#include "platform/scripted_prompter.h"
#include "shell/main_window.h"
#include "tests/support/temp_folder.h"
#include "world/map_thumbnails.h"

namespace testing_support {

// An icon sheet whose tile at (x, y) has the colour (x / 25 * 10, y / 25 * 10, 7),
// so every thumbnail tells where it was cut from.
inline assets::Picture NumberedSheet() {
  assets::Picture sheet(550, 550);
  for (int y = 0; y < 550; ++y)
    for (int x = 0; x < 550; ++x)
      sheet.set(x, y, {static_cast<uint8_t>(x / 25 * 10), static_cast<uint8_t>(y / 25 * 10), 7});
  return sheet;
}

// Runs `action` on the next modal dialog as soon as it is open.
inline void WhenModal(std::function<void(QDialog*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    action(dialog);
  });
  timer->start();
}

// Checks that `dialog` runs modal over `main_window` and centred on it.
inline void ExpectModalAndCentred(QWidget* dialog, QWidget* main_window) {
  EXPECT_EQ(dialog->parentWidget(), main_window);
  EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(QApplication::activeModalWidget(), dialog);
  const QPoint offset = dialog->frameGeometry().center() - main_window->frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ", " << offset.y();
}

inline void TypeAndPress(QDialog* dialog, const char* number_box, const QString& text, const char* button) {
  dialog->findChild<QLineEdit*>(number_box)->setText(text);
  dialog->findChild<QPushButton*>(button)->click();
}

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("twksys/ic", assets::EncodeBmp24(NumberedSheet()));
    window = std::make_unique<app::MainWindow>(platform::Workspace(folder.path()), prompter);
    window->Start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override { window.reset(); }

  QWidget* Control(int number) { return kit::FindControl(window.get(), number); }
  app::EditorState& State() { return window->State(); }
  world::LevelGrid& Grid() { return window->State().level.grid; }

  // A point in client coordinates of the main window (below the menu bar)
  // in coordinates of its window-system window.
  QPoint At(int x, int y) { return window->centralWidget()->mapTo(window.get(), QPoint(x, y)); }
  void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(window->windowHandle(), b, {}, At(x, y));
  }
  void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(window->windowHandle(), b, {}, At(x, y));
  }
  void Move(int x, int y) { QTest::mouseMove(window->windowHandle(), At(x, y)); }
  void Click(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    Move(x, y);
    Press(x, y, b);
    Release(x, y, b);
  }
  void ClickControl(int number) {
    QWidget* control = Control(number);
    ASSERT_NE(control, nullptr) << number;
    const QPoint centre = control->mapTo(window->centralWidget(), control->rect().center());
    Click(centre.x(), centre.y());
  }
  void Key(Qt::Key key) { QTest::keyClick(window.get(), key); }
  QString Text(int number) {
    QWidget* w = Control(number);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    return {};
  }

  TempFolder folder;
  platform::ScriptedPrompter prompter;
  std::unique_ptr<app::MainWindow> window;
};

}  // namespace testing_support
