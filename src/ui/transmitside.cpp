#include "ui/transmitside.h"

#include "config/appstate.h"
#include "link/agwlink.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "tx/aprsmessage.h"
#include "tx/aprsposition.h"
#include "tx/histories.h"
#include "tx/historyeditor.h"
#include "tx/producttag.h"
#include "tx/uiframe.h"
#include "ui/form1.h"
#include "ui/form1controls.h"
#include "ui/form2.h"
#include "ui/form5.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace zeno {

namespace {

constexpr int kEnter = 13;
constexpr int kMaxToLength = 10;
constexpr int kMaxViaLength = 50;
constexpr int kAprsSendMenuItem = 2;

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

TransmitSide::TransmitSide(const SideContext& context) : context_(context) {}
TransmitSide::~TransmitSide() = default;

// --- start-up -----------------------------------------------------------------------------

void TransmitSide::applyStartupState() {
    showAprsAvailable(aprsSendingAvailable(context_.state.settings));
    // A beacon left on survives the restart, as the settings file says; a listener never sends.
    if (context_.state.settings.swlMode != 0) {
        BeaconOff();
        context_.controls.Label6->setEnabled(false);
    } else if (context_.state.settings.beacon != 0) {
        BeaconOn();
    } else {
        BeaconOff();
    }
}

void TransmitSide::showAprsAvailable(bool available) {
    Form1Controls& c = context_.controls;
    c.Command9->setEnabled(available);
    c.Combo4->setEnabled(available);
    c.menusends.at(kAprsSendMenuItem)->setEnabled(available);
    c.Label8->setToolTip(available ? QString() : kNoAprsTooltip);
}

// --- call string and frames ---------------------------------------------------------------

std::optional<QString> TransmitSide::takeCallString(const QString& prompt) {
    Form1& w = context_.window;
    QString call = zeno::callString(w.boxText(HistoryBox::To), w.boxText(HistoryBox::Via));
    if (needsCallQuestion(call)) {
        const ModalScope scope(modalDepth_);
        call = context_.dialogs.input(prompt, kProgramTitle).toUpper();
        if (call.isEmpty())
            return std::nullopt;
    }
    Settings& s = context_.state.settings;
    s.toCall = w.boxText(HistoryBox::To).toUpper();
    w.setBoxText(HistoryBox::To, s.toCall);
    s.digistation = w.boxText(HistoryBox::Via).toUpper();
    w.setBoxText(HistoryBox::Via, s.digistation);
    callString_ = call;
    return call;
}

void TransmitSide::sendFrame(const QString& call, const QString& data) {
    context_.link.send(QLatin1Char('V'), call, data);
}

bool TransmitSide::SendUiFrame(const QString& data) {
    const std::optional<QString> call = takeCallString(kAskCallPrompt);
    if (!call)
        return false;
    sendFrame(*call, data);
    return true;
}

void TransmitSide::StuurMonitorTekst(const QString& text) {
    const std::optional<QString> call = takeCallString(kAskCallPrompt);
    if (!call)
        return;
    for (const QString& piece : monitorTextPieces(text))
        sendFrame(*call, piece);
}

void TransmitSide::Command2_Click() {
    const std::optional<QString> call = takeCallString(kAskCallPrompt);
    if (!call)
        return;
    sendFrame(*call, txTextPayload(context_.window.boxText(HistoryBox::TxData)));
    ADDTXData();
    ADDToData();
    ADDViaData();
}

void TransmitSide::sendHeaderOnly() {
    const std::optional<QString> call = takeCallString(kAskCallHeaderPrompt);
    if (!call)
        return;
    sendFrame(*call, QString());
    ADDToData();
    ADDViaData();
}

// --- APRS position ------------------------------------------------------------------------

void TransmitSide::Command9_Click() {
    if (!context_.controls.Command9->isEnabled()) {
        const ModalScope scope(modalDepth_);
        context_.dialogs.message(
            QStringLiteral(
                "Please enter your coordinates in the Setup Menu before sending in APRS."),
            QStringLiteral("Send Location and Comments in APRS format"), MsgIcon::Exclamation);
        return;
    }
    Settings& s = context_.state.settings;
    if (s.aprsEnabled == 0) {
        const ModalScope scope(modalDepth_);
        context_.dialogs.message(QStringLiteral("APRS is not enabled in the Setup Menu!"),
                                 QStringLiteral("APRS Not Enabled"), MsgIcon::Exclamation);
        return;
    }
    currentComment_ = context_.window.boxText(HistoryBox::AprsData).trimmed();
    s.aprs = positionInformation(s.aprs, currentComment_, transmittedProductTag(s.zenoTag));
    if (!SendUiFrame(s.aprs))
        return;
    ADDToData();
    ADDViaData();
    AddAPRSData();
}

void TransmitSide::keepCommentFromBox() {
    currentComment_ = context_.window.boxText(HistoryBox::AprsData);
}

void TransmitSide::setupAprsPosition() {
    keepCommentFromBox();
    Command19_Click();
}

void TransmitSide::Command19_Click() {
    const ModalScope scope(modalDepth_);
    QPointer<Form2> form =
        new Form2(context_.state, context_.dialogs, currentComment_, &context_.window);
    const int result = form->exec();
    if (!form)
        return;
    delete form;
    if (result == QDialog::Accepted)
        showAprsAvailable(true);
}

// --- APRS messages and the heard list ------------------------------------------------------

void TransmitSide::Command7_Click() {
    Form1& w = context_.window;
    if (w.boxText(HistoryBox::MessageFor).trimmed().isEmpty()) {
        {
            const ModalScope scope(modalDepth_);
            context_.dialogs.message(
                QStringLiteral(
                    "You need to enter a callsign or command the 'For:' input-box of the "
                    "'TX APRS Bulletin'"),
                QStringLiteral("Empty 'For:' designation"), MsgIcon::Exclamation);
        }
        context_.controls.Combo5->setFocus();
        return;
    }
    const std::optional<QString> call = takeCallString(kAskCallPrompt);
    if (!call)
        return;
    sendFrame(*call, messageInformation(w.boxText(HistoryBox::MessageFor),
                                        w.boxText(HistoryBox::MessageText)));
    AddMessage();
    AddFor();
    ADDToData();
    ADDViaData();
}

void TransmitSide::SendMheardList(int asBulletin) {
    const QListWidget* list = context_.controls.List1;
    if (list->count() == 0) {
        const ModalScope scope(modalDepth_);
        context_.dialogs.message(QStringLiteral("No stations heard, so nothing to send."),
                                 QStringLiteral("Send MHeard List"), MsgIcon::Exclamation);
        return;
    }
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    const QString tag = transmittedProductTag(context_.state.settings.zenoTag).trimmed();
    const QStringList texts =
        heardListTexts(entries, context_.controls.Label4->text(), asBulletin != 0, tag);
    for (const QString& text : texts)
        StuurMonitorTekst(text);
}

// --- Enter in the six boxes ---------------------------------------------------------------

QComboBox* TransmitSide::comboFor(HistoryBox box) const {
    const Form1Controls& c = context_.controls;
    switch (box) {
        case HistoryBox::TxData:
            return c.Combo1;
        case HistoryBox::To:
            return c.Combo2;
        case HistoryBox::Via:
            return c.Combo3;
        case HistoryBox::AprsData:
            return c.Combo4;
        case HistoryBox::MessageFor:
            return c.Combo5;
        case HistoryBox::MessageText:
            return c.Combo6;
    }
    return c.Combo1;
}

void TransmitSide::selectWholeText(QComboBox* box) {
    box->lineEdit()->setSelection(0, int(box->currentText().size()));
}

void TransmitSide::cutBoxText(HistoryBox box, int maxLength) {
    const QString text = context_.window.boxText(box);
    if (text.size() > maxLength)
        context_.window.setBoxText(box, text.left(maxLength));
}

void TransmitSide::Combo1_KeyPress(int KeyAscii) {
    if (KeyAscii != kEnter)
        return;
    cutBoxText(HistoryBox::TxData, kMaxTxTextLength);
    ADDTXData();
    Command2_Click();
    selectWholeText(context_.controls.Combo1);
}

void TransmitSide::Combo2_KeyPress(int KeyAscii) {
    if (KeyAscii != kEnter)
        return;
    cutBoxText(HistoryBox::To, kMaxToLength);
    ADDToData();
}

void TransmitSide::Combo3_KeyPress(int KeyAscii) {
    if (KeyAscii != kEnter)
        return;
    cutBoxText(HistoryBox::Via, kMaxViaLength);
    ADDViaData();
}

void TransmitSide::Combo4_KeyPress(int KeyAscii) {
    if (KeyAscii != kEnter)
        return;
    cutBoxText(HistoryBox::AprsData, kMaxAprsCommentLength);
    AddAPRSData();
    Command9_Click();
    selectWholeText(context_.controls.Combo4);
}

void TransmitSide::Combo5_KeyPress(int KeyAscii) {
    if (KeyAscii != kEnter)
        return;
    cutBoxText(HistoryBox::MessageFor, kAddresseeLength);
    AddFor();
    context_.controls.Combo6->setToolTip(QStringLiteral("Message contents to transmit For:") +
                                         context_.window.boxText(HistoryBox::MessageFor));
    context_.controls.Combo6->setFocus();
}

void TransmitSide::Combo6_KeyPress(int KeyAscii) {
    if (KeyAscii != kEnter)
        return;
    cutBoxText(HistoryBox::MessageText, kMaxMessageTextLength);
    AddMessage();
    Command7_Click();
    selectWholeText(context_.controls.Combo6);
}

// --- histories ----------------------------------------------------------------------------

void TransmitSide::addHistory(HistoryBox box) {
    Form1& w = context_.window;
    QStringList& entries = context_.state.settings.history(box);
    const HistoryUpdate update = addToHistory(box, entries, w.boxText(box));
    if (update.listChanged)
        w.setHistory(box, entries);
    w.setBoxText(box, update.boxText);
    comboFor(box)->lineEdit()->setCursorPosition(0);
    if (box == HistoryBox::Via)
        context_.state.settings.digistation = update.boxText;
}

void TransmitSide::ADDTXData() {
    addHistory(HistoryBox::TxData);
}
void TransmitSide::AddAPRSData() {
    addHistory(HistoryBox::AprsData);
}
void TransmitSide::ADDToData() {
    addHistory(HistoryBox::To);
}
void TransmitSide::ADDViaData() {
    addHistory(HistoryBox::Via);
}
void TransmitSide::AddFor() {
    addHistory(HistoryBox::MessageFor);
}
void TransmitSide::AddMessage() {
    addHistory(HistoryBox::MessageText);
}

void TransmitSide::Command11_Click() {
    editHistory(1);
}
void TransmitSide::Command12_Click() {
    editHistory(0);
}
void TransmitSide::Command17_Click() {
    editHistory(2);
}

void TransmitSide::editHistory(int mode) {
    const std::optional<HistoryEditorMode> editorMode = historyEditorMode(mode);
    if (!editorMode)
        return;
    QStringList lines;
    {
        const ModalScope scope(modalDepth_);
        QPointer<Form5> form = new Form5(mode, context_.state.settings.history(editorMode->box),
                                         context_.dialogs, &context_.window);
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
    context_.window.setHistory(editorMode->box, entries);
    context_.window.selectFirstEntry(editorMode->box);
}

// --- beacon -------------------------------------------------------------------------------

void TransmitSide::showBeaconLabel(bool on) {
    ClickableLabel* label = context_.controls.Label6;
    if (on) {
        label->setText(QStringLiteral("Beacon ON"));
        setWidgetColors(label, paletteColor(14), paletteColor(12));
    } else {
        label->setText(QStringLiteral("Beacon OFF"));
        setWidgetColors(label, paletteColor(1), paletteColor(7));
    }
}

void TransmitSide::BeaconOn() {
    context_.state.settings.beacon = -1;
    showBeaconLabel(true);
}

void TransmitSide::BeaconOff() {
    context_.state.settings.beacon = 0;
    showBeaconLabel(false);
}

void TransmitSide::Label6_DblClick() {
    if (context_.controls.Label6->text() == QLatin1String("Beacon OFF"))
        BeaconOn();
    else
        BeaconOff();
}

void TransmitSide::beaconStep() {
    const Settings& s = context_.state.settings;
    if (!beacon_.tick(s.beacon != 0, s.beaconInterval))
        return;
    // A box of ours is open (perhaps from the last beacon): this one is skipped.
    if (modalDepth_ > 0)
        return;
    if (s.selectedBeacon == 2) {
        if (context_.controls.Command9->isEnabled())
            Command9_Click();
    } else {
        Command2_Click();
    }
}

void TransmitSide::Klok_Change() {
    const Form1Controls& c = context_.controls;
    if (!c.Check4->isChecked())
        return;
    const TimedBeaconAction action =
        timedBeaconAction(c.Text5->text(), c.Text6->text(), context_.platform.now().time());
    if (action.switchOn)
        BeaconOn();
    if (action.switchOff)
        BeaconOff();
}

}  // namespace zeno
