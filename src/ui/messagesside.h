#pragma once

#include "monitor/pollhooks.h"
#include "tx/messagelog.h"
#include "ui/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace zeno {

class Form7;

// The received APRS messages: the program-wide log and its window.
class MessagesSide : public QObject, public MessageLogHook {
    Q_OBJECT
public:
    explicit MessagesSide(const SideContext& context);
    ~MessagesSide() override;

    void LogAPRSMessages(const QString& header, const QString& data) override;
    // Opens (or raises) the "APRS Received Messages" window.
    void openReceivedMessages();

signals:
    // The operator wants to answer this station.
    void replyRequested(const QString& callsign);

private:
    SideContext context_;
    MessageLog log_;
    QPointer<Form7> form7_;
};

}  // namespace zeno
