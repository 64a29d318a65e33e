// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/controls.h"

#include "platform/units.h"
#include "ui/common/heardlistbox.h"
#include "ui/common/hintfit.h"
#include "ui/common/monitoredit.h"
#include "ui/common/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace zeno {

void placeTwips(QWidget* widget, const Twips& at) {
    const QRect place(twipsToPixels(at.left), twipsToPixels(at.top), twipsToPixels(at.width),
                      twipsToPixels(at.height));
    setRequestedPlace(widget, place);
    widget->setGeometry(place);
}

namespace controls {

namespace {

template <typename W>
W* made(W* widget, const char* name, const QString& tip, const Twips& at) {
    widget->setObjectName(QLatin1String(name));
    if (!tip.isEmpty())
        widget->setToolTip(tip);
    if (!at.isNull())
        placeTwips(widget, at);
    return widget;
}

}  // namespace

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, const Twips& at) {
    return made(new QGroupBox(caption, parent), name, {}, at);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const Twips& at) {
    return made(new QLabel(text, parent), name, {}, at);
}

ClockLabel* clockLabel(QWidget* parent, const char* name, const QString& text, const Twips& at) {
    return made(new ClockLabel(text, parent), name, {}, at);
}

ClickableLabel* clickableLabel(QWidget* parent, const char* name, const QString& text,
                               const QString& tip, const Twips& at) {
    return made(new ClickableLabel(text, parent), name, tip, at);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip,
                    const Twips& at) {
    auto* b = made(new QPushButton(caption, parent), name, tip, at);
    b->setAutoDefault(false);
    return b;
}

QToolButton* pictureButton(QWidget* parent, const char* name, const QIcon& icon, const QString& tip,
                           const Twips& at) {
    auto* b = made(new QToolButton(parent), name, tip, at);
    b->setIcon(icon);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QString& tip,
                    const Twips& at) {
    return made(new QCheckBox(caption, parent), name, tip, at);
}

QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption,
                           const QString& tip, const Twips& at) {
    return made(new QRadioButton(caption, parent), name, tip, at);
}

QComboBox* comboBox(QWidget* parent, const char* name, const QString& text, const QString& tip,
                    const Twips& at) {
    auto* box = made(new QComboBox(parent), name, tip, at);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setEditText(text);
    return box;
}

QLineEdit* textBox(QWidget* parent, const char* name, const QString& text, const QString& tip,
                   const Twips& at) {
    return made(new QLineEdit(text, parent), name, tip, at);
}

QListWidget* listBox(QWidget* parent, const char* name, const QString& tip, const Twips& at) {
    return made(new QListWidget(parent), name, tip, at);
}

QListWidget* heardListBox(QWidget* parent, const char* name, const QString& tip, const Twips& at) {
    return made(new HeardListBox(parent), name, tip, at);
}

QPlainTextEdit* textArea(QWidget* parent, const char* name, const Twips& at) {
    return made(new QPlainTextEdit(parent), name, {}, at);
}

QPlainTextEdit* monitorArea(QWidget* parent, const char* name, const Twips& at) {
    return made(new MonitorEdit(parent), name, {}, at);
}

QTimer* timer(QObject* parent, const char* name, int intervalMs) {
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(intervalMs);
    return t;
}

}  // namespace controls

}  // namespace zeno
