#include "ui/windows/form3.h"

#include "config/appstate.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "ui/common/controls.h"
#include "ui/common/screenfit.h"
#include "ui/common/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <type_traits>

namespace zeno {

namespace {

using namespace controls;

const QString kSwlSelected = QStringLiteral(
    "You selected the special SWL mode. This mode will allow all options EXCEPT no TX and no "
    "editing of TX related files. It will enlarge the screen special for SWL's and more!");
const QString kSwlHelp = QStringLiteral(
    "Activating this special SWL mode will allow all options EXCEPT no TX and no editing of TX "
    "related files. Station trying to connect a SWL station will be disconnected. It will "
    "enlarge the screen special for SWL's and more!");

QIcon themed(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(themeName),
                            QApplication::style()->standardIcon(fallback));
}

// Lays out a frame's controls in rows; a null entry leaves its cell empty.
void rows(QGroupBox* frame, const QList<QList<QWidget*>>& cells) {
    auto* grid = new QGridLayout(frame);
    for (int r = 0; r < cells.size(); ++r) {
        for (int c = 0; c < cells[r].size(); ++c) {
            if (cells[r][c])
                grid->addWidget(cells[r][c], r, c);
        }
    }
}

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
    buildLayout();
    wireEvents();
    Form_Load();
    openAtPageSize(this);
}

Form3::~Form3() = default;

void Form3::buildLeftColumn() {
    Frame3 = frame(this, "Frame3", QStringLiteral("Your Call Sign"));
    Label2 = label(Frame3, "Label2", QStringLiteral("Your Call:"));
    Text3 = textBox(Frame3, "Text3", QStringLiteral("MYCALL"), QStringLiteral("Your callsign"));
    rows(Frame3, {{Label2, Text3}});

    Frame7 = frame(this, "Frame7", QStringLiteral("Alarm"));
    Option10 = optionButton(Frame7, "Option10", QStringLiteral("No alarm"));
    Option8 = optionButton(Frame7, "Option8", QStringLiteral("Look in Header"),
                           QStringLiteral("Sound alarm when found in packet header"));
    Text2 = textBox(Frame7, "Text2", QString(),
                    QStringLiteral("String to look for in the packet header"));
    Option9 = optionButton(Frame7, "Option9", QStringLiteral("Look in Data"),
                           QStringLiteral("Sound alarm when found in packet data"));
    Text4 = textBox(Frame7, "Text4", QStringLiteral("Hello from Tarn"),
                    QStringLiteral("String to look for in the packet data"));
    rows(Frame7, {{Option10}, {Option8, Text2}, {Option9, Text4}});

    Frame8 = frame(this, "Frame8", QStringLiteral("Beacon"));
    Option11 = optionButton(Frame8, "Option11", QStringLiteral("Use TX-Data"),
                            QStringLiteral("Send the active TX-Data text"));
    Option12 = optionButton(Frame8, "Option12", QString(),
                            QStringLiteral("Sends your active location and text in APRS format"));
    Check1 = checkBox(Frame8, "Check1", QStringLiteral("Activate"));
    Label6 = label(Frame8, "Label6", QStringLiteral("Interval"));
    Text5 = textBox(Frame8, "Text5", QString());
    Label11 = label(Frame8, "Label11", QStringLiteral("seconds"));
    rows(Frame8, {{Option11, Option12, Check1}, {Label6, Text5, Label11}});

    Frame1 = frame(this, "Frame1", QStringLiteral("AGW Port"));
    Frame1->setToolTip(QStringLiteral("Select AGWPE radioport"));
    QList<QList<QWidget*>> portRows;
    const char* names[] = {"Option1", "Option2", "Option13", "Option14"};
    for (int i = 0; i < 4; ++i) {
        ports_ << optionButton(Frame1, names[i], QStringLiteral("Port %1").arg(i + 1));
        portNames_ << label(Frame1, qPrintable(QStringLiteral("PortName%1").arg(i + 1)), {});
        portRows << QList<QWidget*>{ports_.last(), portNames_.last()};
    }
    rows(Frame1, portRows);

    // The engine is reached over TCP: where it listens is part of the setup.
    EngineFrame = frame(this, "EngineFrame", QStringLiteral("Engine"));
    EngineHost = textBox(EngineFrame, "EngineHost", QString(),
                         QStringLiteral("Host name or address of the AGWPE engine"));
    EnginePort = textBox(EngineFrame, "EnginePort", QString(),
                         QStringLiteral("TCP port of the AGWPE engine (1-65535)"));
    rows(EngineFrame, {{label(EngineFrame, "Label12", QStringLiteral("Host:")), EngineHost},
                       {label(EngineFrame, "Label13", QStringLiteral("Port:")), EnginePort}});
}

