// Progress of long work in the main window: a progress bar with its
// caption, hidden until a long command runs, and the repaint that lets the
// windows show it.
#pragma once

#include <QLabel>
#include <QProgressBar>

namespace kit {

// Lets the windows repaint in the middle of long work; input that arrives
// meanwhile is not taken.
void RepaintPending();

struct ProgressDisplay {
  QProgressBar* bar = nullptr;
  QLabel* caption = nullptr;

  // A hidden bar of 0 to `maximum` at (390, 290), 185 by 25, with its
  // caption centred at (420, 250), 115 by 15.
  static ProgressDisplay Make(QWidget* parent, const QString& caption, int maximum);

  void SetShown(bool shown) const;
  // Moves the bar and lets the window repaint.
  void SetPosition(int position) const;
};

}  // namespace kit
