#include "ui/receiveside.h"

#include "monitor/pollhooks.h"

namespace zeno {

ReceiveSide::ReceiveSide(const SideContext& context, PollHooks& hooks) : context_(context), hooks_(hooks) {}
ReceiveSide::~ReceiveSide() = default;

void ReceiveSide::Timer1_Timer() {}
void ReceiveSide::Check1_Click() {}
void ReceiveSide::Command8_Click() {}
void ReceiveSide::menufilters_Click(int) {}
void ReceiveSide::Label13_Click() {}
void ReceiveSide::Command16_Click() {}
void ReceiveSide::Command6_Click() {}
void ReceiveSide::Command5_Click() {}
void ReceiveSide::List1_DblClick() {}
void ReceiveSide::viewHeardStations() {}
void ReceiveSide::PlayAlarm() {}
void ReceiveSide::showPopup(const QString&) {}

}  // namespace zeno
