// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/meld.h"

#include "ui/common/controls.h"
#include "ui/common/widgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace zeno {

namespace {

constexpr int kTickMs = 1000;
constexpr int kLastSecond = 4;   // it closes at the tick after this one
constexpr int kNarrowest = 240;  // a short message still gets a popup that looks like one
constexpr int kFrameAllowance = 16;

}  // namespace

Meld::Meld(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("Meld"));
    setWindowTitle(QStringLiteral("ZENO"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = controls::label(this, "Label1", QString());
    Label1->setFont(fontForFamily(QStringLiteral("Fixedsys")));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    Command1 = controls::button(this, "Command1", QStringLiteral("OK"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1, 1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);

    Timer1 = controls::timer(this, "Timer1", kTickMs);
    Timer1->start();

    connect(Timer1, &QTimer::timeout, this, &Meld::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &Meld::Command1_Click);
    giveDialogKeys(this, Command1);
}

void Meld::showMessage(const QString& text) {
    Label1->setText(text);
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    const QMargins margins = layout()->contentsMargins();
    // The window frame is known only once the popup has been shown: room is kept for one.
    const int frame = qMax(frameGeometry().width() - width(), kFrameAllowance);
    const int widest =
        where->availableGeometry().width() * 2 / 3 - margins.left() - margins.right() - frame;
    const QFontMetrics metrics(Label1->font());
    int longest = 0;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        longest = qMax(longest, metrics.horizontalAdvance(line));
    // A few pixels to spare: the label lays its text out with its own rounding.
    Label1->setFixedWidth(qBound(kNarrowest, longest + metrics.averageCharWidth(), widest));
    adjustSize();
    show();
}

void Meld::Timer1_Timer() {
    ++PopupSeconds;
    if (PopupSeconds > kLastSecond)
        close();
}

void Meld::Command1_Click() { close(); }

void Meld::closeEvent(QCloseEvent* event) {
    unloaded_ = true;
    Timer1->stop();
    QWidget::closeEvent(event);
}

}  // namespace zeno
