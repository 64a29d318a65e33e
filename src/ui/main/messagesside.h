#pragma once

#include "monitor/pollhooks.h"
#include "tx/messageacks.h"
#include "tx/messagelog.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace zeno {

class Form7;

// The received APRS messages: the program-wide log and its window, the messages for this
// station still unread, and the acknowledgements both ways.
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
    void takeAck(const QString& sender, const QString& number);

    SideContext context_;
    MessageLog log_;
    MessageAcks acks_;
    OwnMessages own_;
    int unread_ = 0;
    QPointer<Form7> form7_;
};

}  // namespace zeno
