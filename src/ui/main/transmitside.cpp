// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/transmitside.h"

#include "config/appstate.h"
#include "link/agwlink.h"
#include "monitor/heardlist.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "tx/aprsmessage.h"
#include "tx/aprsposition.h"
#include "tx/enterrules.h"
#include "tx/histories.h"
#include "tx/historyeditor.h"
#include "tx/messageacks.h"
#include "tx/producttag.h"
#include "tx/receivedmessages.h"
#include "tx/uiframe.h"
#include "ui/common/widgets.h"
#include "ui/windows/form2.h"
#include "ui/windows/form5.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace zeno {

namespace {

const QString kAskCallPrompt = QStringLiteral("Enter station Call Sign or the digipeater call");
const QString kAskCallHeaderPrompt =
    QStringLiteral("Enter Call Sign of the station or de digipeater call.");
const QString kNoAprsTooltip =
    QStringLiteral("Enter your coordinates in the Setup menu to use this option");

// Counts a box or window of ours as open while it lasts.
class ModalScope {
public:
    explicit ModalScope(int& depth) : depth_(depth) { ++depth_; }
    ~ModalScope() { --depth_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    int& depth_;
};

}  // namespace

TransmitSide::TransmitSide(const SideContext& context, const CommunicationPanel& communication,
                           const TxDataPanel& txData, const AprsPositionPanel& aprsPosition,
                           const AprsMessagePanel& aprsMessage)
    : context_(context),
      communication_(communication),
      txData_(txData),
      aprsPosition_(aprsPosition),
      aprsMessage_(aprsMessage),
      sender_(context.link) {}

TransmitSide::~TransmitSide() = default;

void TransmitSide::applyStartupState() {
    showAprsAvailable(aprsSendingAvailable(context_.state.settings), kNoAprsTooltip);
}

void TransmitSide::showAprsSwitch(bool on) {
    showAprsAvailable(on, QStringLiteral("Please enter your coordinates in the Setup Menu"));
}

void TransmitSide::showAprsAvailable(bool available, const QString& unavailableTip) {
    communication_.Command9->setEnabled(available);
    aprsPosition_.Combo4->setEnabled(available);
    aprsPosition_.Label8->setToolTip(available ? QString() : unavailableTip);
    emit positionAvailabilityChanged(available && !sender_.isListening());
}

void TransmitSide::enterListenerMode() {
    sender_.enterListenerMode();
    for (QWidget* panel :
         {communication_.Frame3, txData_.Frame2, aprsPosition_.Frame7, aprsMessage_.Frame8})
        panel->hide();
    emit positionAvailabilityChanged(false);
}

double TransmitSide::topRowHeightTwips() const {
    return pixelsToTwips(communication_.Frame3->height());
}

bool TransmitSide::positionAvailable() const { return communication_.Command9->isEnabled(); }

void TransmitSide::showMessageBox(const QString& text, const QString& title) {
    const ModalScope scope(modalDepth_);
    context_.dialogs.message(text, title, MsgIcon::Exclamation);
}

// --- the boxes ----------------------------------------------------------------------------

QComboBox* TransmitSide::combo(HistoryBox box) const {
    switch (box) {
        case HistoryBox::TxData:
            return txData_.Combo1;
        case HistoryBox::To:
            return communication_.Combo2;
        case HistoryBox::Via:
            return communication_.Combo3;
        case HistoryBox::AprsData:
            return aprsPosition_.Combo4;
        case HistoryBox::MessageFor:
            return aprsMessage_.Combo5;
        case HistoryBox::MessageText:
            return aprsMessage_.Combo6;
    }
    return txData_.Combo1;
}

QString TransmitSide::boxText(HistoryBox box) const { return combo(box)->currentText(); }

void TransmitSide::setBoxText(HistoryBox box, const QString& text) {
    QComboBox* c = combo(box);
    const QSignalBlocker blocker(c);
    c->setEditText(text);
}

void TransmitSide::setHistory(HistoryBox box, const QStringList& entries) {
    QComboBox* c = combo(box);
    const QSignalBlocker blocker(c);
    const QString text = c->currentText();
    c->clear();
    c->addItems(entries);
    c->setEditText(text);
}

void TransmitSide::selectFirstEntry(HistoryBox box) {
    QComboBox* c = combo(box);
    if (c->count() == 0)
        return;
    const QSignalBlocker blocker(c);
    c->setCurrentIndex(0);
    c->setEditText(c->itemText(0));
}

void TransmitSide::setBoxColors(int foreRgb, int backRgb) {
    for (int i = 0; i < kHistoryBoxCount; ++i)
        setWidgetColors(combo(static_cast<HistoryBox>(i)), foreRgb, backRgb);
}

void TransmitSide::showCallsign(const QString& callsign) {
    communication_.Label4->setText(callsign);
    communication_.Label5->setText(callsign);
}

void TransmitSide::addressMessageTo(const QString& call) {
    if (call.isEmpty())
        return;
    setBoxText(HistoryBox::MessageFor, call);
    aprsMessage_.Combo6->setFocus();
}

// --- call string and frames ---------------------------------------------------------------

std::optional<QString> TransmitSide::takeCallString(const QString& prompt) {
    QString call = zeno::callString(boxText(HistoryBox::To), boxText(HistoryBox::Via));
    if (needsCallQuestion(call)) {
        const ModalScope scope(modalDepth_);
        call = context_.dialogs.input(prompt, kProgramTitle).toUpper();
        if (call.isEmpty())
            return std::nullopt;
    }
    Settings& s = context_.state.settings;
    s.toCall = boxText(HistoryBox::To).toUpper();
    setBoxText(HistoryBox::To, s.toCall);
    s.digistation = boxText(HistoryBox::Via).toUpper();
    setBoxText(HistoryBox::Via, s.digistation);
    callString_ = call;
    return call;
}

bool TransmitSide::SendUiFrame(const QString& data) {
    const std::optional<QString> call = takeCallString(kAskCallPrompt);
    if (!call)
        return false;
    sender_.send(*call, data);
    return true;
}

void TransmitSide::StuurMonitorTekst(const QString& text) {
    const std::optional<QString> call = takeCallString(kAskCallPrompt);
    if (!call)
        return;
    for (const QString& piece : monitorTextPieces(text))
        sender_.send(*call, piece);
}

void TransmitSide::sendTxText() {
    const std::optional<QString> call = takeCallString(kAskCallPrompt);
    if (!call)
        return;
    sender_.send(*call, txTextPayload(boxText(HistoryBox::TxData)));
    ADDTXData();
    ADDToData();
    ADDViaData();
}

void TransmitSide::sendHeaderOnly() {
    const std::optional<QString> call = takeCallString(kAskCallHeaderPrompt);
    if (!call)
        return;
    sender_.send(*call, QString());
    ADDToData();
    ADDViaData();
}

void TransmitSide::sendAck(const QString& information) {
    const QString call = zeno::callString(boxText(HistoryBox::To), boxText(HistoryBox::Via));
    // Nobody to ask while a frame is being taken in: without an address no ack goes out.
    if (!needsCallQuestion(call))
        sender_.send(call, information);
}

void TransmitSide::resendMessage(const QString& callString, const QString& information) {
    sender_.send(callString, information);
}

void TransmitSide::showUnreadMessages(int count) {
    QToolButton* button = aprsMessage_.Command18;
    button->setToolTip(receivedMessagesTip(count));
    button->setStyleSheet(count == 0 ? QString()
                                     : QStringLiteral("QToolButton { background: #ffd700; }"));
}

// --- APRS position ------------------------------------------------------------------------

void TransmitSide::sendPosition() {
    if (!positionAvailable()) {
        showMessageBox(
            QStringLiteral(
                "Please enter your coordinates in the Setup Menu before sending in APRS."),
            QStringLiteral("Send Location and Comments in APRS format"));
        return;
    }
    Settings& s = context_.state.settings;
    if (s.aprsEnabled == 0) {
        showMessageBox(QStringLiteral("APRS is not enabled in the Setup Menu!"),
                       QStringLiteral("APRS Not Enabled"));
        return;
    }
    currentComment_ = boxText(HistoryBox::AprsData).trimmed();
    s.aprs = positionInformation(s.aprs, currentComment_, transmittedProductTag(s.zenoTag));
    if (!SendUiFrame(s.aprs))
        return;
    ADDToData();
    ADDViaData();
    AddAPRSData();
}

void TransmitSide::keepCommentFromBox() { currentComment_ = boxText(HistoryBox::AprsData); }

void TransmitSide::setupAprsPosition() {
    keepCommentFromBox();
    openAprsSetup();
}

void TransmitSide::openAprsSetup() {
    const ModalScope scope(modalDepth_);
    QPointer<Form2> form =
        new Form2(context_.state, context_.dialogs, currentComment_, context_.window);
    const int result = form->exec();
    if (!form)
        return;
    delete form;
    if (result == QDialog::Accepted)
        showAprsAvailable(true, kNoAprsTooltip);
}

// --- APRS messages and the heard list ------------------------------------------------------

void TransmitSide::sendMessage() {
    if (boxText(HistoryBox::MessageFor).trimmed().isEmpty()) {
        showMessageBox(QStringLiteral("You need to enter a callsign or command the 'For:' "
                                      "input-box of the 'TX APRS Bulletin'"),
                       QStringLiteral("Empty 'For:' designation"));
        aprsMessage_.Combo5->setFocus();
        return;
    }
    const std::optional<QString> call = takeCallString(kAskCallPrompt);
    if (!call)
        return;
    MessageNumberStore numbers(context_.state.appPath);
    const OutgoingMessage message =
        outgoingMessage(boxText(HistoryBox::MessageFor), boxText(HistoryBox::MessageText),
                        context_.state.engine.acknowledgeMessages, numbers);
    if (sender_.send(*call, message.information) && message.number != 0)
        emit numberedMessageSent(aprsMessageParts(message.information).addressee,
                                 QString::number(message.number), *call, message.information);
    AddMessage();
    AddFor();
    ADDToData();
    ADDViaData();
}

void TransmitSide::sendHeardList(const HeardList& heard, bool asBulletin) {
    if (heard.entries().isEmpty()) {
        showMessageBox(QStringLiteral("No stations heard, so nothing to send."),
                       QStringLiteral("Send MHeard List"));
        return;
    }
    const QString tag = transmittedProductTag(context_.state.settings.zenoTag).trimmed();
    const QStringList texts =
        heardListTexts(heard.entries(), context_.state.settings.callsign, asBulletin, tag);
    for (const QString& text : texts)
        StuurMonitorTekst(text);
}

// --- Enter in the six boxes ---------------------------------------------------------------

void TransmitSide::selectWholeText(HistoryBox box) {
    QComboBox* c = combo(box);
    c->lineEdit()->setSelection(0, int(c->currentText().size()));
}

void TransmitSide::cutBoxText(HistoryBox box, int maxLength) {
    const QString text = boxText(box);
    if (text.size() > maxLength)
        setBoxText(box, text.left(maxLength));
}

void TransmitSide::keyPressInBox(HistoryBox box, int KeyAscii) {
    if (KeyAscii != kEnterKey)
        return;
    const EnterRule rule = enterRule(box);
    cutBoxText(box, rule.cutTo);
    addHistory(rule.history);
    switch (rule.sends) {
        case EnterSend::Nothing:
            break;
        case EnterSend::TxText:
            sendTxText();
            break;
        case EnterSend::Position:
            sendPosition();
            break;
        case EnterSend::Message:
            sendMessage();
            break;
    }
    if (rule.sends != EnterSend::Nothing)
        selectWholeText(box);
    if (rule.next) {
        if (!rule.nextTip.isEmpty())
            combo(*rule.next)->setToolTip(rule.nextTip + boxText(box));
        combo(*rule.next)->setFocus();
    }
}

// --- histories ----------------------------------------------------------------------------

void TransmitSide::addHistory(HistoryBox box) {
    QStringList& entries = context_.state.settings.history(box);
    const HistoryUpdate update = addToHistory(box, entries, boxText(box));
    if (update.listChanged)
        setHistory(box, entries);
    setBoxText(box, update.boxText);
    combo(box)->lineEdit()->setCursorPosition(0);
    if (box == HistoryBox::Via)
        context_.state.settings.digistation = update.boxText;
}

void TransmitSide::ADDTXData() { addHistory(HistoryBox::TxData); }
void TransmitSide::AddAPRSData() { addHistory(HistoryBox::AprsData); }
void TransmitSide::ADDToData() { addHistory(HistoryBox::To); }
void TransmitSide::ADDViaData() { addHistory(HistoryBox::Via); }
void TransmitSide::AddFor() { addHistory(HistoryBox::MessageFor); }
void TransmitSide::AddMessage() { addHistory(HistoryBox::MessageText); }

void TransmitSide::editHistory(int mode) {
    const std::optional<HistoryEditorMode> editorMode = historyEditorMode(mode);
    if (!editorMode)
        return;
    QStringList lines;
    {
        const ModalScope scope(modalDepth_);
        QPointer<Form5> form = new Form5(mode, context_.state.settings.history(editorMode->box),
                                         context_.dialogs, context_.window);
        const int result = form->exec();
        if (!form || result != QDialog::Accepted) {
            delete form;
            return;
        }
        lines = form->lines();
        delete form;
    }
    QStringList& entries = context_.state.settings.history(editorMode->box);
    entries = lines;
    setHistory(editorMode->box, entries);
    selectFirstEntry(editorMode->box);
}

}  // namespace zeno
