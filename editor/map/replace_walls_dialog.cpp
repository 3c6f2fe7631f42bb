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

// A frame holding one row of controls.
QGroupBox* RowFrame(const QString& title, int number, QHBoxLayout*& row) {
  auto* frame = kit::Numbered(new QGroupBox(title), number);
  row = new QHBoxLayout(frame);
  row->setContentsMargins(10, 4, 10, 6);
  return frame;
}

}  // namespace

ReplaceWallsDialog::ReplaceWallsDialog(QWidget* main_window, world::LevelGrid& grid,
                                       std::function<void()> changed)
    : ModalDialog(main_window, "Replace Walls", QSize(409, 282)), grid_(grid), changed_(std::move(changed)) {
  setObjectName("ReplaceWallsDialog");
  // The first label of every frame is as wide as the widest, so that the
  // boxes after them line up.
  const int label_width = QFontMetrics(font()).horizontalAdvance("Replace Wall") + 6;
  const auto first_label = [label_width](const QString& text, int number) {
    auto* label = kit::Numbered(new QLabel(text), number);
    label->setFixedWidth(label_width);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
  };
  const auto operation = [this](QPushButton* button, std::function<void()> run) {
    connect(button, &QPushButton::clicked, this, [this, run] {
      run();
      changed_();
    });
  };

  QHBoxLayout* row = nullptr;
  QGroupBox* replace_frame = RowFrame("Replace Walls", 459, row);
  QLineEdit* from = WallBox(460);
  QLineEdit* to = WallBox(461);
  QPushButton* replace = Button("Replace", 464, 70);
  row->addWidget(first_label("Replace Wall", 462));
  row->addWidget(from);
  row->addSpacing(20);
  row->addWidget(kit::Numbered(new QLabel("with Wall"), 463));
  row->addWidget(to);
  row->addStretch();
  row->addWidget(replace);
  operation(replace, [this, from, to] { world::ReplaceCells(grid_, ByteOf(from), ByteOf(to)); });

  QGroupBox* fill_frame = RowFrame("Fill World with Walls, don't replace existing", 465, row);
  QLineEdit* fill = WallBox(466);
  QPushButton* fill_button = Button("Fill", 468, 70);
  row->addWidget(first_label("Wall", 467));
  row->addWidget(fill);
  row->addStretch();
  row->addWidget(fill_button);
  operation(fill_button, [this, fill] { world::FillEmptyCells(grid_, ByteOf(fill)); });

  QGroupBox* border_frame = RowFrame("Fill Border with Walls and replace existing Walls", 469, row);
  QLineEdit* border = WallBox(470);
  QPushButton* border_button = Button("Fill Border", 472, 70);
  row->addWidget(first_label("Wall", 471));
  row->addWidget(border);
  row->addStretch();
  row->addWidget(border_button);
  operation(border_button, [this, border] { world::FillBorder(grid_, ByteOf(border)); });

  QPushButton* close = Button("close", 474, 50);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(30, 10, 29, 10);
  layout->addStretch();
  layout->addWidget(replace_frame);
  layout->addWidget(fill_frame);
  layout->addWidget(border_frame);
  layout->addWidget(kit::Numbered(new QLabel("Wall 0 = erase Wall"), 473));
  layout->addWidget(close, 0, Qt::AlignHCenter);
  layout->addStretch();
  FixClientSize();
}

void ReplaceWallsDialog::Run(QWidget* main_window, world::LevelGrid& grid, std::function<void()> changed) {
  ReplaceWallsDialog dialog(main_window, grid, std::move(changed));
  dialog.RunModal();
}

}  // namespace app
