// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/form1.h"

#include "config/appstate.h"
#include "config/weblinks.h"
#include "platform/units.h"
#include "ui/common/controls.h"
#include "ui/common/widgets.h"
#include "ui/main/awarenessside.h"
#include "ui/main/beaconside.h"
#include "ui/main/connectedside.h"
#include "ui/main/demoside.h"
#include "ui/main/form1geometry.h"
#include "ui/main/form1layout.h"
#include "ui/main/form1menus.h"
#include "ui/main/form1settingsview.h"
#include "ui/main/mapside.h"
#include "ui/main/messagesside.h"
#include "ui/main/monitorside.h"
#include "ui/main/passside.h"
#include "ui/main/receiveside.h"
#include "ui/main/setupside.h"
#include "ui/main/stationsside.h"
#include "ui/main/transmitside.h"
#include "ui/main/utilityside.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace zeno {

namespace {

// The design size of the window, in twips (outer frame).
constexpr int kDesignWidth = 10360;
constexpr int kDesignHeight = 8265;

}  // namespace

Form1::Form1(AppState& state, AgwLink& link, Dialogs& dialogs, Platform& platform, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZENO"));
    buildForm1Layout(this, c_);
    buildForm1Menus(this, c_.menus);
    geometry_ = std::make_unique<Form1Geometry>(*this, c_, *c_.scroll);

    const SideContext context{this, state, link, dialogs, platform};
    transmit_ = std::make_unique<TransmitSide>(context, c_.communication, c_.txData,
                                               c_.aprsPosition, c_.aprsMessage);
    beacon_ = std::make_unique<BeaconSide>(context, c_.time, *transmit_);
    messages_ = std::make_unique<MessagesSide>(context);
    connected_ = std::make_unique<ConnectedSide>(
        context, *transmit_, menuItem(c_.menus.menusends, SendItem::Disconnect));
    awareness_ = std::make_unique<AwarenessSide>(context, statusBar());
    stations_ = std::make_unique<StationsSide>(context, awareness_.get());
    messages_->keepIn([this]() -> StationStore& { return stations_->store(); });
    receive_ = std::make_unique<ReceiveSide>(
        context, c_.monitor, c_.heard, c_.menus.filters, c_.droppedFrames,
        PollHooks{*beacon_, *messages_, *connected_, stations_.get()});
    utility_ = std::make_unique<UtilitySide>(context, c_.menus.menuextra, c_.menus.menuextras);
    monitorSide_ =
        std::make_unique<MonitorSide>(context, receive_->monitor(), receive_->heardList(),
                                      menuItem(c_.menus.menuedits, EditItem::EnableMonitorForEdit),
                                      c_.menus.findnextmenu, statusBar());
    settingsView_ =
        std::make_unique<Form1SettingsView>(*this, c_.listener, *transmit_, *receive_, *beacon_);
    setup_ = std::make_unique<SetupSide>(context, c_.listener, c_.menus, *transmit_, *receive_,
                                         *beacon_, *settingsView_);
    passes_ = std::make_unique<PassSide>(context, statusBar(), *beacon_, *transmit_);
    demo_ = std::make_unique<DemoSide>(context, *setup_, c_.linkStatus);
    map_ = std::make_unique<MapSide>(context, *stations_, *passes_);
    wireEvents();
    geometry_->openAtSize(kDesignWidth,
                          kDesignHeight + pixelsToTwips(statusBar()->sizeHint().height()));
}

Form1::~Form1() = default;

SettingsView& Form1::settingsView() { return *settingsView_; }

void Form1::wireMenuArray(const QList<QAction*>& items, void (Form1::*handler)(int)) {
    for (int i = 0; i < items.size(); ++i)
        connect(items[i], &QAction::triggered, this, [this, handler, i] { (this->*handler)(i); });
}