void Form3::buildMiddleColumn() {
    Frame2 = frame(this, "Frame2", QStringLiteral("Auto Disconnect"));
    Check3 = checkBox(Frame2, "Check3", QStringLiteral("Disable Incomming Connects"),
                      QStringLiteral("disconnect stations who want to connect you"));
    rows(Frame2, {{Check3}});

    Frame5 = frame(this, "Frame5", QStringLiteral("BBS"));
    Option15 = optionButton(Frame5, "Option15", QStringLiteral("Enable BBS"),
                            QStringLiteral("Enable users to use all the BBS commands"));
    Option17 = optionButton(Frame5, "Option17", QStringLiteral("Disable BBS"),
                            QStringLiteral("Disable the BBS commands for all users"));
    Option16 = optionButton(
        Frame5, "Option16", QStringLiteral("BBS with Password"),
        QStringLiteral("Enable users to use all the BBS commands after entering password"));
    Label10 = label(Frame5, "Label10", QStringLiteral("Password"));
    Text6 = textBox(Frame5, "Text6", QString());
    rows(Frame5, {{Option15}, {Option17}, {Option16}, {Label10, Text6}});

    Frame11 = frame(this, "Frame11", QStringLiteral("Log Messages"));
    Option19 = optionButton(Frame11, "Option19", QStringLiteral("Digipeated"));
    Option18 = optionButton(Frame11, "Option18", QString(), QStringLiteral("All messages"));
    CheckAck = checkBox(Frame11, "CheckAck", QStringLiteral("Acknowledge numbered messages"),
                        QStringLiteral("Answer numbered APRS messages to you with an ack"));
    rows(Frame11, {{Option19, Option18}, {CheckAck}});

    Frame6 = frame(this, "Frame6", QStringLiteral("Display"));
    Check4 = checkBox(Frame6, "Check4", QStringLiteral("Remember Screen Size and Position"),
                      QStringLiteral("Use last size and position when running ZENO"));
    rows(Frame6, {{Check4}});

    Frame13 = frame(this, "Frame13", QStringLiteral("SWL Mode"));
    Check6 = checkBox(
        Frame13, "Check6", QStringLiteral("Activate Special SWL Mode"),
        QStringLiteral("Activate special SWL mode (no TX and no editing TX related files)"));
    Command4 =
        pictureButton(Frame13, "Command4", themed("help-about", QStyle::SP_MessageBoxQuestion),
                      QStringLiteral("short info SWL mode"));
    rows(Frame13, {{Check6, Command4}});

    Frame10 = frame(this, "Frame10", QStringLiteral("Reset Data Box"));
    const QIcon reset = themed("edit-clear", QStyle::SP_DialogResetButton);
    Command11 = pictureButton(Frame10, "Command11", reset, QStringLiteral("Reset the 'To:' box"));
    Command12 = pictureButton(Frame10, "Command12", reset, QStringLiteral("Reset the 'Via:' box"));
    Command3 = pictureButton(Frame10, "Command3", reset, QStringLiteral("Reset the 'For:' box"));
    rows(Frame10, {{Command11, Command12, Command3}});
}

