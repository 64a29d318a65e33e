#pragma once

#include "ui/sidecontext.h"

#include <QObject>
#include <QString>

namespace zeno {

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
    SideContext context_;
};

}  // namespace zeno
