#pragma once

#include "config/settings.h"
#include "config/setupvalues.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace zeno {

struct AppState;
class Dialogs;

// What the setup dialog changes outside itself: the main window, the engine link and the
// settings files. The main window's setup part implements it.
class SetupHooks {
public:
    virtual ~SetupHooks() = default;
    // The APRS station setup over the dialog.
    virtual void openAprsSetup() = 0;
    // Empties a history box of the main window and its list, then offers the defaults.
    virtual void resetHistoryBox(HistoryBox box) = 0;
    // OK: the stored box colours, APRS switch and beacon shown in the main window.
    virtual void showStoredSetup() = 0;
    // OK with another engine address: the link moves there with the stored callsign.
    virtual void moveToEngine() = 0;
    // OK with a new callsign: registers it with the engine; false when none answers.
    virtual bool registerCallsign() = 0;
    virtual void enterListenerLayout() = 0;
    // OK's last step: the settings files written, zeno.ini read back into the main window.
    virtual void saveAndReload() = 0;
};

// "Setup": callsign, alarm, beacon, radio port, engine address, BBS mode and password,
// colours, font, listener (SWL) mode and the APRS switch. It shows and collects SetupValues;
// their rules live there. Some controls act at once (alarm mode, history resets, the data-line
// colour); everything else is applied by OK.
class Form3 : public QDialog {
    Q_OBJECT
public:
    // The result when the engine refused a new callsign: the program ends in order.
    static constexpr int EndProgram = 2;

    // radioPortNames: the engine's port names by number, empty while unknown.
    Form3(AppState& state, Dialogs& dialogs, SetupHooks& hooks, const QStringList& radioPortNames,
          QWidget* parent = nullptr);
    ~Form3() override;

    // The values as the controls hold them now.
    SetupValues collect() const;

public slots:
    void Form_Load();
    void Command1_Click();   // OK ("Save Current Settings")
    void Command2_Click();   // Cancel
    void Option10_Click();   // no alarm
    void Option8_Click();    // alarm on header text
    void Option9_Click();    // alarm on data text
    void Check1_Click();     // beacon on: interval box usable
    void Check2_Click();     // Enable APRS
    void Check6_Click();     // SWL mode
    void Command4_Click();   // SWL help
    void Option15_Click();   // BBS open
    void Option16_Click();   // BBS with password
    void Option17_Click();   // BBS disabled
    void Option3_Click();    // box colours: default scheme
    void Option4_Click();    // box colours: classic scheme
    void Option5_Click();    // monitor: black on white
    void Option6_Click();    // monitor: white on blue
    void Option7_Click();    // monitor: yellow on black
    void Command13_Click();  // box text colour
    void Command14_Click();  // box background
    void Command5_Click();   // monitor text colour
    void Command6_Click();   // data-line colour
    void Command8_Click();   // monitor background
    void Command15_Click();  // font chooser
    void Command9_Click();   // APRS station setup
    void Command11_Click();  // reset the To box
    void Command12_Click();  // reset the Via box
    void Command3_Click();   // reset the For box

private:
    void buildLayout();
    void buildLeftColumn();
    void buildMiddleColumn();
    void buildRightColumn();
    void wireEvents();
    void showValues(const SetupValues& values);
    void showColors();
    void showRadioPorts();
    void showListenerLimits();
    void setAlarmMode(int mode);
    void showPasswordBox(bool usable);
    // True when the chosen colour was taken.
    bool pickColor(ColorButton button, int current);
    void useMonitorScheme(MonitorScheme scheme);
    void refuse(SetupRefusal refusal);
    void finish(const SetupResult& result);

    AppState& state_;
    Dialogs& dialogs_;
    SetupHooks& hooks_;
    QStringList radioPortNames_;
    SetupValues edit_;        // the colours being edited live here until OK
    int dataSampleText_ = 0;  // text colour of the sample data line

    QGroupBox* Frame3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QGroupBox* Frame7 = nullptr;
    QRadioButton* Option10 = nullptr;
    QRadioButton* Option8 = nullptr;
    QLineEdit* Text2 = nullptr;
    QRadioButton* Option9 = nullptr;
    QLineEdit* Text4 = nullptr;
    QGroupBox* Frame8 = nullptr;
    QRadioButton* Option11 = nullptr;
    QRadioButton* Option12 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLabel* Label11 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QList<QRadioButton*> ports_;  // Option1, Option2, Option13, Option14
    QList<QLabel*> portNames_;    // PortName1 ... PortName4: the engine's names
    QGroupBox* EngineFrame = nullptr;
    QLineEdit* EngineHost = nullptr;
    QLineEdit* EnginePort = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QRadioButton* Option15 = nullptr;
    QRadioButton* Option17 = nullptr;
    QRadioButton* Option16 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Text6 = nullptr;
    QGroupBox* Frame11 = nullptr;
    QRadioButton* Option19 = nullptr;
    QRadioButton* Option18 = nullptr;
    QCheckBox* CheckAck = nullptr;
    QGroupBox* Frame6 = nullptr;
    QCheckBox* Check4 = nullptr;
    QGroupBox* Frame12 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QToolButton* Command13 = nullptr;
    QPushButton* Command14 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command15 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QRadioButton* Option7 = nullptr;
    QToolButton* Command5 = nullptr;
    QToolButton* Command6 = nullptr;
    QPushButton* Command8 = nullptr;
    QGroupBox* Frame13 = nullptr;
    QCheckBox* Check6 = nullptr;
    QToolButton* Command4 = nullptr;
    QGroupBox* Frame10 = nullptr;
    QToolButton* Command11 = nullptr;
    QToolButton* Command12 = nullptr;
    QToolButton* Command3 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check5 = nullptr;
    QToolButton* Command9 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace zeno
