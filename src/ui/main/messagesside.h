#pragma once

#include "monitor/pollhooks.h"
#include "tx/receivedmessages.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace zeno {

class Form7;

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
    // One of our numbered messages went out: its ack will mark it in the window.
    void rememberOwnMessage(const QString& addressee, const QString& number);

signals:
    // The operator wants to answer this station.
    void replyRequested(const QString& callsign);
    // A numbered message for us asks for this acknowledgement (an information field).
    void ackDue(const QString& information);
    // Messages for this station logged since the window was last opened.
    void unreadChanged(int count);
    // A new message for this station ("Message from N2BBB: text").
    void messageForMe(const QString& notice);

private:
    SideContext context_;
    ReceivedMessages received_;
    QPointer<Form7> form7_;
};

}  // namespace zeno
