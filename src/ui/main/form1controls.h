// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;

#include <QList>

namespace zeno {

class ClickableLabel;
class LogoPicture;

// The main window's controls, one struct per panel. Each control carries its name as its
// objectName (menu items as "<menu array>_<index>"), so tests find them with findChild. A part
// of the window is handed only the panels it owns.

struct CommunicationPanel {
    QGroupBox* Frame3 = nullptr;
    QComboBox* Combo2 = nullptr;       // To
    QComboBox* Combo3 = nullptr;       // Via
    QLabel* Label1 = nullptr;          // "To:"
    QLabel* Label3 = nullptr;          // "Via:"
    QLabel* Label2 = nullptr;          // "Your Call:"
    QLabel* Label14 = nullptr;         // its shadow
    QLabel* Label4 = nullptr;          // the operator's callsign
    QLabel* Label5 = nullptr;          // its shadow
    QPushButton* Command2 = nullptr;   // TX UI data/text
    QPushButton* Command9 = nullptr;   // TX APRS position
    QPushButton* Command7 = nullptr;   // TX APRS message
    QPushButton* Command10 = nullptr;  // Connect To
};

// The timed beacon and the clock, with the beacon's on/off label (which sits on the
// monitor panel's row).
struct TimePanel {
    QGroupBox* Frame6 = nullptr;
    QCheckBox* Check4 = nullptr;       // Auto Beacon
    QLineEdit* Text5 = nullptr;        // start time
    QLineEdit* Text6 = nullptr;        // stop time
    QLabel* Label7 = nullptr;          // "Start:"
    QLabel* Label9 = nullptr;          // "Stop:"
    QLabel* Klok = nullptr;            // clock ("klok")
    ClickableLabel* Label6 = nullptr;  // beacon state
    QPushButton* NextPass = nullptr;   // Start and Stop from the next satellite pass
};

struct LogoPanel {
    QGroupBox* Frame4 = nullptr;
    LogoPicture* Picture1 = nullptr;
};

struct TxDataPanel {
    QGroupBox* Frame2 = nullptr;
    QComboBox* Combo1 = nullptr;       // TX text
    QLabel* Label10 = nullptr;         // "Text:"
    QToolButton* Command12 = nullptr;  // edit TX-data history
};

struct AprsPositionPanel {
    QGroupBox* Frame7 = nullptr;
    QComboBox* Combo4 = nullptr;       // APRS comment
    QLabel* Label8 = nullptr;          // "Text:"
    QToolButton* Command19 = nullptr;  // APRS setup
    QToolButton* Command11 = nullptr;  // edit APRS-data history
};

struct AprsMessagePanel {
    QGroupBox* Frame8 = nullptr;
    QComboBox* Combo5 = nullptr;       // addressee ("For:")
    QLabel* Label11 = nullptr;         // "For:"
    QComboBox* Combo6 = nullptr;       // message text
    QLabel* Label12 = nullptr;         // "Message:"
    QToolButton* Command18 = nullptr;  // received APRS messages
    QToolButton* Command17 = nullptr;  // edit APRS-messages history
};

struct HeardPanel {
    QGroupBox* Frame5 = nullptr;
    QListWidget* List1 = nullptr;      // heard stations
    QLabel* StationTeller = nullptr;   // station counter ("teller")
    QPushButton* Command16 = nullptr;  // Copy
    QPushButton* Command6 = nullptr;   // Clear
    QPushButton* Command5 = nullptr;   // Save..
};

struct MonitorPanel {
    QGroupBox* Frame1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;    // the monitor text
    QCheckBox* Check5 = nullptr;        // Expand
    QToolButton* Command13 = nullptr;   // Cut
    QToolButton* Command14 = nullptr;   // Copy
    QToolButton* Command15 = nullptr;   // Paste
    QToolButton* Command8 = nullptr;    // clear monitor
    QToolButton* Command4 = nullptr;    // print
    QToolButton* Command1 = nullptr;    // save
    QToolButton* Command3 = nullptr;    // open file into the monitor
    QCheckBox* Check3 = nullptr;        // View Data
    QCheckBox* Check2 = nullptr;        // Stop Monitor
    QCheckBox* Check1 = nullptr;        // AutoScroll
    ClickableLabel* Label13 = nullptr;  // active filter
};

// Listener (SWL) panel
struct ListenerPanel {
    QGroupBox* SWLFrame = nullptr;
    QLabel* Label15 = nullptr;    // "SWL MODE"
    QLabel* SWLlabel1 = nullptr;  // callsign
    QLabel* SWLabel2 = nullptr;   // callsign shadow
};

// The Filters menu belongs to the receive side: the filter label pops it up.
struct FilterMenu {
    QMenu* menufilter = nullptr;
    QList<QAction*> menufilters;
};

// Menus and their item arrays (separators included, so indexes match the enums of
// form1menus.h).
struct Form1Menus {
    QMenu* menufile = nullptr;
    QList<QAction*> menufiles;
    QMenu* menuedit = nullptr;
    QList<QAction*> menuedits;
    QMenu* menusend = nullptr;
    QList<QAction*> menusends;
    FilterMenu filters;
    QMenu* menufind = nullptr;
    QAction* findmenu = nullptr;
    QAction* findnextmenu = nullptr;
    QMenu* menuoption = nullptr;
    QList<QAction*> menuoptions;
    QMenu* menusetup = nullptr;
    QList<QAction*> menusetups;
    QMenu* menuoptionsopen = nullptr;
    QList<QAction*> menuoptionsopens;
    QMenu* menuextra = nullptr;
    QList<QAction*> menuextras;
    QMenu* menuhelp = nullptr;
    QList<QAction*> menuhelps;
    QAction* menuhelpdemo = nullptr;  // "Listen to a Recorded Pass", after the help topics
};

struct Form1Controls {
    CommunicationPanel communication;
    TimePanel time;
    LogoPanel logo;
    TxDataPanel txData;
    AprsPositionPanel aprsPosition;
    AprsMessagePanel aprsMessage;
    HeardPanel heard;
    MonitorPanel monitor;
    ListenerPanel listener;
    Form1Menus menus;
    QScrollArea* scroll = nullptr;    // holds the panels
    QLabel* linkStatus = nullptr;     // engine link state, in the status bar (never a modal box)
    QLabel* droppedFrames = nullptr;  // frames the link dropped, in the status bar
    QTimer* Timer1 = nullptr;         // the 250 ms poll tick
    // Why engine.ini is not used, in the status bar; hidden while it is.
    QLabel* engineFileStatus = nullptr;
};

}  // namespace zeno
