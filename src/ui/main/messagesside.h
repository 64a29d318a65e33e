// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/pollhooks.h"
#include "tx/receivedmessages.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace zeno {

class Form7;
class StationStore;

// The received APRS messages and their window: the poll tick's message lines go to the
// station's ReceivedMessages, and what it reports goes on to the window and the main window.
class MessagesSide : public QObject, public MessageLogHook {
    Q_OBJECT
public:
    explicit MessagesSide(const SideContext& context);
    ~MessagesSide() override;

    void LogAPRSMessages(const QString& header, const QString& data) override;
    // Opens (or raises) the "APRS Received Messages" window.
    void openReceivedMessages();
    // One of our numbered messages went out: its ack will mark it in the window, and until
    // then it goes out again to the same address.
    void rememberOwnMessage(const QString& addressee, const QString& number,
                            const QString& callString, const QString& information);
    // What the store kept fills the log and our messages; from now on it keeps what comes.
    void keepIn(StationStore& store);
    // After each poll tick: our messages due again go out (resendDue).
    void resendDueMessages();

signals:
    // The operator wants to answer this station.
    void replyRequested(const QString& callsign);
    // A numbered message for us asks for this acknowledgement (an information field).
    void ackDue(const QString& information);
    // Messages for this station logged since the window was last opened.
    void unreadChanged(int count);
    // A new message for this station ("Message from N2BBB: text").
    void messageForMe(const QString& notice);
    // One of our messages goes out again, exactly as it first went.
    void resendDue(const QString& callString, const QString& information);

private:
    SideContext context_;
    ReceivedMessages received_;
    StationStore* store_ = nullptr;
    QPointer<Form7> form7_;
};

}  // namespace zeno
