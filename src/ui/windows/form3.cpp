// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/form3.h"

#include "config/appstate.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "ui/common/screenfit.h"
#include "ui/common/widgets.h"
#include "ui/windows/form3layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <type_traits>

namespace zeno {

namespace {

const QString kSwlSelected = QStringLiteral(
    "You selected the special SWL mode. This mode will allow all options EXCEPT no TX and no "
    "editing of TX related files. It will enlarge the screen special for SWL's and more!");
const QString kSwlHelp = QStringLiteral(
    "Activating this special SWL mode will allow all options EXCEPT no TX and no editing of TX "
    "related files. Station trying to connect a SWL station will be disconnected. It will "
    "enlarge the screen special for SWL's and more!");

void checkRadio(QRadioButton* option, bool on) {
    if (on)
        option->setChecked(true);
}

}  // namespace

Form3::Form3(AppState& state, Dialogs& dialogs, SetupHooks& hooks,
             const QStringList& radioPortNames, QWidget* parent)
    : QDialog(parent),
      state_(state),
      dialogs_(dialogs),
      hooks_(hooks),
      radioPortNames_(radioPortNames) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Setup"));
    setModal(true);
    buildForm3Layout(this, ui_);
    wireEvents();
    Form_Load();
    openAtPageSize(this);
}

Form3::~Form3() = default;

void Form3::wireEvents() {
    const auto on = [this](auto* control, void (Form3::*handler)()) {
        connect(control, &std::remove_pointer_t<decltype(control)>::clicked, this, handler);
    };
    on(ui_.Command1, &Form3::Command1_Click);
    on(ui_.Command2, &Form3::Command2_Click);
    on(ui_.alarm.Option10, &Form3::Option10_Click);
    on(ui_.alarm.Option8, &Form3::Option8_Click);
    on(ui_.alarm.Option9, &Form3::Option9_Click);
    on(ui_.beacon.Check1, &Form3::Check1_Click);
    on(ui_.aprs.Check2, &Form3::Check2_Click);
    on(ui_.listener.Check6, &Form3::Check6_Click);
    on(ui_.listener.Command4, &Form3::Command4_Click);
    on(ui_.bbs.Option15, &Form3::Option15_Click);
    on(ui_.bbs.Option16, &Form3::Option16_Click);
    on(ui_.bbs.Option17, &Form3::Option17_Click);
    on(ui_.boxColors.Option3, &Form3::Option3_Click);
    on(ui_.boxColors.Option4, &Form3::Option4_Click);
    on(ui_.monitorFont.Option5, &Form3::Option5_Click);
    on(ui_.monitorFont.Option6, &Form3::Option6_Click);
    on(ui_.monitorFont.Option7, &Form3::Option7_Click);
    on(ui_.boxColors.Command13, &Form3::Command13_Click);
    on(ui_.boxColors.Command14, &Form3::Command14_Click);
    on(ui_.monitorFont.Command5, &Form3::Command5_Click);
    on(ui_.monitorFont.Command6, &Form3::Command6_Click);
    on(ui_.monitorFont.Command8, &Form3::Command8_Click);
    on(ui_.monitorFont.Command15, &Form3::Command15_Click);
    on(ui_.aprs.Command9, &Form3::Command9_Click);
    on(ui_.resetBoxes.Command11, &Form3::Command11_Click);
    on(ui_.resetBoxes.Command12, &Form3::Command12_Click);
    on(ui_.resetBoxes.Command3, &Form3::Command3_Click);
}

// --- showing and collecting -----------------------------------------------------------------

void Form3::Form_Load() {
    edit_ = SetupValues::from(state_);
    showValues(edit_);
    if (edit_.listener)
        showListenerLimits();
}

void Form3::showValues(const SetupValues& v) {
    checkRadio(v.logDigipeatedOnly ? ui_.messageLog.Option19 : ui_.messageLog.Option18, true);
    checkRadio(ui_.bbs.Option15, v.bbsMode == 0);
    checkRadio(ui_.bbs.Option17, v.bbsMode == 1);
    checkRadio(ui_.bbs.Option16, v.bbsMode == 2);
    showPasswordBox(v.bbsMode == 2);
    ui_.bbs.Text6->setText(v.bbsPassword);
    ui_.aprs.Check5->setChecked(v.dropTag);
    ui_.display.Check4->setChecked(v.savePosition);
    ui_.beacon.Text5->setText(v.beaconInterval);
    ui_.beacon.Check1->setChecked(v.beaconOn);
    Check1_Click();
    checkRadio(v.selectedBeacon == 1 ? ui_.beacon.Option11 : ui_.beacon.Option12, true);
    ui_.aprs.Check2->setChecked(v.aprsEnabled);
    ui_.autoDisconnect.Check3->setChecked(v.refuseIncoming);
    ui_.callsign.Text3->setText(v.callsign);
    showRadioPorts();
    if (v.radioPort >= 0 && v.radioPort < ui_.radioPort.ports.size())
        ui_.radioPort.ports[v.radioPort]->setChecked(true);
    ui_.monitorFont.Text1->setText(v.monitorFont);
    dataSampleText_ = v.headerColor;
    showColors();
    checkRadio(v.alarmMode == 2   ? ui_.alarm.Option9
               : v.alarmMode == 1 ? ui_.alarm.Option8
                                  : ui_.alarm.Option10,
               true);
    showAlarmBoxes(v.alarmMode);
    ui_.alarm.Text2->setText(v.alarmHeaderText);
    ui_.alarm.Text4->setText(v.alarmDataText);
    ui_.engine.EngineHost->setText(v.engineHost);
    ui_.engine.EnginePort->setText(v.enginePort);
    ui_.messageLog.CheckAck->setChecked(v.acknowledgeMessages);
    ui_.passes.Altitude->setText(v.altitude);
    ui_.passes.MinElevation->setText(v.minElevation);
}

