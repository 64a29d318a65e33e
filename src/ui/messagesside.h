#pragma once

#include "tx/messagelog.h"
#include "ui/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace zeno {

class Form7;

// The received APRS messages: the program-wide log and its window.
class MessagesSide : public QObject {
    Q_OBJECT
public:
    explicit MessagesSide(const SideContext& context);
    ~MessagesSide() override;

    void LogAPRSMessages(const QString& header, const QString& data);
    // Opens (or raises) the "APRS Received Messages" window.
    void Command18_Click();

private:
    // Puts the station into the message addressee box and brings the main window forward.
    void replyTo(const QString& callsign);

    SideContext context_;
    MessageLog log_;
    QPointer<Form7> form7_;
};

}  // namespace zeno