void Form3::buildRightColumn() {
    const QIcon palette = themed("color-picker", QStyle::SP_DesktopIcon);
    Frame12 = frame(this, "Frame12", QStringLiteral("Input And Dropdown Box Colors"));
    Label7 = label(Frame12, "Label7", QStringLiteral("Example:"));
    Label8 = label(Frame12, "Label8", QStringLiteral("Peace and love to the World"));
    Label9 = label(Frame12, "Label9", QStringLiteral("Color Shemes"));
    Option3 = optionButton(Frame12, "Option3", QStringLiteral("Default"));
    Option4 = optionButton(Frame12, "Option4", QStringLiteral("Classic"));
    Command13 =
        pictureButton(Frame12, "Command13", palette, QStringLiteral("Text foreground color"));
    Command14 = button(Frame12, "Command14", QStringLiteral("Background"),
                       QStringLiteral("Text background color"));
    rows(Frame12, {{Label7, Label8}, {Label9, Option3, Option4}, {Command13, Command14}});

    Frame4 = frame(this, "Frame4", QStringLiteral("Display Monitor/Connect Font"));
    Text1 = textBox(Frame4, "Text1", QStringLiteral("Fixedsys"),
                    QStringLiteral("Font to use in monitor window"));
    Command15 = button(Frame4, "Command15", QStringLiteral("Select"));
    Label1 = label(Frame4, "Label1", QStringLiteral("Example:"));
    Label3 = label(Frame4, "Label3", QStringLiteral("Fm QZ9ZZZ To ..."));
    Label4 = label(Frame4, "Label4", QStringLiteral("Hello from Tarn..."));
    Label5 = label(Frame4, "Label5", QStringLiteral("Color Shemes"));
    Option5 = optionButton(Frame4, "Option5", QStringLiteral("Black on White"));
    Option6 = optionButton(Frame4, "Option6", QStringLiteral("White on Blue"));
    Option7 = optionButton(Frame4, "Option7", QStringLiteral("Yellow on Black"));
    Command5 = pictureButton(Frame4, "Command5", palette, QStringLiteral("Monitor text color"));
    Command6 = pictureButton(Frame4, "Command6", palette, QStringLiteral("Data line color"));
    Command8 = button(Frame4, "Command8", QStringLiteral("Background"));
    rows(Frame4, {{Text1, Command15},
                  {Label1, Label3},
                  {nullptr, Label4},
                  {Label5, Option5},
                  {nullptr, Option6},
                  {nullptr, Option7},
                  {Command5, Command6, Command8}});

    Check2 = checkBox(this, "Check2", QStringLiteral("Enable APRS"),
                      QStringLiteral("Enable/disable APRS capability"));
    Check5 = checkBox(this, "Check5", QStringLiteral("No ZENO Tag"),
                      QStringLiteral("Use or remove the ZENO ID-Tag in APRS"));
    Command9 =
        pictureButton(this, "Command9", themed("applications-internet", QStyle::SP_DriveNetIcon),
                      QStringLiteral("Set your coordinates and aprs icon"));
}

