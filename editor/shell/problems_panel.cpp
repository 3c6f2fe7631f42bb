#include "shell/problems_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace app {

namespace {

enum Column { kSeverity, kFile, kCell, kMessage, kRule };

QString CellText(const world::Problem& problem) {
  if (!problem.cell) return {};
  return QString("%1:%2").arg(problem.cell->column + 1).arg(problem.cell->row + 1);
}

QString Summary(const std::vector<world::Problem>& problems) {
  const auto errors = std::count_if(problems.begin(), problems.end(), [](const world::Problem& p) {
    return p.severity == world::Severity::kError;
  });
  const auto warnings = static_cast<qsizetype>(problems.size()) - errors;
  if (problems.empty()) return "No problems";
  return QString("%1 error%2, %3 warning%4")
      .arg(errors)
      .arg(errors == 1 ? "" : "s")
      .arg(warnings)
      .arg(warnings == 1 ? "" : "s");
}

}  // namespace

ProblemsPanel::ProblemsPanel(QWidget* main_window)
    : QWidget(main_window, Qt::Tool),
      main_window_(main_window),
      list_(new QTreeWidget(this)),
      summary_(new QLabel(this)) {
  setWindowTitle("Problems");
  setObjectName("problems panel");
  resize(560, 320);
  list_->setObjectName("problems");
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({"", "File", "Cell", "Problem", "Rule"});
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(kMessage, QHeaderView::Stretch);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    const int index = list_->indexOfTopLevelItem(item);
    if (on_open && index >= 0 && index < static_cast<int>(problems_.size()))
      on_open(problems_[static_cast<size_t>(index)]);
  });
  auto* check = new QPushButton("Check", this);
  check->setObjectName("check");
  connect(check, &QPushButton::clicked, this, [this] {
    if (on_check) on_check();
  });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(summary_, 1);
  bottom->addWidget(check);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(bottom);
}

void ProblemsPanel::ShowList(std::vector<world::Problem> problems) {
  problems_ = std::move(problems);
  list_->clear();
  for (const world::Problem& problem : problems_) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(kSeverity, world::SeverityText(problem.severity));
    item->setForeground(kSeverity, problem.severity == world::Severity::kError ? Qt::red : Qt::darkYellow);
    item->setText(kFile, QString::fromStdString(problem.file));
    item->setText(kCell, CellText(problem));
    item->setText(kMessage, QString::fromStdString(problem.message));
    item->setText(kRule, QString::fromStdString(problem.rule));
    item->setToolTip(kMessage, QString::fromStdString(world::ProblemLine(problem)));
  }
  for (int column : {kSeverity, kFile, kCell, kRule}) list_->resizeColumnToContents(column);
  summary_->setText(Summary(problems_));
}

void ProblemsPanel::Open() {
  if (!placed_) {
    move(main_window_->frameGeometry().topRight() + QPoint(8, 0));
    placed_ = true;
  }
  show();
  raise();
}

}  // namespace app
