#include "ui/form1.h"

#include "config/appstate.h"
#include "platform/colors.h"
#include "platform/units.h"
#include "ui/form1layout.h"
#include "ui/form1menus.h"
#include "ui/messagesside.h"
#include "ui/receiveside.h"
#include "ui/transmitside.h"
#include "ui/widgets.h"

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
#include <QScreen>
#include <QSignalBlocker>
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
    : QMainWindow(parent), state_(state) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZENO"));
    buildForm1Layout(this, c_);
    buildForm1Menus(this, c_);
    resize(twipsToPixels(kDesignWidth),
           twipsToPixels(kDesignHeight) + statusBar()->sizeHint().height());
    const SideContext context{*this, c_, state, link, dialogs, platform};
    receive_ = std::make_unique<ReceiveSide>(context, *this);
    transmit_ = std::make_unique<TransmitSide>(context);
    messages_ = std::make_unique<MessagesSide>(context);
    wireEvents();
}

Form1::~Form1() = default;

void Form1::wireMenuArray(const QList<QAction*>& items, void (Form1::*handler)(int)) {
    for (int i = 0; i < items.size(); ++i)
        connect(items[i], &QAction::triggered, this, [this, handler, i] { (this->*handler)(i); });
}

void Form1::wireEvents() {
    connect(c_.Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    connect(c_.Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(c_.Command8, &QToolButton::clicked, this, &Form1::Command8_Click);
    connect(c_.Label13, &ClickableLabel::clicked, this, &Form1::Label13_Click);
    connect(c_.Command16, &QPushButton::clicked, this, &Form1::Command16_Click);
    connect(c_.Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(c_.Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(c_.List1, &QListWidget::itemDoubleClicked, this, &Form1::List1_DblClick);

    connect(c_.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(c_.Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(c_.Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(c_.Command19, &QToolButton::clicked, this, &Form1::Command19_Click);
    connect(c_.Command11, &QToolButton::clicked, this, &Form1::Command11_Click);
    connect(c_.Command12, &QToolButton::clicked, this, &Form1::Command12_Click);
    connect(c_.Command17, &QToolButton::clicked, this, &Form1::Command17_Click);
    connect(c_.Command18, &QToolButton::clicked, this, &Form1::Command18_Click);
    connect(c_.Label6, &ClickableLabel::doubleClicked, this, &Form1::Label6_DblClick);

    // Enter in the six transmit boxes is taken by their key handlers, never by the box.
    for (QComboBox* box : {c_.Combo1, c_.Combo2, c_.Combo3, c_.Combo4, c_.Combo5, c_.Combo6})
        box->lineEdit()->installEventFilter(this);

    wireMenuArray(c_.menufiles, &Form1::menufiles_Click);
    wireMenuArray(c_.menusends, &Form1::menusends_Click);
    wireMenuArray(c_.menufilters, &Form1::menufilters_Click);
    wireMenuArray(c_.menuoptions, &Form1::menuoptions_Click);
    wireMenuArray(c_.menusetups, &Form1::menusetups_Click);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const std::pair<QComboBox*, void (Form1::*)(int)> handlers[] = {
                {c_.Combo1, &Form1::Combo1_KeyPress}, {c_.Combo2, &Form1::Combo2_KeyPress},
                {c_.Combo3, &Form1::Combo3_KeyPress}, {c_.Combo4, &Form1::Combo4_KeyPress},
                {c_.Combo5, &Form1::Combo5_KeyPress}, {c_.Combo6, &Form1::Combo6_KeyPress}};
            for (const auto& [box, handler] : handlers) {
                if (watched == box->lineEdit()) {
                    (this->*handler)(13);
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Receive side
void Form1::Timer1_Timer() {
    receive_->Timer1_Timer();
}
void Form1::Check1_Click() {
    receive_->Check1_Click();
}
void Form1::Command8_Click() {
    receive_->Command8_Click();
}
void Form1::menufilters_Click(int Index) {
    receive_->menufilters_Click(Index);
}
void Form1::Label13_Click() {
    receive_->Label13_Click();
}
void Form1::Command16_Click() {
    receive_->Command16_Click();
}
void Form1::Command6_Click() {
    receive_->Command6_Click();
}
void Form1::Command5_Click() {
    receive_->Command5_Click();
}
void Form1::List1_DblClick() {
    receive_->List1_DblClick();
}
void Form1::PlayAlarm() {
    receive_->PlayAlarm();
}
void Form1::showPopup(const QString& text) {
    receive_->showPopup(text);
}

// Transmit side
void Form1::Command2_Click() {
    transmit_->Command2_Click();
}
void Form1::Command9_Click() {
    transmit_->Command9_Click();
}
void Form1::Command7_Click() {
    transmit_->Command7_Click();
}
void Form1::Command19_Click() {
    transmit_->Command19_Click();
}
void Form1::Command11_Click() {
    transmit_->Command11_Click();
}
void Form1::Command12_Click() {
    transmit_->Command12_Click();
}
void Form1::Command17_Click() {
    transmit_->Command17_Click();
}
void Form1::Combo1_KeyPress(int KeyAscii) {
    transmit_->Combo1_KeyPress(KeyAscii);
}
void Form1::Combo2_KeyPress(int KeyAscii) {
    transmit_->Combo2_KeyPress(KeyAscii);
}
void Form1::Combo3_KeyPress(int KeyAscii) {
    transmit_->Combo3_KeyPress(KeyAscii);
}
void Form1::Combo4_KeyPress(int KeyAscii) {
    transmit_->Combo4_KeyPress(KeyAscii);
}
void Form1::Combo5_KeyPress(int KeyAscii) {
    transmit_->Combo5_KeyPress(KeyAscii);
}
void Form1::Combo6_KeyPress(int KeyAscii) {
    transmit_->Combo6_KeyPress(KeyAscii);
}
void Form1::Label6_DblClick() {
    transmit_->Label6_DblClick();
}
void Form1::SendMheardList(int asBulletin) {
    transmit_->SendMheardList(asBulletin);
}
void Form1::applyStartupState() {
    transmit_->applyStartupState();
}

// Received messages
void Form1::Command18_Click() {
    messages_->Command18_Click();
}

// Poll hooks
void Form1::Klok_Change() {
    transmit_->Klok_Change();
}
void Form1::beaconStep() {
    transmit_->beaconStep();
}
void Form1::LogAPRSMessages(const QString& header, const QString& data) {
    messages_->LogAPRSMessages(header, data);
}
bool Form1::connectedModeEvent(const AgwFrame&, const QString&, const QString&) {
    // Connected mode is not handled yet: the frame goes on to the alarm test.
    return true;
}

// Menus
void Form1::menufiles_Click(int Index) {
    if (Index == 7)
        close();  // Exit: the orderly end
}

void Form1::menusends_Click(int Index) {
    switch (Index) {
        case 0:
            transmit_->sendHeaderOnly();
            break;
        case 1:
            Command2_Click();
            break;
        case 2:
            Command9_Click();
            break;
        case 3:
            Command7_Click();
            break;
        case 8:
            SendMheardList(0);
            break;
        case 9:
            SendMheardList(1);
            break;
        default:
            break;
    }
}

void Form1::menuoptions_Click(int Index) {
    switch (Index) {
        case 0:
            Command18_Click();
            break;
        case 2:
            receive_->viewHeardStations();
            break;
        case 3:
            Command6_Click();
            break;
        case 4:
            Command16_Click();
            break;
        default:
            break;
    }
}

void Form1::menusetups_Click(int Index) {
    switch (Index) {
        case 0:
            transmit_->keepCommentFromBox();
            break;  // the setup dialog itself comes later
        case 1:
            transmit_->setupAprsPosition();
            break;
        case 3:
            transmit_->editHistory(0);
            break;
        case 4:
            transmit_->editHistory(1);
            break;
        case 5:
            transmit_->editHistory(2);
            break;
        default:
            break;
    }
}

void Form1::replaceMonitorText(const QString& text) {
    c_.Text1->setPlainText(text);
}

QString Form1::monitorText() const {
    return c_.Text1->toPlainText();
}

void Form1::showLinkState(bool up, const QString& engineAddress) {
    c_.linkStatus->setText(
        up ? QStringLiteral("Engine: connected to %1").arg(engineAddress)
           : QStringLiteral("Engine: connection to %1 lost, reconnecting...").arg(engineAddress));
}

void Form1::showNoEngine() {
    c_.linkStatus->setText(QStringLiteral("Engine: not running"));
}

void Form1::startPollTimer() {
    c_.Timer1->start();
}

void Form1::showCallsign(const QString& callsign) {
    for (QLabel* label : {c_.Label4, c_.Label5, c_.SWLlabel1, c_.SWLabel2})
        label->setText(callsign);
}

QComboBox* Form1::comboFor(HistoryBox box) const {
    switch (box) {
        case HistoryBox::TxData:
            return c_.Combo1;
        case HistoryBox::To:
            return c_.Combo2;
        case HistoryBox::Via:
            return c_.Combo3;
        case HistoryBox::AprsData:
            return c_.Combo4;
        case HistoryBox::MessageFor:
            return c_.Combo5;
        case HistoryBox::MessageText:
            return c_.Combo6;
    }
    return c_.Combo1;
}

void Form1::setHistory(HistoryBox box, const QStringList& entries) {
    QComboBox* combo = comboFor(box);
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(entries);
    combo->setEditText(text);
}

void Form1::selectFirstEntry(HistoryBox box) {
    QComboBox* combo = comboFor(box);
    if (combo->count() == 0)
        return;
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(0);
    combo->setEditText(combo->itemText(0));
}

QString Form1::boxText(HistoryBox box) const {
    return comboFor(box)->currentText();
}

void Form1::setBoxText(HistoryBox box, const QString& text) {
    QComboBox* combo = comboFor(box);
    const QSignalBlocker blocker(combo);
    combo->setEditText(text);
}

void Form1::setMonitorFont(const QString& family) {
    c_.Text1->setFont(fontForFamily(family));
}

void Form1::setMonitorColors(int textRgb, int backgroundRgb) {
    setWidgetColors(c_.Text1, textRgb, backgroundRgb);
}

void Form1::setDataBoxColors(int foreRgb, int backRgb) {
    for (QWidget* w : std::initializer_list<QWidget*>{c_.Combo1, c_.Combo2, c_.Combo3, c_.Combo4,
                                                      c_.Combo5, c_.Combo6, c_.List1})
        setWidgetColors(w, foreRgb, backRgb);
}

void Form1::setAutoScrollChecked(bool checked) {
    const QSignalBlocker blocker(c_.Check1);
    c_.Check1->setChecked(checked);
}

void Form1::showBeaconOn() {
    c_.Label6->setText(QStringLiteral("Beacon ON"));
    setWidgetColors(c_.Label6, paletteColor(14), paletteColor(12));
}

TwipsGeometry Form1::windowGeometry() const {
    const QRect frame = frameGeometry();
    return {double(pixelsToTwips(frame.x())), double(pixelsToTwips(frame.y())),
            double(pixelsToTwips(frame.width())), double(pixelsToTwips(frame.height()))};
}

QSizeF Form1::screenSize() const {
    const QScreen* s = screen();
    if (!s)
        return {};
    return {double(pixelsToTwips(s->geometry().width())),
            double(pixelsToTwips(s->geometry().height()))};
}

void Form1::setWindowLeft(double twips) {
    move(twipsToPixels(twips), y());
}

void Form1::setWindowTop(double twips) {
    move(x(), twipsToPixels(twips));
}

void Form1::setWindowSize(double widthTwips, double heightTwips) {
    // The stored size is the outer frame; resize() sets the inner size.
    const QSize decoration = frameGeometry().size() - size();
    resize(twipsToPixels(widthTwips) - decoration.width(),
           twipsToPixels(heightTwips) - decoration.height());
}

void Form1::maximizeWindow() {
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Form1::Form_Resize() {
    const TwipsGeometry outer = windowGeometry();
    // The status bar below the monitor is ours; the layout rules count without it.
    const double statusTwips = statusBar()->isVisible() ? pixelsToTwips(statusBar()->height()) : 0;
    const QRect frame1 = c_.Frame1->geometry();
    const double frameTop = pixelsToTwips(frame1.y());
    double h = outer.height - statusTwips - frameTop - 720;
    if (h < 620)
        h = 620;
    const double frameHeight = h - 20;
    placeTwips(c_.Frame1, pixelsToTwips(frame1.x()), frameTop, outer.width - 160, frameHeight);
    const QRect text = c_.Text1->geometry();
    placeTwips(c_.Text1, pixelsToTwips(text.x()), pixelsToTwips(text.y()), outer.width - 340,
               frameHeight - 580);
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
