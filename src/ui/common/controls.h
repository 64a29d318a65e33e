// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class QWidget;

namespace zeno {

class ClickableLabel;
class ClockLabel;

// Where a control sits in its parent, in twips. A null rectangle leaves the control to the
// parent's layout.
struct Twips {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool isNull() const { return width <= 0 && height <= 0; }
};

// Moves and sizes a widget by a rectangle in twips; fitToHints (ui/hintfit.h) starts from it.
void placeTwips(QWidget* widget, const Twips& at);

// The one way every window makes its controls: each carries its name as objectName (tests and
// the menu arrays find it by that name), its tooltip, and its place in twips.
namespace controls {

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, const Twips& at = {});
QLabel* label(QWidget* parent, const char* name, const QString& text, const Twips& at = {});
ClockLabel* clockLabel(QWidget* parent, const char* name, const QString& text, const Twips& at);
ClickableLabel* clickableLabel(QWidget* parent, const char* name, const QString& text,
                               const QString& tip, const Twips& at = {});
// Buttons never become the default button: Enter belongs to the boxes.
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& tip = {}, const Twips& at = {});
QToolButton* pictureButton(QWidget* parent, const char* name, const QIcon& icon, const QString& tip,
                           const Twips& at = {});
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption,
                    const QString& tip = {}, const Twips& at = {});
QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption,
                           const QString& tip = {}, const Twips& at = {});
// An editable drop-down box whose list only the program fills.
QComboBox* comboBox(QWidget* parent, const char* name, const QString& text, const QString& tip = {},
                    const Twips& at = {});
QLineEdit* textBox(QWidget* parent, const char* name, const QString& text, const QString& tip = {},
                   const Twips& at = {});
QListWidget* listBox(QWidget* parent, const char* name, const QString& tip = {},
                     const Twips& at = {});
// The same for thousands of one-line rows (the heard list), where adding a row costs the same
// however many there are.
QListWidget* heardListBox(QWidget* parent, const char* name, const QString& tip = {},
                          const Twips& at = {});
QPlainTextEdit* textArea(QWidget* parent, const char* name, const Twips& at = {});
// The monitor: a text area that paints plain monitor text from cells drawn once.
QPlainTextEdit* monitorArea(QWidget* parent, const char* name, const Twips& at = {});
QTimer* timer(QObject* parent, const char* name, int intervalMs);

}  // namespace controls

}  // namespace zeno
