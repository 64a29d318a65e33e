// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace zeno {

// The setup dialog's controls, one struct per frame, each control named by its objectName.

struct CallsignFrame {
    QGroupBox* Frame3 = nullptr;
    QLabel* Label2 = nullptr;    // "Your Call:"
    QLineEdit* Text3 = nullptr;  // the callsign
};

struct AlarmFrame {
    QGroupBox* Frame7 = nullptr;
    QRadioButton* Option10 = nullptr;  // no alarm
    QRadioButton* Option8 = nullptr;   // look in the header
    QLineEdit* Text2 = nullptr;        // header text
    QRadioButton* Option9 = nullptr;   // look in the data
    QLineEdit* Text4 = nullptr;        // data text
};

struct BeaconFrame {
    QGroupBox* Frame8 = nullptr;
    QRadioButton* Option11 = nullptr;  // the TX-data text
    QRadioButton* Option12 = nullptr;  // the APRS position
    QCheckBox* Check1 = nullptr;       // Activate
    QLabel* Label6 = nullptr;          // "Interval"
    QLineEdit* Text5 = nullptr;        // the interval
    QLabel* Label11 = nullptr;         // "seconds"
};

struct RadioPortFrame {
    QGroupBox* Frame1 = nullptr;
    QList<QRadioButton*> ports;  // Option1, Option2, Option13, Option14
    QList<QLabel*> portNames;    // PortName1 ... PortName4: the engine's names
};

// Where the engine listens.
struct EngineAddressFrame {
    QGroupBox* EngineFrame = nullptr;
    QLineEdit* EngineHost = nullptr;
    QLineEdit* EnginePort = nullptr;
};

// The station's height and the elevation satellite passes count from (kept in orbit.ini).
struct PassesFrame {
    QGroupBox* PassFrame = nullptr;
    QLineEdit* Altitude = nullptr;      // metres
    QLineEdit* MinElevation = nullptr;  // degrees
};

struct AutoDisconnectFrame {
    QGroupBox* Frame2 = nullptr;
    QCheckBox* Check3 = nullptr;  // refuse incoming connects
};

struct BbsFrame {
    QGroupBox* Frame5 = nullptr;
    QRadioButton* Option15 = nullptr;  // open
    QRadioButton* Option17 = nullptr;  // disabled
    QRadioButton* Option16 = nullptr;  // with password
    QLabel* Label10 = nullptr;         // "Password"
    QLineEdit* Text6 = nullptr;        // the password
};

struct MessageLogFrame {
    QGroupBox* Frame11 = nullptr;
    QRadioButton* Option19 = nullptr;  // digipeated only
    QRadioButton* Option18 = nullptr;  // all messages
    QCheckBox* CheckAck = nullptr;     // acknowledge numbered messages
};

struct DisplayFrame {
    QGroupBox* Frame6 = nullptr;
    QCheckBox* Check4 = nullptr;  // remember size and position
};

// The data boxes' colours; the sample label carries them until OK.
struct BoxColorFrame {
    QGroupBox* Frame12 = nullptr;
    QLabel* Label7 = nullptr;          // "Example:"
    QLabel* Label8 = nullptr;          // the sample
    QLabel* Label9 = nullptr;          // "Color Shemes"
    QRadioButton* Option3 = nullptr;   // Default
    QRadioButton* Option4 = nullptr;   // Classic
    QToolButton* Command13 = nullptr;  // text colour
    QPushButton* Command14 = nullptr;  // background
};

// The monitor's font and colours; the sample lines carry the colours until OK.
struct MonitorFontFrame {
    QGroupBox* Frame4 = nullptr;
    QLineEdit* Text1 = nullptr;        // the font name
    QPushButton* Command15 = nullptr;  // Select
    QLabel* Label1 = nullptr;          // "Example:"
    QLabel* Label3 = nullptr;          // sample header line
    QLabel* Label4 = nullptr;          // sample data line
    QLabel* Label5 = nullptr;          // "Color Shemes"
    QRadioButton* Option5 = nullptr;   // black on white
    QRadioButton* Option6 = nullptr;   // white on blue
    QRadioButton* Option7 = nullptr;   // yellow on black
    QToolButton* Command5 = nullptr;   // text colour
    QToolButton* Command6 = nullptr;   // data-line colour
    QPushButton* Command8 = nullptr;   // background
};

struct ListenerFrame {
    QGroupBox* Frame13 = nullptr;
    QCheckBox* Check6 = nullptr;      // SWL mode
    QToolButton* Command4 = nullptr;  // its help
};

struct ResetBoxFrame {
    QGroupBox* Frame10 = nullptr;
    QToolButton* Command11 = nullptr;  // the To box
    QToolButton* Command12 = nullptr;  // the Via box
    QToolButton* Command3 = nullptr;   // the For box
};

// The APRS switches under the colour frames.
struct AprsRow {
    QCheckBox* Check2 = nullptr;      // Enable APRS
    QCheckBox* Check5 = nullptr;      // No ZENO Tag
    QToolButton* Command9 = nullptr;  // APRS station setup
};

struct Form3Controls {
    CallsignFrame callsign;
    AlarmFrame alarm;
    BeaconFrame beacon;
    RadioPortFrame radioPort;
    EngineAddressFrame engine;
    PassesFrame passes;
    AutoDisconnectFrame autoDisconnect;
    BbsFrame bbs;
    MessageLogFrame messageLog;
    DisplayFrame display;
    BoxColorFrame boxColors;
    MonitorFontFrame monitorFont;
    ListenerFrame listener;
    ResetBoxFrame resetBoxes;
    AprsRow aprs;
    QPushButton* Command1 = nullptr;  // OK ("Save Current Settings")
    QPushButton* Command2 = nullptr;  // Cancel
};

}  // namespace zeno
