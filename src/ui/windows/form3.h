// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"
#include "config/setupvalues.h"
#include "ui/windows/form3controls.h"

#include <QDialog>
#include <QStringList>

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
    void wireEvents();
    void showValues(const SetupValues& values);
    void showColors();
    void showRadioPorts();
    void showListenerLimits();
    void showAlarmBoxes(int mode);
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

    Form3Controls ui_;
};

}  // namespace zeno