void Form3::buildLayout() {
    buildLeftColumn();
    buildMiddleColumn();
    buildRightColumn();
    Command1 = button(this, "Command1", QStringLiteral("Save Current Settings"));
    Command2 = button(this, "Command2", QStringLiteral("Cancel"));

    auto* left = new QVBoxLayout;
    for (QWidget* w : {Frame3, Frame7, Frame8, Frame1, EngineFrame})
        left->addWidget(w);
    auto* middle = new QVBoxLayout;
    for (QWidget* w : {Frame2, Frame5, Frame11, Frame6, Frame13, Frame10})
        middle->addWidget(w);
    auto* right = new QVBoxLayout;
    right->addWidget(Frame12);
    right->addWidget(Frame4);
    auto* aprs = new QHBoxLayout;
    aprs->addWidget(Check2);
    aprs->addWidget(Check5);
    aprs->addWidget(Command9);
    right->addLayout(aprs);
    auto* columns = new QHBoxLayout;
    for (QVBoxLayout* column : {left, middle, right}) {
        column->addStretch();
        columns->addLayout(column);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* whole = new QVBoxLayout(scrollingPage(this));
    whole->addLayout(columns);
    // OK and Cancel stay in sight under the page when it scrolls.
    buttons->setContentsMargins(whole->contentsMargins());
    qobject_cast<QBoxLayout*>(layout())->addLayout(buttons);
}

void Form3::wireEvents() {
    const auto on = [this](auto* control, void (Form3::*handler)()) {
        connect(control, &std::remove_pointer_t<decltype(control)>::clicked, this, handler);
    };
    on(Command1, &Form3::Command1_Click);
    on(Command2, &Form3::Command2_Click);
    on(Option10, &Form3::Option10_Click);
    on(Option8, &Form3::Option8_Click);
    on(Option9, &Form3::Option9_Click);
    on(Check1, &Form3::Check1_Click);
    on(Check2, &Form3::Check2_Click);
    on(Check6, &Form3::Check6_Click);
    on(Command4, &Form3::Command4_Click);
    on(Option15, &Form3::Option15_Click);
    on(Option16, &Form3::Option16_Click);
    on(Option17, &Form3::Option17_Click);
    on(Option3, &Form3::Option3_Click);
    on(Option4, &Form3::Option4_Click);
    on(Option5, &Form3::Option5_Click);
    on(Option6, &Form3::Option6_Click);
    on(Option7, &Form3::Option7_Click);
    on(Command13, &Form3::Command13_Click);
    on(Command14, &Form3::Command14_Click);
    on(Command5, &Form3::Command5_Click);
    on(Command6, &Form3::Command6_Click);
    on(Command8, &Form3::Command8_Click);
    on(Command15, &Form3::Command15_Click);
    on(Command9, &Form3::Command9_Click);
    on(Command11, &Form3::Command11_Click);
    on(Command12, &Form3::Command12_Click);
    on(Command3, &Form3::Command3_Click);
}

// --- showing and collecting -----------------------------------------------------------------

void Form3::Form_Load() {
    edit_ = SetupValues::from(state_);
    showValues(edit_);
    if (edit_.listener)
        showListenerLimits();
}

void Form3::showValues(const SetupValues& v) {
    checkRadio(v.logDigipeatedOnly ? Option19 : Option18, true);
    checkRadio(Option15, v.bbsMode == 0);
    checkRadio(Option17, v.bbsMode == 1);
    checkRadio(Option16, v.bbsMode == 2);
    showPasswordBox(v.bbsMode == 2);
    Text6->setText(v.bbsPassword);
    Check5->setChecked(v.dropTag);
    Check4->setChecked(v.savePosition);
    Text5->setText(v.beaconInterval);
    Check1->setChecked(v.beaconOn);
    Check1_Click();
    checkRadio(v.selectedBeacon == 1 ? Option11 : Option12, true);
    Check2->setChecked(v.aprsEnabled);
    Check3->setChecked(v.refuseIncoming);
    Text3->setText(v.callsign);
    showRadioPorts();
    if (v.radioPort >= 0 && v.radioPort < ports_.size())
        ports_[v.radioPort]->setChecked(true);
    Text1->setText(v.monitorFont);
    dataSampleText_ = v.headerColor;
    showColors();
    checkRadio(v.alarmMode == 2 ? Option9 : v.alarmMode == 1 ? Option8 : Option10, true);
    Text2->setEnabled(v.alarmMode == 1);
    Text4->setEnabled(v.alarmMode == 2);
    Text2->setText(v.alarmHeaderText);
    Text4->setText(v.alarmDataText);
    EngineHost->setText(v.engineHost);
    EnginePort->setText(v.enginePort);
    CheckAck->setChecked(v.acknowledgeMessages);
}

void Form3::showColors() {
    setWidgetColors(Label8, edit_.dataBoxForeColor, edit_.dataBoxBackColor);
    setWidgetColors(Label3, edit_.headerColor, edit_.screenColor);
    setWidgetColors(Label4, dataSampleText_, edit_.screenColor);
}

// The engine's own names beside "Port 1" ... "Port 4"; a port it does not have is not offered.
void Form3::showRadioPorts() {
    for (int i = 0; i < ports_.size(); ++i) {
        const QString name = radioPortNames_.value(i);
        portNames_[i]->setText(name);
        ports_[i]->setEnabled(radioPortNames_.isEmpty() || !name.isEmpty());
    }
}

void Form3::showListenerLimits() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{Frame8, Frame10, Frame2, Frame5, Check2, Check5, Command9})
        w->setEnabled(false);
    Check6->setChecked(true);
}

