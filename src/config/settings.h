// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zeno {

// The six drop-down boxes of the transmit panels, in settings-file order.
enum class HistoryBox { TxData, To, Via, AprsData, MessageFor, MessageText };
inline constexpr int kHistoryBoxCount = 6;

// Every value of the settings file, in file order. Truth values are -1/0 unless noted;
// colours are RGB numbers with red in the low byte; geometry is in twips.
// The six lists are the entries of the main window's drop-down boxes (the boxes show them).
struct Settings {
    QString callsign;                                // [Your Call Sign]
    QString toCall = QStringLiteral("CQ");           // [To call]
    QString digistation = QStringLiteral("RS0ISS");  // [Digistation]
    int radioPort = 0;                               // [AGWPE Radio Port] 0..3
    std::optional<int> alarmMode;  // [AlarmSet] 0 none, 1 header, 2 data; unset on a first run
    QString monitorFont = QStringLiteral("Fixedsys");  // [Monitor Fontname]
    int beaconInterval = 60;                           // [Beacon Interval] seconds
    int autoScroll = 1;                                // [Auto Scroll] 1/0
    int beacon = 0;                                    // [Beacon]
    int headerColor = 0;                               // [Header color] monitor text colour
    int dataColor = 0;                                 // [Data color]
    int screenColor = 0;                               // [Screen color] monitor background
    QString alarmHeaderText;                           // [AlarmSet Header Text]
    QString alarmDataText;                             // [AlarmSet Data Text]
    QString aprs;                                      // [APRS] position header + comment + tag
    int aprsEnabled = 0;                               // [APRS Enabled]
    int selectedBeacon = 1;           // [Selected Beacon] 1 TX text, 2 APRS position
    QStringList txDataHistory;        // [TX data text]
    QStringList toHistory;            // [To text]
    QStringList viaHistory;           // [Via text]
    QStringList aprsDataHistory;      // [APRS-Data]
    int savePosition = 0;             // [SavePosition]
    double hSize = 0;                 // [h-size] width + 80
    double vSize = 0;                 // [v-size] height + 80
    double leftPos = 0;               // [left-pos]
    double topPos = 0;                // [top-pos]
    int dataBoxForeColor = 16711680;  // [DataBox Forecolor]
    int dataBoxBackColor = 14737632;  // [DataBox Backcolor]
    QString txDataDefault;            // [TXDataDefault]
    int zenoTag = 0;                  // [ZENO Tag] -1 drops the product tag
    QStringList messageForHistory;    // [APRS Message For]
    QStringList messageTextHistory;   // [APRS Message Text]
    int bbsMode = 0;                  // [BBS Commands] 0 open, 1 disabled, 2 password
    QString bbsPassword;              // [BBS Commands] second field
    int swlMode = 0;                  // [SWL Mode] 1/0
    int logDigipeatedMessages = 0;    // [Log Digipeated Messages] 1 only digipeated, 0 all
    QString defaultFor;               // [Default For:]
    QString defaultMessage;           // [Default Message:]
    QString defaultAprsText;          // [Default APRS Text]

    QStringList& history(HistoryBox box);
    const QStringList& history(HistoryBox box) const;
};

// A callsign counts as set when the setup dialog would take it and it is not the placeholder
// "MYCALL": start-up asks for one otherwise, so nothing else is ever registered with the engine.
bool isCallsignSet(const QString& callsign);

// The longest callsign the engine registers (six characters, "-" and a two-digit SSID).
inline constexpr int kMaxCallsignLength = 9;

// A callsign the operator may enter: trimmed, 2 to 9 characters, letters and digits with at
// most one "-" (the engine cannot register anything else).
bool isValidCallsign(const QString& callsign);

}  // namespace zeno
