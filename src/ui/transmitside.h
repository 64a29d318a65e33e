#pragma once

#include "ui/sidecontext.h"

#include <QObject>
#include <QString>

namespace zeno {

// The transmit side of the main window: UI frames, the APRS position and its setup,
// APRS messages and bulletins, the beacon and the six entry histories.
class TransmitSide : public QObject {
    Q_OBJECT
public:
    explicit TransmitSide(const SideContext& context);
    ~TransmitSide() override;

    // After the settings are shown at start-up: APRS controls enabled or not, beacon label.
    void applyStartupState();

    void Command2_Click();
    void Command9_Click();
    void Command7_Click();
    void Command19_Click();
    void Command11_Click();
    void Command12_Click();
    void Command17_Click();
    void Combo1_KeyPress(int KeyAscii);
    void Combo2_KeyPress(int KeyAscii);
    void Combo3_KeyPress(int KeyAscii);
    void Combo4_KeyPress(int KeyAscii);
    void Combo5_KeyPress(int KeyAscii);
    void Combo6_KeyPress(int KeyAscii);
    void sendHeaderOnly();
    void setupAprsPosition();
    void editHistory(int mode);
    void Label6_DblClick();
    void Klok_Change();
    void beaconStep();
    void BeaconOn();
    void BeaconOff();
    void SendMheardList(int asBulletin);

private:
    SideContext context_;
};

}  // namespace zeno