void Form3::showColors() {
    setWidgetColors(ui_.boxColors.Label8, edit_.dataBoxForeColor, edit_.dataBoxBackColor);
    setWidgetColors(ui_.monitorFont.Label3, edit_.headerColor, edit_.screenColor);
    setWidgetColors(ui_.monitorFont.Label4, dataSampleText_, edit_.screenColor);
}

// The engine's own names beside "Port 1" ... "Port 4"; a port it does not have is not offered.
void Form3::showRadioPorts() {
    for (int i = 0; i < ui_.radioPort.ports.size(); ++i) {
        const QString name = radioPortNames_.value(i);
        ui_.radioPort.portNames[i]->setText(name);
        ui_.radioPort.ports[i]->setEnabled(radioPortNames_.isEmpty() || !name.isEmpty());
    }
}

void Form3::showListenerLimits() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_.beacon.Frame8, ui_.resetBoxes.Frame10, ui_.autoDisconnect.Frame2, ui_.bbs.Frame5,
             ui_.aprs.Check2, ui_.aprs.Check5, ui_.aprs.Command9})
        w->setEnabled(false);
    ui_.listener.Check6->setChecked(true);
}

SetupValues Form3::collect() const {
    SetupValues v = edit_;
    v.callsign = ui_.callsign.Text3->text();
    v.alarmMode = ui_.alarm.Option9->isChecked() ? 2 : ui_.alarm.Option8->isChecked() ? 1 : 0;
    v.alarmHeaderText = ui_.alarm.Text2->text();
    v.alarmDataText = ui_.alarm.Text4->text();
    v.beaconOn = ui_.beacon.Check1->isChecked();
    v.beaconInterval = ui_.beacon.Text5->text();
    v.selectedBeacon = ui_.beacon.Option11->isChecked() ? 1 : 2;
    for (int i = 0; i < ui_.radioPort.ports.size(); ++i) {
        if (ui_.radioPort.ports[i]->isChecked())
            v.radioPort = i;
    }
    v.refuseIncoming = ui_.autoDisconnect.Check3->isChecked();
    v.bbsMode = ui_.bbs.Option16->isChecked() ? 2 : ui_.bbs.Option17->isChecked() ? 1 : 0;
    v.bbsPassword = ui_.bbs.Text6->text();
    v.logDigipeatedOnly = ui_.messageLog.Option19->isChecked();
    v.savePosition = ui_.display.Check4->isChecked();
    v.monitorFont = ui_.monitorFont.Text1->text();
    v.listener = ui_.listener.Check6->isChecked();
    v.aprsEnabled = ui_.aprs.Check2->isChecked();
    v.dropTag = ui_.aprs.Check5->isChecked();
    v.engineHost = ui_.engine.EngineHost->text();
    v.enginePort = ui_.engine.EnginePort->text();
    v.acknowledgeMessages = ui_.messageLog.CheckAck->isChecked();
    v.altitude = ui_.passes.Altitude->text();
    v.minElevation = ui_.passes.MinElevation->text();
    return v;
}

// --- OK and Cancel ----------------------------------------------------------------------------

void Form3::Command1_Click() {
    const SetupResult result = collect().apply(state_);
    if (result.refusal != SetupRefusal::None)
        refuse(result.refusal);
    else
        finish(result);
}

void Form3::refuse(SetupRefusal refusal) {
    const SetupMessage box = refusalMessage(refusal);
    dialogs_.message(box.text, box.title, MsgIcon::Exclamation);
    QLineEdit* wrong = refusal == SetupRefusal::BbsPassword  ? ui_.bbs.Text6
                       : refusal == SetupRefusal::Callsign   ? ui_.callsign.Text3
                       : refusal == SetupRefusal::EngineHost ? ui_.engine.EngineHost
                       : refusal == SetupRefusal::EnginePort ? ui_.engine.EnginePort
                       : refusal == SetupRefusal::Altitude   ? ui_.passes.Altitude
                                                             : ui_.passes.MinElevation;
    wrong->setFocus();
    wrong->selectAll();
}