SetupValues Form3::collect() const {
    SetupValues v = edit_;
    v.callsign = Text3->text();
    v.alarmMode = Option9->isChecked() ? 2 : Option8->isChecked() ? 1 : 0;
    v.alarmHeaderText = Text2->text();
    v.alarmDataText = Text4->text();
    v.beaconOn = Check1->isChecked();
    v.beaconInterval = Text5->text();
    v.selectedBeacon = Option11->isChecked() ? 1 : 2;
    for (int i = 0; i < ports_.size(); ++i) {
        if (ports_[i]->isChecked())
            v.radioPort = i;
    }
    v.refuseIncoming = Check3->isChecked();
    v.bbsMode = Option16->isChecked() ? 2 : Option17->isChecked() ? 1 : 0;
    v.bbsPassword = Text6->text();
    v.logDigipeatedOnly = Option19->isChecked();
    v.savePosition = Check4->isChecked();
    v.monitorFont = Text1->text();
    v.listener = Check6->isChecked();
    v.aprsEnabled = Check2->isChecked();
    v.dropTag = Check5->isChecked();
    v.engineHost = EngineHost->text();
    v.enginePort = EnginePort->text();
    v.acknowledgeMessages = CheckAck->isChecked();
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
    QLineEdit* wrong = refusal == SetupRefusal::BbsPassword  ? Text6
                       : refusal == SetupRefusal::Callsign   ? Text3
                       : refusal == SetupRefusal::EngineHost ? EngineHost
                                                             : EnginePort;
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

void Form3::setAlarmMode(int mode) {
    state_.settings.alarmMode = mode;
    Text2->setEnabled(mode == 1);
    Text4->setEnabled(mode == 2);
}

void Form3::Option10_Click() { setAlarmMode(0); }
void Form3::Option8_Click() { setAlarmMode(1); }
void Form3::Option9_Click() { setAlarmMode(2); }

void Form3::Check1_Click() { Text5->setEnabled(Check1->isChecked()); }

void Form3::Check2_Click() {
    if (!Check2->isChecked() || state_.settings.aprsEnabled != 0)
        return;
    // APRS goes on only with the station's coordinates.
    hooks_.openAprsSetup();
    Check2->setChecked(state_.settings.aprsEnabled == -1);
}

void Form3::Check6_Click() {
    if (Check6->isChecked() && state_.settings.swlMode == 0)
        dialogs_.message(kSwlSelected, QStringLiteral("SWL Mode"), MsgIcon::Information);
}

void Form3::Command4_Click() {
    dialogs_.message(kSwlHelp, QStringLiteral("Help SWL Mode"), MsgIcon::Information);
}

void Form3::showPasswordBox(bool usable) {
    Text6->setEnabled(usable);
    setWidgetColors(Text6, paletteColor(0), paletteColor(usable ? 15 : 7));
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
    const QString family = dialogs_.chooseFont(Text1->text());
    if (!family.isEmpty())
        Text1->setText(family);
}

void Form3::Command9_Click() { hooks_.openAprsSetup(); }

void Form3::Command11_Click() { hooks_.resetHistoryBox(HistoryBox::To); }
void Form3::Command12_Click() { hooks_.resetHistoryBox(HistoryBox::Via); }
void Form3::Command3_Click() { hooks_.resetHistoryBox(HistoryBox::MessageFor); }

}  // namespace zeno
