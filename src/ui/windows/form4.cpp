// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/form4.h"

#include "config/appstate.h"
#include "config/setupvalues.h"
#include "connected/connection.h"
#include "files/filedialogs.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/units.h"
#include "ui/common/widgets.h"
#include "ui/windows/form4layout.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace zeno {

namespace {

// The window's first size, in twips (outer frame).
constexpr int kDesignWidth = 10500;
constexpr int kDesignHeight = 7200;
// The conversation and the history never grow without end.
constexpr qsizetype kText1Limit = 31000;
constexpr qsizetype kText1Kept = 26000;
constexpr qsizetype kText3Limit = 50000;
constexpr qsizetype kText3Kept = 45000;

const QString kSendTexts[] = {QStringLiteral("\\sendtxt1.txt"), QStringLiteral("\\sendtxt2.txt"),
                              QStringLiteral("\\sendtxt3.txt")};

struct Notebook {
    QString file;
    QString caption;  // empty: the notebook's own
};
const Notebook kNotebooks[] = {
    {QStringLiteral("\\Notebook.txt"), QString()},
    {QStringLiteral("\\pmsinfo1.txt"), QStringLiteral("Notebook: PMS(1) Info, commands etc...")},
    {QStringLiteral("\\pmsinfo2.txt"), QStringLiteral("Notebook: PMS(2) Info, commands etc...")}};

void keepLast(MonitorTextBox& box, qsizetype limit, qsizetype kept) {
    if (box.length() > limit)
        box.cutFront(box.length() - kept);
}

// "Send Text File...": only the text is wanted, no window.
struct NoOpenTargets : OpenTextTargets {
    void loadIntoMonitor(const QString&) override {}
    void openInNotebook(const QString&) override {}
    void setBusy(bool) override {}
};

}  // namespace

Form4::Form4(AppState& state, Connection& connection, Dialogs& dialogs, Platform& platform,
             QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      connection_(connection),
      dialogs_(dialogs),
      platform_(platform) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Channel 1"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildForm4Layout(this, *this);
    text1Box_ = std::make_unique<MonitorTextBox>(Text1);
    text3Box_ = std::make_unique<MonitorTextBox>(Text3);
    wireEvents();
    resize(twipsToPixels(kDesignWidth), twipsToPixels(kDesignHeight));
    Form_Load();
}

Form4::~Form4() = default;

void Form4::wireEvents() {
    connect(Command1, &QToolButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QToolButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form4::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form4::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form4::Command8_Click);
    connect(Command9, &QToolButton::clicked, this, &Form4::Command9_Click);
    connect(Command10, &QToolButton::clicked, this, &Form4::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &Form4::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &Form4::Command12_Click);
    for (int i = 0; i < 3; ++i) {
        const auto edit = [this, i] { editsend_Click(i); };
        connect(editsendops[i], &QAction::triggered, this, edit);
        connect(editsend[i], &QAction::triggered, this, edit);
        connect(menuexitpopups[i], &QAction::triggered, this, &Form4::menuexitpopup_Click);
        connect(bbs[i], &QAction::triggered, this, [this, i] { bbs_Click(i); });
    }
    connect(menuexitpopup, &QAction::triggered, this, &Form4::menuexitpopup_Click);
    connect(editconnectscreen, &QAction::triggered, this, &Form4::editconnectscreen_Click);
    connect(Text2, &QLineEdit::returnPressed, this, [this] { Text2_KeyPress(13); });
    giveDialogKeys(this);
    connect(Text1, &QPlainTextEdit::textChanged, this,
            [this] { keepLast(*text1Box_, kText1Limit, kText1Kept); });
    connect(Text3, &QPlainTextEdit::textChanged, this,
            [this] { keepLast(*text3Box_, kText3Limit, kText3Kept); });

    // A right click opens a menu: on the conversation's frame, and on each send-text button.
    const auto popUpOnRightClick = [this](QWidget* widget, QMenu* menu) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
    };
    popUpOnRightClick(Frame1, menueditfile);
    popUpOnRightClick(Command5, editsends[0]);
    popUpOnRightClick(Command7, editsends[1]);
    popUpOnRightClick(Command11, editsends[2]);
}

void Form4::Form_Load() {
    showBbsMode();
    connection_.terminalLoaded();
    Text2->clear();
    Text1->clear();
    const Settings& s = state_.settings;
    if (!s.monitorFont.isEmpty())
        Text1->setFont(fontForFamily(s.monitorFont));
    setWidgetColors(Text1, s.headerColor, s.screenColor);
    Command1->setEnabled(true);
}

void Form4::showInConversation(const QString& text) {
    text1Box_->append(text);
    text1Box_->scrollToEnd();
}

void Form4::showInHistory(const QString& text) {
    text3Box_->append(text);
    text3Box_->scrollToEnd();
}

