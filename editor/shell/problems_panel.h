// The Problems panel: the checker's list beside the main window, one row a
// problem; a double-click opens the problem's level at its cell.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "world/problem.h"

class QLabel;
class QTreeWidget;

namespace app {

class ProblemsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ProblemsPanel(QWidget* main_window);

  // Shows these problems in place of the ones shown.
  void ShowList(std::vector<world::Problem> problems);
  const std::vector<world::Problem>& Problems() const { return problems_; }
  // Shows the panel beside the main window (where it was, once moved).
  void Open();

  // A double-click on a problem.
  std::function<void(const world::Problem&)> on_open;
  // The "Check" button: the list wanted afresh.
  std::function<void()> on_check;

 private:
  QWidget* main_window_;
  QTreeWidget* list_;
  QLabel* summary_;
  std::vector<world::Problem> problems_;
  bool placed_ = false;
};

}  // namespace app
