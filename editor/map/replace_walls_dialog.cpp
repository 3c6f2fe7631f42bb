#include "map/replace_walls_dialog.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/control_numbers.h"
#include "kit/dialog_controls.h"
#include "world/editing_tools.h"

namespace app {

namespace {

uint8_t ByteOf(const QLineEdit* box) {
  return world::WallByteOfText(box->text().toStdString());
}

QLineEdit* WallBox(int number) {
  QLineEdit* box = kit::Numbered(kit::NumberBox("", false, 20), number);
  box->setText("0");
  box->setTextMargins(0, 0, 0, 0);
  return box;
}

QPushButton* Button(const QString& text, int number, int width) {
  QPushButton* button = kit::Numbered(kit::TextButton(text), number);
  button->setFixedSize(width, 20);
  return button;
}

// One frame of the dialog: a label and a wall box (two of each for
// "Replace"), then the button that applies the operation to the grid.
struct Operation {
  const char* title;
  int frame;
  const char* label;
  int label_number;
  int box;
  const char* second_label;  // nullptr when the operation takes one wall
  int second_label_number;
  int second_box;
  const char* button;
  int button_number;
  void (*apply)(world::LevelGrid& grid, uint8_t first, uint8_t second);
};

const Operation kOperations[] = {
    {"Replace Walls", 459, "Replace Wall", 462, 460, "with Wall", 463, 461, "Replace", 464,
     [](world::LevelGrid& grid, uint8_t from, uint8_t to) { world::ReplaceCells(grid, from, to); }},
    {"Fill World with Walls, don't replace existing", 465, "Wall", 467, 466, nullptr, 0, 0, "Fill", 468,
     [](world::LevelGrid& grid, uint8_t wall, uint8_t) { world::FillEmptyCells(grid, wall); }},
    {"Fill Border with Walls and replace existing Walls", 469, "Wall", 471, 470, nullptr, 0, 0, "Fill Border",
     472, [](world::LevelGrid& grid, uint8_t wall, uint8_t) { world::FillBorder(grid, wall); }},
};

// The frame of `operation`; its button calls `run` with the wall bytes of
// the boxes. The first label is `label_width` wide, so that the boxes after
// it line up from frame to frame.
QGroupBox* OperationFrame(const Operation& operation, int label_width,
                          std::function<void(uint8_t first, uint8_t second)> run) {
  auto* frame = kit::Numbered(new QGroupBox(operation.title), operation.frame);
  auto* row = new QHBoxLayout(frame);
  row->setContentsMargins(10, 4, 10, 6);
  auto* label = kit::Numbered(new QLabel(operation.label), operation.label_number);
  label->setFixedWidth(label_width);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QLineEdit* first = WallBox(operation.box);
  row->addWidget(label);
  row->addWidget(first);
  QLineEdit* second = nullptr;
  if (operation.second_label) {
    second = WallBox(operation.second_box);
    row->addSpacing(20);
    row->addWidget(kit::Numbered(new QLabel(operation.second_label), operation.second_label_number));
    row->addWidget(second);
  }
  row->addStretch();
  QPushButton* button = Button(operation.button, operation.button_number, 70);
  row->addWidget(button);
  QObject::connect(button, &QPushButton::clicked, frame,
                   [run, first, second] { run(ByteOf(first), second ? ByteOf(second) : 0); });
  return frame;
}

}  // namespace

ReplaceWallsDialog::ReplaceWallsDialog(QWidget* main_window, world::LevelGrid& grid,
                                       std::function<void()> changed)
    : ModalDialog(main_window, "Replace Walls", QSize(409, 282)), grid_(grid), changed_(std::move(changed)) {
  setObjectName("ReplaceWallsDialog");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(30, 10, 29, 10);
  layout->addStretch();
  const int label_width = QFontMetrics(font()).horizontalAdvance("Replace Wall") + 6;
  for (const Operation& operation : kOperations) {
    layout->addWidget(
        OperationFrame(operation, label_width, [this, apply = operation.apply](uint8_t a, uint8_t b) {
          apply(grid_, a, b);
          changed_();
        }));
  }
  layout->addWidget(kit::Numbered(new QLabel("Wall 0 = erase Wall"), 473));
  QPushButton* close = Button("close", 474, 50);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignHCenter);
  layout->addStretch();
  FixClientSize();
}

void ReplaceWallsDialog::Run(QWidget* main_window, world::LevelGrid& grid, std::function<void()> changed) {
  ReplaceWallsDialog dialog(main_window, grid, std::move(changed));
  dialog.RunModal();
}

}  // namespace app
