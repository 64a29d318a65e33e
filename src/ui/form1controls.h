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
class QTimer;
class QToolButton;
class QWidget;

#include <QList>

namespace zeno {

class ClickableLabel;
class LogoPicture;

// Every documented control of the main window. Each carries its documented name as its
// objectName (menu items as "<menu array>_<index>"), so tests find them with findChild.
struct Form1Controls {
    // Communication panel
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

    // Time panel (timed beacon)
    QGroupBox* Frame6 = nullptr;
    QCheckBox* Check4 = nullptr;  // Auto Beacon
    QLineEdit* Text5 = nullptr;   // start time
    QLineEdit* Text6 = nullptr;   // stop time
    QLabel* Label7 = nullptr;     // "Start:"
    QLabel* Label9 = nullptr;     // "Stop:"
    QLabel* Klok = nullptr;       // clock ("klok")

    // Logo panel
    QGroupBox* Frame4 = nullptr;
    LogoPicture* Picture1 = nullptr;

    // TX-Data panel
    QGroupBox* Frame2 = nullptr;
    QComboBox* Combo1 = nullptr;       // TX text
    QLabel* Label10 = nullptr;         // "Text:"
    QToolButton* Command12 = nullptr;  // edit TX-data history

    // TX APRS Position panel
    QGroupBox* Frame7 = nullptr;
    QComboBox* Combo4 = nullptr;       // APRS comment
    QLabel* Label8 = nullptr;          // "Text:"
    QToolButton* Command19 = nullptr;  // APRS setup
    QToolButton* Command11 = nullptr;  // edit APRS-data history

    // TX APRS Message panel
    QGroupBox* Frame8 = nullptr;
    QComboBox* Combo5 = nullptr;       // addressee ("For:")
    QLabel* Label11 = nullptr;         // "For:"
    QComboBox* Combo6 = nullptr;       // message text
    QLabel* Label12 = nullptr;         // "Message:"
    QToolButton* Command18 = nullptr;  // received APRS messages
    QToolButton* Command17 = nullptr;  // edit APRS-messages history

    // MHeard panel
    QGroupBox* Frame5 = nullptr;
    QListWidget* List1 = nullptr;      // heard stations
    QLabel* StationTeller = nullptr;   // station counter ("teller")
    QPushButton* Command16 = nullptr;  // Copy
    QPushButton* Command6 = nullptr;   // Clear
    QPushButton* Command5 = nullptr;   // Save..

    // Monitor panel
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
    ClickableLabel* Label6 = nullptr;   // beacon state

    // Listener (SWL) panel
    QGroupBox* SWLFrame = nullptr;
    QLabel* Label15 = nullptr;    // "SWL MODE"
    QLabel* SWLlabel1 = nullptr;  // callsign
    QLabel* SWLabel2 = nullptr;   // callsign shadow

    // Engine link state (not modal: a label in the status bar)
    QLabel* linkStatus = nullptr;

    QTimer* Timer1 = nullptr;  // the 250 ms poll tick

    // Menus and their item arrays (separators included, so indexes match)
    QMenu* menufile = nullptr;
    QList<QAction*> menufiles;
    QMenu* menuedit = nullptr;
    QList<QAction*> menuedits;
    QMenu* menusend = nullptr;
    QList<QAction*> menusends;
    QMenu* menufilter = nullptr;
    QList<QAction*> menufilters;
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
};

}  // namespace zeno
