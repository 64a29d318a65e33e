// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/ownframes.h"
#include "monitor/pollhooks.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QTimer>

class QLabel;
class QStatusBar;

namespace zeno {

// What the operator should notice without looking at the monitor, in the status bar: own
// frames a digipeater repeated (and how many came back today), the alarm, and sends that
// could not go out because the engine link is down. Important news also asks the desktop
// for attention.
class AwarenessSide : public QObject, public FrameWatchHook {
    Q_OBJECT
public:
    // A notice stays this long unless a newer one replaces it.
    static constexpr int kNoticeMs = 60000;

    AwarenessSide(const SideContext& context, QStatusBar* statusBar);

    void frameTaken(const AgwFrame& frame, const QString& header, const QString& body) override;
    void alarmSounded(const QString& header) override;

    // Asks the desktop to draw the operator's eye to the main window.
    void askForAttention();
    void showNotice(const QString& text);

private:
    void sendRequested(QChar kind);

    SideContext context_;
    QLabel* notice_;
    QLabel* repeatCount_;
    QTimer noticeTimer_;
    RepeatCount repeats_;
};

}  // namespace zeno
