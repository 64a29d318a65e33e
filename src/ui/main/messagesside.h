// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/pollhooks.h"
#include "tx/receivedmessages.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

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
    // The store that keeps the log and our messages, opened when first needed.
    void keepIn(std::function<StationStore&()> openStore);
    // What the store kept fills the log and our messages, once, before anything new is logged;
    // from then on the store keeps what comes.
    void restoreKept();
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
    std::function<StationStore&()> openStore_;
    StationStore* store_ = nullptr;  // once restored
    QPointer<Form7> form7_;
};

}  // namespace zeno
