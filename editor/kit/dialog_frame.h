// The look shared by the editor's small dialogs: a fixed client size, a
// title bar without a close box, centred over the window that opens it.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app {

void MakeFixedDialog(QDialog& dialog, const QString& title, int width, int height);

QLabel* AddLabel(QWidget* parent, const QString& text, QRect geometry, int control = 0,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QLineEdit* AddTextBox(QWidget* parent, const QString& text, QRect geometry, int control = 0);
QPushButton* AddButton(QWidget* parent, const QString& text, QRect geometry, int control = 0);
// A titled frame, kept below the controls that lie on it.
QGroupBox* AddFrame(QWidget* parent, const QString& title, QRect geometry, int control = 0);

}  // namespace app
