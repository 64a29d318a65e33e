// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/session.h"
#include "link/linkstatus.h"
#include "ui/main/form1controls.h"

#include <QMainWindow>
#include <functional>
#include <memory>

namespace zeno {

struct AppState;
class AgwLink;
class AwarenessSide;
class BeaconSide;
class ConnectedSide;
class DemoSide;
class Dialogs;
class Form1Geometry;
class Form1SettingsView;
class MapSide;
class MessagesSide;
class MonitorSide;
class PassSide;
class Platform;
class ReceiveSide;
class SettingsView;
class SetupSide;
class StationsSide;
class TransmitSide;
class UtilitySide;

// The main window: monitor, transmit panels, heard list, beacon and clock, menus. It keeps
// the layout and the wiring; each event handler is a public slot that passes the work to the
// part that owns it (receive, transmit, beacon, received messages, connected mode).
class Form1 : public QMainWindow, public SessionWindow {
    Q_OBJECT
public:
    Form1(AppState& state, AgwLink& link, Dialogs& dialogs, Platform& platform,
          QWidget* parent = nullptr);
    ~Form1() override;

    const Form1Controls& controls() const { return c_; }
    // The window as the settings reader and writer see it.
    SettingsView& settingsView() override;

    // Replaces the whole monitor text (start-up without an engine, files loaded into it).
    void replaceMonitorText(const QString& text) override;
    QString monitorText() const;
    // Shows whether the engine link is up, without a modal box.
    void showLinkState(bool up, const QString& engineAddress);
    void showLinkState(LinkStatus status, const QString& engineAddress);
    void showNoEngine(const QString& engineAddress) override;
    // Why engine.ini is not used: in the status bar until the file is written again (empty
    // text), and as the monitor's first line.
    void showEngineFileProblem(const QString& text);
    // The poll tick gives way to an end asked for from outside (see PollTick).
    void setEndPending(std::function<bool()> pending);
    // The self-closing popup ("Meld").
    void showPopup(const QString& text);

    // The rest of what start-up and the end ask of the window.
    void showCaption(const QString& caption) override { setWindowTitle(caption); }
    void showWindow() override { show(); }
    void startPollTimer() override;
    void applyStartupState() override;
    // zeno.db opened and what it kept shown (stations, received messages), then the notice
    // when it had to be moved aside. Start-up runs it once the window is painted.
    void openStore();
    void keepTypedWork() override;
    void ZENOAddOns() override;

public slots:
    void Timer1_Timer();  // poll tick, every 250 ms
    void LogAPRSMessages(const QString& header, const QString& data);
    void PlayAlarm();

    // Monitor and heard list
    void Check1_Click();    // AutoScroll
    void Command8_Click();  // clear the monitor
    void menufilters_Click(int Index);
    void Label13_Click();    // filter label: pops up the Filters menu
    void Command16_Click();  // copy the heard list
    void Command6_Click();   // clear the heard list
    void Command5_Click();   // save the heard list
    void List1_DblClick();   // message to the heard station
    void List1_MouseDown() {}

    // Monitor text: edit, find, files, printing, the station report
    void Command13_Click();  // Cut
    void Command14_Click();  // Copy
    void Command15_Click();  // Paste
    void menuedits_Click(int Index);
    void findmenu_Click();
    void findnextmenu_Click();  // F3
    void Command3_Click();      // open a file into the monitor
    void Command1_Click();      // save the monitor
    void Command4_Click();      // print the monitor
    void SaveReport();

    // Transmit
    void Command2_Click();   // TX UI data/text
    void Command9_Click();   // TX APRS position
    void Command7_Click();   // TX APRS message
    void Command19_Click();  // APRS setup
    void Command11_Click();  // edit APRS-data history
    void Command12_Click();  // edit TX-data history
    void Command17_Click();  // edit APRS-messages history
    void Combo1_KeyPress(int KeyAscii);
    void Combo2_KeyPress(int KeyAscii);
    void Combo3_KeyPress(int KeyAscii);
    void Combo4_KeyPress(int KeyAscii);
    void Combo5_KeyPress(int KeyAscii);
    void Combo6_KeyPress(int KeyAscii);
    void SendMheardList(int asBulletin);
    void AddFor();
    void Label6_DblClick();  // beacon on/off
    void NextPass_Click();   // the timed beacon for the next satellite pass

    // Received messages
    void Command18_Click();

    // Connected mode
    void Command10_Click();                  // Connect To
    void menuoptionsopens_Click(int Index);  // Edit BBS/Terminal Files

    // Menus
    void menufiles_Click(int Index);
    void menusends_Click(int Index);
    void menuoptions_Click(int Index);
    void menusetups_Click(int Index);
    void menuextras_Click(int Index);  // add-ons
    void menuhelps_Click(int Index);
    void menuhelpdemo_Click();  // a recorded pass, heard by an engine of ZENO's own

    void Picture1_DblClick();  // the About box

    void Check5_Click();  // expand the monitor or restore it
    void Form_Resize();   // keeps the monitor fitted to the window

signals:
    // The operator closes the window or chooses Exit ("unload"): the program ends.
    void unloadRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireEvents();
    void wireMenuArray(const QList<QAction*>& items, void (Form1::*handler)(int));

    Form1Controls c_;
    std::unique_ptr<Form1Geometry> geometry_;
    std::unique_ptr<TransmitSide> transmit_;
    // Watches the tick and keeps the store the received messages write to: outlives both.
    std::unique_ptr<StationsSide> stations_;
    std::unique_ptr<BeaconSide> beacon_;
    std::unique_ptr<MessagesSide> messages_;
    std::unique_ptr<ConnectedSide> connected_;
    std::unique_ptr<AwarenessSide> awareness_;  // watches the tick: outlives receive_
    std::unique_ptr<ReceiveSide> receive_;
    std::unique_ptr<UtilitySide> utility_;
    std::unique_ptr<MonitorSide> monitorSide_;
    std::unique_ptr<Form1SettingsView> settingsView_;
    std::unique_ptr<SetupSide> setup_;
    std::unique_ptr<PassSide> passes_;
    std::unique_ptr<DemoSide> demo_;
    std::unique_ptr<MapSide> map_;
    bool unloading_ = false;
};

}  // namespace zeno