void Form3::finish(const SetupResult& result) {
    hooks_.showStoredSetup();
    if (result.engineChanged) {
        // The new call goes with the move; the status bar tells whether that engine answers.
        hooks_.moveToEngine();
    } else if (result.callsignChanged && !hooks_.registerCallsign()) {
        // The program ends through its orderly end, so the settings just made are saved.
        dialogs_.message(QStringLiteral("Cannot connect to AGW Packet Engine, is it running ?"));
        done(EndProgram);
        return;
    }
    if (result.callsignChanged) {
        dialogs_.message(QStringLiteral("You should restart AGWPE and ZENO!"),
                         QStringLiteral("New Callsign Entered"), MsgIcon::Information);
    }
    if (result.listenerOn) {
        hooks_.enterListenerLayout();
        showListenerLimits();
    }
    if (result.listenerOff) {
        dialogs_.message(
            QStringLiteral("SWL-mode inactive. You need to restart the program to take effect."),
            QStringLiteral("SWL-mode OFF"), MsgIcon::Information);
    }
    hooks_.saveAndReload();
    accept();
}

void Form3::Command2_Click() { reject(); }

// --- controls that act at once ----------------------------------------------------------------

void Form3::showAlarmBoxes(int mode) {
    ui_.alarm.Text2->setEnabled(mode == 1);
    ui_.alarm.Text4->setEnabled(mode == 2);
}

void Form3::setAlarmMode(int mode) {
    state_.settings.alarmMode = mode;
    showAlarmBoxes(mode);
}

void Form3::Option10_Click() { setAlarmMode(0); }
void Form3::Option8_Click() { setAlarmMode(1); }
void Form3::Option9_Click() { setAlarmMode(2); }

void Form3::Check1_Click() { ui_.beacon.Text5->setEnabled(ui_.beacon.Check1->isChecked()); }

void Form3::Check2_Click() {
    if (!ui_.aprs.Check2->isChecked() || state_.settings.aprsEnabled != 0)
        return;
    // APRS goes on only with the station's coordinates.
    hooks_.openAprsSetup();
    ui_.aprs.Check2->setChecked(state_.settings.aprsEnabled == -1);
}

void Form3::Check6_Click() {
    if (ui_.listener.Check6->isChecked() && state_.settings.swlMode == 0)
        dialogs_.message(kSwlSelected, QStringLiteral("SWL Mode"), MsgIcon::Information);
}

void Form3::Command4_Click() {
    dialogs_.message(kSwlHelp, QStringLiteral("Help SWL Mode"), MsgIcon::Information);
}

void Form3::showPasswordBox(bool usable) {
    ui_.bbs.Text6->setEnabled(usable);
    setWidgetColors(ui_.bbs.Text6, paletteColor(0), paletteColor(usable ? 15 : 7));
}

void Form3::Option15_Click() { showPasswordBox(false); }
void Form3::Option16_Click() { showPasswordBox(true); }
void Form3::Option17_Click() { showPasswordBox(false); }

void Form3::Option3_Click() {
    edit_.useScheme(DataBoxScheme::Default);
    showColors();
}

void Form3::Option4_Click() {
    edit_.useScheme(DataBoxScheme::Classic);
    showColors();
}

void Form3::useMonitorScheme(MonitorScheme scheme) {
    edit_.useScheme(scheme);
    dataSampleText_ = edit_.headerColor;
    showColors();
}

void Form3::Option5_Click() { useMonitorScheme(MonitorScheme::BlackOnWhite); }
void Form3::Option6_Click() { useMonitorScheme(MonitorScheme::WhiteOnBlue); }
void Form3::Option7_Click() { useMonitorScheme(MonitorScheme::YellowOnBlack); }

bool Form3::pickColor(ColorButton button, int current) {
    const int rgb = dialogs_.chooseColor(current);
    if (const std::optional<QString> refused = edit_.pickColor(button, rgb)) {
        dialogs_.message(*refused);
        return false;
    }
    return rgb >= 0;
}

void Form3::Command13_Click() {
    pickColor(ColorButton::DataBoxText, edit_.dataBoxForeColor);
    showColors();
}

void Form3::Command14_Click() {
    pickColor(ColorButton::DataBoxBackground, edit_.dataBoxBackColor);
    showColors();
}

void Form3::Command5_Click() {
    if (pickColor(ColorButton::MonitorText, edit_.headerColor))
        dataSampleText_ = edit_.headerColor;
    showColors();
}

void Form3::Command8_Click() {
    pickColor(ColorButton::MonitorBackground, edit_.screenColor);
    showColors();
}

void Form3::Command6_Click() {
    if (!pickColor(ColorButton::DataLine, edit_.dataColor))
        return;
    state_.settings.dataColor = edit_.dataColor;
    dataSampleText_ = edit_.dataColor;
    showColors();
}

void Form3::Command15_Click() {
    const QString family = dialogs_.chooseFont(ui_.monitorFont.Text1->text());
    if (!family.isEmpty())
        ui_.monitorFont.Text1->setText(family);
}

void Form3::Command9_Click() { hooks_.openAprsSetup(); }

void Form3::Command11_Click() { hooks_.resetHistoryBox(HistoryBox::To); }
void Form3::Command12_Click() { hooks_.resetHistoryBox(HistoryBox::Via); }
void Form3::Command3_Click() { hooks_.resetHistoryBox(HistoryBox::MessageFor); }

}  // namespace zeno
