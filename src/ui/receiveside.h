#pragma once

#include "ui/sidecontext.h"

#include <QObject>
#include <QString>

namespace zeno {

class PollHooks;

// The receive side of the main window: the poll tick, the monitor view and its filters,
// the heard list, the alarm and the popup.
class ReceiveSide : public QObject {
    Q_OBJECT
public:
    ReceiveSide(const SideContext& context, PollHooks& hooks);
    ~ReceiveSide() override;

    void Timer1_Timer();
    void Check1_Click();
    void Command8_Click();
    void menufilters_Click(int Index);
    void Label13_Click();
    void Command16_Click();
    void Command6_Click();
    void Command5_Click();
    void List1_DblClick();
    void viewHeardStations();
    void PlayAlarm();
    // The self-closing popup ("Meld").
    void showPopup(const QString& text);

private:
    SideContext context_;
    PollHooks& hooks_;
};

}  // namespace zeno
