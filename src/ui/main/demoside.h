// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;

namespace zeno {

class RecordedPass;
class SetupSide;

// Help > "Listen to a Recorded Pass", the first run without a radio: ZENO's own engine hears a
// recorded pass and the link talks to it, in the listener layout for the rest of the run. When
// the recording is over the link goes back to the engine of engine.ini.
class DemoSide : public QObject {
    Q_OBJECT
public:
    // linkStatus: the status bar's line about the engine link.
    DemoSide(const SideContext& context, SetupSide& setup, QLabel* linkStatus);
    ~DemoSide() override;

    void listenToRecordedPass();

signals:
    // The link now talks to the engine at this address; up: it answered at once.
    void engineMoved(bool up, const QString& engineAddress);

private:
    void moveLink(const QString& host, quint16 port);
    void onReady(quint16 port);
    void onOver(const QString& problem);

    SideContext context_;
    SetupSide& setup_;
    QLabel* linkStatus_;
    QPointer<RecordedPass> pass_;
    bool onDemoEngine_ = false;  // the link talks to the pass's engine
};

}  // namespace zeno
