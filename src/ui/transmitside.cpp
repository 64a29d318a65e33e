#include "ui/transmitside.h"

namespace zeno {

TransmitSide::TransmitSide(const SideContext& context) : context_(context) {}
TransmitSide::~TransmitSide() = default;

void TransmitSide::applyStartupState() {}
void TransmitSide::Command2_Click() {}
void TransmitSide::Command9_Click() {}
void TransmitSide::Command7_Click() {}
void TransmitSide::Command19_Click() {}
void TransmitSide::Command11_Click() {}
void TransmitSide::Command12_Click() {}
void TransmitSide::Command17_Click() {}
void TransmitSide::Combo1_KeyPress(int) {}
void TransmitSide::Combo2_KeyPress(int) {}
void TransmitSide::Combo3_KeyPress(int) {}
void TransmitSide::Combo4_KeyPress(int) {}
void TransmitSide::Combo5_KeyPress(int) {}
void TransmitSide::Combo6_KeyPress(int) {}
void TransmitSide::sendHeaderOnly() {}
void TransmitSide::setupAprsPosition() {}
void TransmitSide::editHistory(int) {}
void TransmitSide::Label6_DblClick() {}
void TransmitSide::Klok_Change() {}
void TransmitSide::beaconStep() {}
void TransmitSide::BeaconOn() {}
void TransmitSide::BeaconOff() {}
void TransmitSide::SendMheardList(int) {}

}  // namespace zeno