void Form4::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Form4::Form_Activate() {
    if (!isMinimized())
        connection_.greet();
}

void Form4::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form4::Form_Resize() { placeForm4Controls(this, *this); }

void Form4::Text2_KeyPress(int KeyAscii) {
    if (KeyAscii != 13)
        return;
    const QString typed = Text2->text();
    Text2->clear();
    connection_.steps().add([this, typed] { connection_.typeLine(typed); });
}

void Form4::Command1_Click() {
    connection_.steps().add([this] { connection_.disconnectFromTerminal(); });
    DisconnectPressed = true;
    Text2->setFocus();
}

QString Form4::selectedText() const {
    return Text1->textCursor().selectedText().replace(QChar::ParagraphSeparator,
                                                      QStringLiteral("\r\n"));
}

void Form4::Command2_Click() {
    const QString selected = selectedText();
    platform_.setClipboardText(selected.isEmpty() ? text1Box_->text() : selected);
}

void Form4::Command3_Click() {
    const QString selected = selectedText();
    const QString& last = state_.files.FileName;
    // The monitor's own proposal is no name for a conversation.
    const QString name = last.isEmpty() || last.startsWith(QLatin1String("ZENO"))
                             ? QStringLiteral("connect1.txt")
                             : last;
    saveTextAs(state_.files, dialogs_,
               {name, selected, QStringLiteral("Do you want to save the selected text only?")},
               [&](bool selectionOnly) { return selectionOnly ? selected : text1Box_->text(); });
    Text2->setFocus();
}

void Form4::Command4_Click() {
    const QString selected = selectedText();
    const QString question = selected.isEmpty()
                                 ? QStringLiteral("Do you want to print the entire monitor window?")
                                 : QStringLiteral("Do you want to print the selected tekst?");
    if (dialogs_.askYesNo(question, QStringLiteral("Print")) &&
        platform_.printText(windowTitle(), selected.isEmpty() ? text1Box_->text() : selected) ==
            PrintOutcome::NotReady) {
        platform_.beep();
        dialogs_.message(QStringLiteral("Printer not ready"), QStringLiteral("Print error"),
                         MsgIcon::Exclamation);
    }
    Text2->setFocus();
}

void Form4::sendTextFile(int number) {
    connection_.steps().add([this, number] { connection_.sendAppFile(kSendTexts[number]); });
    Text2->setFocus();
}

void Form4::Command5_Click() { sendTextFile(0); }
void Form4::Command7_Click() { sendTextFile(1); }
void Form4::Command11_Click() { sendTextFile(2); }

void Form4::Command6_Click() {
    state_.files.OpenMode = kOpenIntoReplyText;
    // A cancelled dialog leaves nothing to send, not the last reply again.
    state_.ReplyText.clear();
    NoOpenTargets targets;
    OpenTextFile(state_.files, state_.ReplyText, dialogs_, platform_, targets);
    connection_.steps().add([this] { connection_.sendReplyText(); });
    Text2->setFocus();
}

void Form4::openNotebook(int which) {
    const Notebook& notebook = kNotebooks[which];
    // The program's one notebook window shows the file.
    emit notebookRequested(appFile(state_.appPath, notebook.file), notebook.caption);
}

void Form4::Command8_Click() { openNotebook(0); }
void Form4::Command9_Click() { openNotebook(1); }
void Form4::Command10_Click() { openNotebook(2); }

void Form4::Command12_Click() { menueditfile->popup(Command12->mapToGlobal(QPoint(0, 0))); }

void Form4::showBbsMode() {
    for (int i = 0; i < 3; ++i)
        bbs[i]->setChecked(i == state_.settings.bbsMode);
}

void Form4::bbs_Click(int Index) {
    if (Index == 2 && !bbsPasswordUsable(state_.settings.bbsPassword)) {
        dialogs_.message(QStringLiteral("You need to enter a BBS password in the Setup Menu to "
                                        "enable this option."),
                         QStringLiteral("No BBS Password entered"), MsgIcon::Information);
    } else {
        state_.settings.bbsMode = Index;
    }
    // Always: a checkable item has already toggled its own mark.
    showBbsMode();
    Text2->setFocus();
}

// In the system's own text editor, whichever the operator has chosen there.
void Form4::editsend_Click(int Index) {
    openInTextEditor(platform_, dialogs_, appFile(state_.appPath, kSendTexts[Index]));
}

void Form4::editconnectscreen_Click() { Text1->setReadOnly(!editconnectscreen->isChecked()); }

void Form4::menuexitpopup_Click() { Text2->setFocus(); }

void Form4::closeEvent(QCloseEvent* event) {
    const bool linkDown =
        windowTitle().contains(QLatin1String("disconnect"), Qt::CaseInsensitive) ||
        DisconnectPressed;
    connection_.terminalClosing(!linkDown);
    event->accept();
}

}  // namespace zeno
