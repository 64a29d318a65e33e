// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace zeno {

// The popup ("meld" = report): one line of news that closes itself after five seconds.
// Shown without blocking; it deletes itself when it closes, so hold it in a QPointer.
class Meld : public QWidget {
    Q_OBJECT
public:
    explicit Meld(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;         // the message
    QPushButton* Command1 = nullptr;  // "OK"
    QTimer* Timer1 = nullptr;         // one tick a second
    int PopupSeconds = 0;             // ticks since it was loaded

    // Shows the message in Label1, the popup as wide as its longest line up to two thirds of
    // the screen; longer lines wrap and the popup grows in height.
    void showMessage(const QString& text);

    // Closed (by itself, by OK or by the operator) and waiting to be deleted.
    bool isUnloaded() const { return unloaded_; }

public slots:
    void Timer1_Timer();
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool unloaded_ = false;
};

}  // namespace zeno
