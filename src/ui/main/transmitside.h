// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"
#include "tx/uiframe.h"
#include "ui/main/form1controls.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QString>
#include <optional>

class QComboBox;

namespace zeno {

class HeardList;

// The transmit side of the main window: UI frames, the APRS position and its setup, APRS
// messages and bulletins, and the six entry histories. It owns the Communication, TX-Data,
// TX APRS Position and TX APRS Message panels. Every frame goes to the link as kind "V" with
// the call string of the To and Via boxes; nothing waits for or checks a result.
class TransmitSide : public QObject {
    Q_OBJECT
public:
    TransmitSide(const SideContext& context, const CommunicationPanel& communication,
                 const TxDataPanel& txData, const AprsPositionPanel& aprsPosition,
                 const AprsMessagePanel& aprsMessage);
    ~TransmitSide() override;

    // After the poll timer runs at start-up: the APRS controls enabled or not.
    void applyStartupState();
    // The setup dialog switched APRS on or off.
    void showAprsSwitch(bool on);
    // Listener (SWL) mode: the four transmit panels go and nothing is sent from here on.
    void enterListenerMode();
    // The Communication panel's height: the top row of the window.
    double topRowHeightTwips() const;

    void sendTxText();      // the TX text as a UI frame
    void sendHeaderOnly();  // a UI frame without data
    void sendPosition();    // the APRS position report
    void sendMessage();     // the APRS message to the For: box
    // The heard stations as a plain text or as a bulletin, in UI frames of 90 characters.
    void sendHeardList(const HeardList& heard, bool asBulletin);
    // Enter and other keys in one of the six boxes (character code as the key sends it).
    void keyPressInBox(HistoryBox box, int KeyAscii);
    // The history editor on a box's list (0 TX text, 1 APRS comment, 2 APRS message text).
    void editHistory(int mode);
    void openAprsSetup();
    // The comment box text becomes the comment the APRS setup stores (Setup menu items).
    void keepCommentFromBox();
    // keepCommentFromBox, then the APRS setup.
    void setupAprsPosition();
    // Puts a station into the message addressee box, ready for the message text.
    void addressMessageTo(const QString& call);
    // A frame the program answers with by itself (an acknowledgement): to the address the
    // operator's frames use, the boxes and their histories untouched.
    void sendAck(const QString& information);
    // One of our numbered messages once more, to the address it first went to.
    void resendMessage(const QString& callString, const QString& information);
    // Messages for this station not yet read: the received-messages button stands out.
    void showUnreadMessages(int count);

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

    // The boxes as the settings and the other parts see them.
    QComboBox* combo(HistoryBox box) const;
    QString boxText(HistoryBox box) const;
    void setBoxText(HistoryBox box, const QString& text);
    void setHistory(HistoryBox box, const QStringList& entries);
    void selectFirstEntry(HistoryBox box);
    void setBoxColors(int foreRgb, int backRgb);
    void showCallsign(const QString& callsign);

    // The APRS position can be sent (the station's coordinates are set up).
    bool positionAvailable() const;
    // A box or window of ours is open: the beacon does not start a send meanwhile.
    bool isBusy() const { return modalDepth_ > 0; }
    QString currentComment() const { return currentComment_; }
    // The address of the last unconnected frame.
    QString callString() const { return callString_; }

signals:
    // The APRS position became available or not (the Send menu follows).
    void positionAvailabilityChanged(bool available);
    // A message went out with this number (acknowledging is on), to callString.
    void numberedMessageSent(const QString& addressee, const QString& number,
                             const QString& callString, const QString& information);

private:
    // Steps every send shares: the call string (asking when To and Via are blank) and the
    // boxes in upper case, copied to the current To and path. Nothing when no call was given.
    std::optional<QString> takeCallString(const QString& prompt);
    void addHistory(HistoryBox box);
    void showAprsAvailable(bool available, const QString& unavailableTip);
    void selectWholeText(HistoryBox box);
    void cutBoxText(HistoryBox box, int maxLength);
    void showMessageBox(const QString& text, const QString& title);

    SideContext context_;
    CommunicationPanel communication_;
    TxDataPanel txData_;
    AprsPositionPanel aprsPosition_;
    AprsMessagePanel aprsMessage_;
    QString callString_;
    QString currentComment_;
    int modalDepth_ = 0;
    UiSender sender_;
};

}  // namespace zeno
