#pragma once

#include "config/settingsview.h"
#include "monitor/pollhooks.h"
#include "ui/form1controls.h"

#include <QMainWindow>
#include <memory>

namespace zeno {

struct AppState;
class AgwLink;
class Dialogs;
class MessagesSide;
class Platform;
class ReceiveSide;
class TransmitSide;

// The main window: monitor, transmit panels, heard list, beacon and clock, menus.
// Its documented event handlers are public slots that pass the work to the side that owns
// it (receive, transmit, received messages); the window itself keeps the layout, the
// settings view and the wiring.
class Form1 : public QMainWindow, public SettingsView, public PollHooks {
    Q_OBJECT
public:
    Form1(AppState& state, AgwLink& link, Dialogs& dialogs, Platform& platform,
          QWidget* parent = nullptr);
    ~Form1() override;

    const Form1Controls& controls() const { return c_; }

    // Replaces the whole monitor text (start-up without an engine, files loaded into it).
    void replaceMonitorText(const QString& text);
    QString monitorText() const;
    // Shows whether the engine link is up, without a modal box.
    void showLinkState(bool up, const QString& engineAddress);
    void showNoEngine();
    void startPollTimer();
    // Applies what start-up sets after the poll timer runs (APRS controls, beacon label).
    void applyStartupState();
    // The self-closing popup ("Meld").
    void showPopup(const QString& text);

    // SettingsView
    void showCallsign(const QString& callsign) override;
    void setHistory(HistoryBox box, const QStringList& entries) override;
    void selectFirstEntry(HistoryBox box) override;
    QString boxText(HistoryBox box) const override;
    void setBoxText(HistoryBox box, const QString& text) override;
    void setMonitorFont(const QString& family) override;
    void setMonitorColors(int textRgb, int backgroundRgb) override;
    void setDataBoxColors(int foreRgb, int backRgb) override;
    void setAutoScrollChecked(bool checked) override;
    void showBeaconOn() override;
    TwipsGeometry windowGeometry() const override;
    QSizeF screenSize() const override;
    void setWindowLeft(double twips) override;
    void setWindowTop(double twips) override;
    void setWindowSize(double widthTwips, double heightTwips) override;
    void maximizeWindow() override;

    // PollHooks
    void Klok_Change() override;  // clock changed ("klok" = clock): timed beacon
    void beaconStep() override;
    void LogAPRSMessages(const QString& header, const QString& data) override;
    bool connectedModeEvent(const AgwFrame& frame, const QString& firstLine,
                            const QString& body) override;

public slots:
    // Receive side
    void Timer1_Timer();    // poll tick, every 250 ms
    void Check1_Click();    // AutoScroll
    void Command8_Click();  // clear the monitor
    void menufilters_Click(int Index);
    void Label13_Click();      // filter label: pops up the Filters menu
    void Command16_Click();    // copy the heard list
    void Command6_Click();     // clear the heard list
    void Command5_Click();     // save the heard list
    void List1_DblClick();     // message to the heard station
    void List1_MouseDown() {}  // nothing, as designed
    void PlayAlarm();

    // Transmit side
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
    void Label6_DblClick();  // beacon on/off
    void SendMheardList(int asBulletin);

    // Received messages
    void Command18_Click();

    // Menus
    void menufiles_Click(int Index);
    void menusends_Click(int Index);
    void menuoptions_Click(int Index);
    void menusetups_Click(int Index);

    void Form_Resize();  // keeps the monitor fitted to the window

signals:
    // The operator closes the window or chooses Exit ("unload"): the program ends.
    void unloadRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* comboFor(HistoryBox box) const;
    void wireEvents();
    void wireMenuArray(const QList<QAction*>& items, void (Form1::*handler)(int));

    AppState& state_;
    Form1Controls c_;
    std::unique_ptr<ReceiveSide> receive_;
    std::unique_ptr<TransmitSide> transmit_;
    std::unique_ptr<MessagesSide> messages_;
    bool unloading_ = false;
};

}  // namespace zeno
