#pragma once

#include "config/settings.h"
#include "tx/beacon.h"
#include "ui/sidecontext.h"

#include <QObject>
#include <QString>
#include <optional>

class QComboBox;

namespace zeno {

// The transmit side of the main window: UI frames, the APRS position and its setup,
// APRS messages and bulletins, the beacon and the six entry histories. Every frame goes to
// the link as kind "V" with the call string of the To and Via boxes; nothing waits for or
// checks a result.
class TransmitSide : public QObject {
    Q_OBJECT
public:
    explicit TransmitSide(const SideContext& context);
    ~TransmitSide() override;

    // After the poll timer runs at start-up: APRS controls enabled or not, beacon label.
    void applyStartupState();

    void Command2_Click();   // TX UI data/text
    void Command9_Click();   // TX APRS position
    void Command7_Click();   // TX APRS message
    void Command19_Click();  // opens the APRS setup
    void Command11_Click();  // edit APRS-comment history
    void Command12_Click();  // edit TX-text history
    void Command17_Click();  // edit APRS-message history
    void Combo1_KeyPress(int KeyAscii);
    void Combo2_KeyPress(int KeyAscii);
    void Combo3_KeyPress(int KeyAscii);
    void Combo4_KeyPress(int KeyAscii);
    void Combo5_KeyPress(int KeyAscii);
    void Combo6_KeyPress(int KeyAscii);
    void sendHeaderOnly();       // Send menu "UI Header only"
    void setupAprsPosition();    // Setup menu "Setup APRS Position && Icon..."
    void editHistory(int mode);  // 0 TX text, 1 APRS comment, 2 APRS message text
    void Label6_DblClick();
    void Klok_Change();  // the clock caption changed ("klok" = clock): timed beacon
    void beaconStep();   // one poll tick of beacon time
    void BeaconOn();
    void BeaconOff();
    void SendMheardList(int asBulletin);

    // One UI frame with the call string of the boxes; false when the operator gave no call.
    bool SendUiFrame(const QString& data);
    // A long text in UI frames of 90 characters ("stuur" = send).
    void StuurMonitorTekst(const QString& text);

    // The six history rules, each on its own box.
    void ADDTXData();
    void AddAPRSData();
    void ADDToData();
    void ADDViaData();
    void AddFor();
    void AddMessage();

    // The comment box text becomes the comment the APRS setup stores (Setup menu items).
    void keepCommentFromBox();
    QString currentComment() const { return currentComment_; }
    // The address of the last unconnected frame.
    QString callString() const { return callString_; }
    int beaconTicks() const { return beacon_.ticks(); }

private:
    // Steps every send shares: the call string (asking when To and Via are blank) and the
    // boxes in upper case, copied to the current To and path. Nothing when no call was given.
    std::optional<QString> takeCallString(const QString& prompt);
    void sendFrame(const QString& call, const QString& data);
    void addHistory(HistoryBox box);
    void showAprsAvailable(bool available);
    void showBeaconLabel(bool on);
    QComboBox* comboFor(HistoryBox box) const;
    void selectWholeText(QComboBox* box);
    void cutBoxText(HistoryBox box, int maxLength);
    SideContext context_;
    QString callString_;
    QString currentComment_;
    BeaconCounter beacon_;
    // Boxes or windows of ours that are open: the beacon does not start a send meanwhile.
    int modalDepth_ = 0;
};

}  // namespace zeno