void Form1::wireEvents() {
    connect(c_.Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    const MonitorPanel& m = c_.monitor;
    connect(m.Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(m.Check5, &QCheckBox::clicked, this, &Form1::Check5_Click);
    connect(m.Command8, &QToolButton::clicked, this, &Form1::Command8_Click);
    connect(m.Label13, &ClickableLabel::clicked, this, &Form1::Label13_Click);
    connect(m.Command13, &QToolButton::clicked, this, &Form1::Command13_Click);
    connect(m.Command14, &QToolButton::clicked, this, &Form1::Command14_Click);
    connect(m.Command15, &QToolButton::clicked, this, &Form1::Command15_Click);
    connect(m.Command3, &QToolButton::clicked, this, &Form1::Command3_Click);
    connect(m.Command1, &QToolButton::clicked, this, &Form1::Command1_Click);
    connect(m.Command4, &QToolButton::clicked, this, &Form1::Command4_Click);
    connect(c_.menus.findmenu, &QAction::triggered, this, &Form1::findmenu_Click);
    connect(c_.menus.findnextmenu, &QAction::triggered, this, &Form1::findnextmenu_Click);
    const HeardPanel& h = c_.heard;
    connect(h.Command16, &QPushButton::clicked, this, &Form1::Command16_Click);
    connect(h.Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(h.Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(h.List1, &QListWidget::itemDoubleClicked, this, &Form1::List1_DblClick);

    connect(c_.communication.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(c_.communication.Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(c_.communication.Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(c_.communication.Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(c_.aprsPosition.Command19, &QToolButton::clicked, this, &Form1::Command19_Click);
    connect(c_.aprsPosition.Command11, &QToolButton::clicked, this, &Form1::Command11_Click);
    connect(c_.txData.Command12, &QToolButton::clicked, this, &Form1::Command12_Click);
    connect(c_.aprsMessage.Command17, &QToolButton::clicked, this, &Form1::Command17_Click);
    connect(c_.aprsMessage.Command18, &QToolButton::clicked, this, &Form1::Command18_Click);
    connect(c_.time.Label6, &ClickableLabel::doubleClicked, this, &Form1::Label6_DblClick);
    connect(c_.time.NextPass, &QPushButton::clicked, this, &Form1::NextPass_Click);
    connect(passes_.get(), &PassSide::notice, awareness_.get(), &AwarenessSide::showNotice);
    connect(c_.logo.Picture1, &LogoPicture::doubleClicked, this, &Form1::Picture1_DblClick);

    // Enter in the six transmit boxes is taken by their key handlers, never by the box.
    for (int i = 0; i < kHistoryBoxCount; ++i)
        transmit_->combo(static_cast<HistoryBox>(i))->lineEdit()->installEventFilter(this);

    connect(transmit_.get(), &TransmitSide::positionAvailabilityChanged,
            menuItem(c_.menus.menusends, SendItem::AprsPosition), &QAction::setEnabled);
    const auto reply = [this](const QString& call) {
        transmit_->addressMessageTo(call);
        raise();
        activateWindow();
    };
    connect(messages_.get(), &MessagesSide::replyRequested, this, reply);
    connect(stations_.get(), &StationsSide::replyRequested, this, reply);
    connect(receive_.get(), &ReceiveSide::tickEnded, messages_.get(),
            &MessagesSide::resendDueMessages);
    connect(receive_.get(), &ReceiveSide::tickEnded, stations_.get(), &StationsSide::tickEnded);
    connect(messages_.get(), &MessagesSide::resendDue, transmit_.get(),
            &TransmitSide::resendMessage);
    connect(messages_.get(), &MessagesSide::ackDue, transmit_.get(), &TransmitSide::sendAck);
    connect(transmit_.get(), &TransmitSide::numberedMessageSent, messages_.get(),
            &MessagesSide::rememberOwnMessage);
    connect(messages_.get(), &MessagesSide::unreadChanged, transmit_.get(),
            &TransmitSide::showUnreadMessages);
    connect(messages_.get(), &MessagesSide::messageForMe, this, [this](const QString& notice) {
        showPopup(notice);
        awareness_->askForAttention();
    });
    // A connection that is up counts as connected only once the engine answers on it: the
    // link says so itself.
    connect(setup_.get(), &SetupSide::engineMoved, this, [this](bool up, const QString& where) {
        if (!up)
            showNoEngine(where);
    });
    connect(setup_.get(), &SetupSide::panelsMoved, this, &Form1::Form_Resize);
    connect(setup_.get(), &SetupSide::engineFileWritten, this,
            [this] { showEngineFileProblem(QString()); });
    connect(demo_.get(), &DemoSide::engineMoved, this, [this](bool up, const QString& where) {
        up ? showLinkState(true, where) : showNoEngine(where);
    });
    connect(c_.menus.menuhelpdemo, &QAction::triggered, this, &Form1::menuhelpdemo_Click);

    wireMenuArray(c_.menus.menufiles, &Form1::menufiles_Click);
    wireMenuArray(c_.menus.menuedits, &Form1::menuedits_Click);
    wireMenuArray(c_.menus.menusends, &Form1::menusends_Click);
    wireMenuArray(c_.menus.filters.menufilters, &Form1::menufilters_Click);
    wireMenuArray(c_.menus.menuoptions, &Form1::menuoptions_Click);
    wireMenuArray(c_.menus.menusetups, &Form1::menusetups_Click);
    wireMenuArray(c_.menus.menuextras, &Form1::menuextras_Click);
    wireMenuArray(c_.menus.menuhelps, &Form1::menuhelps_Click);
    wireMenuArray(c_.menus.menuoptionsopens, &Form1::menuoptionsopens_Click);
    connect(connected_.get(), &ConnectedSide::popupRequested, this, &Form1::showPopup);
    connect(connected_.get(), &ConnectedSide::notebookRequested, utility_.get(),
            &UtilitySide::openNotebook);
    connect(receive_.get(), &ReceiveSide::notebookRequested, utility_.get(),
            &UtilitySide::openNotebook);
    connect(monitorSide_.get(), &MonitorSide::notebookRequested, utility_.get(),
            &UtilitySide::openNotebook);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const std::pair<HistoryBox, void (Form1::*)(int)> handlers[] = {
                {HistoryBox::TxData, &Form1::Combo1_KeyPress},
                {HistoryBox::To, &Form1::Combo2_KeyPress},
                {HistoryBox::Via, &Form1::Combo3_KeyPress},
                {HistoryBox::AprsData, &Form1::Combo4_KeyPress},
                {HistoryBox::MessageFor, &Form1::Combo5_KeyPress},
                {HistoryBox::MessageText, &Form1::Combo6_KeyPress}};
            for (const auto& [box, handler] : handlers) {
                if (watched == transmit_->combo(box)->lineEdit()) {
                    (this->*handler)(13);
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Timer1_Timer() { receive_->tick(); }
void Form1::LogAPRSMessages(const QString& header, const QString& data) {
    messages_->LogAPRSMessages(header, data);
}
void Form1::PlayAlarm() { receive_->playAlarm(); }
void Form1::showPopup(const QString& text) { receive_->showPopup(text); }

void Form1::Check1_Click() { receive_->storeAutoScroll(); }
void Form1::Command8_Click() { receive_->clearMonitor(); }
void Form1::menufilters_Click(int Index) {
    receive_->chooseFilter(Index, transmit_->boxText(HistoryBox::To),
                           transmit_->boxText(HistoryBox::Via));
}
void Form1::Label13_Click() { receive_->popUpFilterMenu(); }
void Form1::Command16_Click() { receive_->copyHeardList(); }
void Form1::Command6_Click() { receive_->clearHeardList(); }
void Form1::Command5_Click() { receive_->saveHeardList(); }
void Form1::List1_DblClick() { transmit_->addressMessageTo(receive_->selectedHeardStation()); }

void Form1::Command13_Click() { monitorSide_->cut(); }
void Form1::Command14_Click() { monitorSide_->copy(); }
void Form1::Command15_Click() { monitorSide_->paste(); }
void Form1::findmenu_Click() { monitorSide_->find(); }
void Form1::findnextmenu_Click() { monitorSide_->findNext(); }
void Form1::Command3_Click() { monitorSide_->openFile(kOpenIntoMonitor); }
void Form1::Command1_Click() { monitorSide_->saveMonitor(); }
void Form1::Command4_Click() { monitorSide_->printMonitor(); }
void Form1::SaveReport() { monitorSide_->SaveReport(); }

void Form1::Command2_Click() { transmit_->sendTxText(); }
void Form1::Command9_Click() { transmit_->sendPosition(); }
void Form1::Command7_Click() { transmit_->sendMessage(); }
void Form1::Command19_Click() { transmit_->openAprsSetup(); }
void Form1::Command11_Click() { transmit_->editHistory(1); }
void Form1::Command12_Click() { transmit_->editHistory(0); }
void Form1::Command17_Click() { transmit_->editHistory(2); }
void Form1::Combo1_KeyPress(int KeyAscii) {
    transmit_->keyPressInBox(HistoryBox::TxData, KeyAscii);
}
void Form1::Combo2_KeyPress(int KeyAscii) { transmit_->keyPressInBox(HistoryBox::To, KeyAscii); }
void Form1::Combo3_KeyPress(int KeyAscii) { transmit_->keyPressInBox(HistoryBox::Via, KeyAscii); }
void Form1::Combo4_KeyPress(int KeyAscii) {
    transmit_->keyPressInBox(HistoryBox::AprsData, KeyAscii);
}
void Form1::Combo5_KeyPress(int KeyAscii) {
    transmit_->keyPressInBox(HistoryBox::MessageFor, KeyAscii);
}
void Form1::Combo6_KeyPress(int KeyAscii) {
    transmit_->keyPressInBox(HistoryBox::MessageText, KeyAscii);
}
void Form1::SendMheardList(int asBulletin) {
    transmit_->sendHeardList(receive_->heardList(), asBulletin != 0);
}
void Form1::AddFor() { transmit_->AddFor(); }
void Form1::Label6_DblClick() { beacon_->toggleBeacon(); }
void Form1::NextPass_Click() { passes_->useNextPass(); }

void Form1::Command18_Click() { messages_->openReceivedMessages(); }

void Form1::ZENOAddOns() { utility_->ZENOAddOns(); }
void Form1::menuextras_Click(int Index) { utility_->runAddOn(Index); }
void Form1::Picture1_DblClick() { utility_->showAbout(); }
void Form1::Command10_Click() { menusends_Click(static_cast<int>(SendItem::Connect)); }
void Form1::menuoptionsopens_Click(int Index) { connected_->editTerminalFile(Index); }

void Form1::keepTypedWork() { utility_->keepNotebookChanges(); }

void Form1::applyStartupState() {
    transmit_->applyStartupState();
    beacon_->applyStartupState();
    setup_->applyStartupState();
    passes_->applyStartupState();
}

void Form1::openStore() {
    stations_->openStore();
    messages_->restoreKept();
    stations_->applyStartupState();
}

// Menus

void Form1::menuhelpdemo_Click() { demo_->listenToRecordedPass(); }

void Form1::replaceMonitorText(const QString& text) { receive_->monitor().setText(text); }

QString Form1::monitorText() const { return c_.monitor.Text1->toPlainText(); }

void Form1::showLinkState(bool up, const QString& engineAddress) {
    showLinkState(up ? LinkStatus::Answering : LinkStatus::Lost, engineAddress);
}

void Form1::showLinkState(LinkStatus status, const QString& engineAddress) {
    c_.linkStatus->setText(linkStatusText(status, engineAddress));
}

void Form1::showNoEngine(const QString& engineAddress) {
    c_.linkStatus->setText(linkStatusText(LinkStatus::NotRunning, engineAddress) +
                           QStringLiteral(". Without a radio: Help > Listen to a Recorded Pass"));
}

void Form1::showEngineFileProblem(const QString& text) {
    c_.engineFileStatus->setText(text);
    c_.engineFileStatus->setVisible(!text.isEmpty());
    // The first line, above what start-up has put there (the no-engine text).
    MonitorTextBox& monitor = receive_->monitor();
    if (!text.isEmpty())
        monitor.setText(text + QStringLiteral("\r\n") + monitor.text());
}

void Form1::setEndPending(std::function<bool()> pending) {
    receive_->setEndPending(std::move(pending));
}

void Form1::startPollTimer() { c_.Timer1->start(); }

void Form1::Check5_Click() { geometry_->expandOrRestore(); }
void Form1::Form_Resize() {
    if (geometry_)
        geometry_->fitToWindow();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program; the session saves first.
    if (!unloading_) {
        unloading_ = true;
        emit unloadRequested();
    }
    event->accept();
}

}  // namespace zeno
