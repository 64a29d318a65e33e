#include "ui/form7.h"

#include "config/appstate.h"
#include "config/filedialogs.h"
#include "config/version.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "tx/messagelog.h"
#include "ui/widgets.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <type_traits>

namespace zeno {

namespace {

constexpr int kRefreshMs = 10000;
const QString kCrLf = QStringLiteral("\r\n");

template <typename W>
W* named(W* widget, const char* name, const QString& tip = QString()) {
    widget->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QWidget, W>) {
        if (!tip.isEmpty())
            widget->setToolTip(tip);
    }
    return widget;
}

QString eachOnItsLine(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + kCrLf;
    return text;
}

}  // namespace

Form7::Form7(MessageLog& log, AppState& state, Dialogs& dialogs, Platform& platform,
             QWidget* parent)
    : QWidget(parent, Qt::Window),
      log_(log),
      state_(state),
      dialogs_(dialogs),
      platform_(platform) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("APRS Received Messages"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    wireEvents();
    Form_Load();
}

void Form7::buildControls() {
    Frame1 = named(new QGroupBox(QStringLiteral("View Messages"), this), "Frame1",
                   QStringLiteral("Select APRS messages type you want listed"));
    Option1 = named(new QRadioButton(QStringLiteral("All"), Frame1), "Option1",
                    QStringLiteral("Show all messages"));
    Option2 = named(new QRadioButton(QStringLiteral("Mine"), Frame1), "Option2",
                    QStringLiteral("show only messages for you"));
    Option3 = named(new QRadioButton(QStringLiteral("BLN"), Frame1), "Option3",
                    QStringLiteral("Show only Bulletin messages"));
    Option4 = named(new QRadioButton(QStringLiteral("NWS"), Frame1), "Option4",
                    QStringLiteral("Show only News messages"));
    Option5 = named(new QRadioButton(QStringLiteral("SAT"), Frame1), "Option5",
                    QStringLiteral("Show only Sat messages*"));
    Option6 = named(new QRadioButton(QStringLiteral("EMAIL"), Frame1), "Option6",
                    QStringLiteral("Show only E-mail messages"));
    viewOptions_ = new QButtonGroup(this);
    auto* viewRow = new QHBoxLayout(Frame1);
    int filter = 0;
    for (QRadioButton* option : {Option1, Option2, Option3, Option4, Option5, Option6}) {
        viewOptions_->addButton(option, filter++);
        viewRow->addWidget(option);
    }

    Frame2 = named(new QGroupBox(QStringLiteral("Log Messages"), this), "Frame2");
    Option7 = named(new QRadioButton(QStringLiteral("All"), Frame2), "Option7",
                    QStringLiteral("Log all messages (also those who are not digipeated)"));
    Option8 = named(new QRadioButton(QStringLiteral("Only digipeated"), Frame2), "Option8",
                    QStringLiteral("Log only digipeated messages"));
    auto* logRow = new QHBoxLayout(Frame2);
    logRow->addWidget(Option7);
    logRow->addWidget(Option8);

    List1 = named(new QListWidget(this), "List1",
                  QStringLiteral("Double click station to send message..."));
    List1->setFont(fontForFamily(QStringLiteral("Courier New")));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setMinimumSize(640, 240);

    Label1 = named(new QLabel(this), "Label1");
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setMinimumHeight(2 * Label1->fontMetrics().lineSpacing() + 4);

    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = named(new QPushButton(caption, this), name, tip);
        b->setAutoDefault(false);
        return b;
    };
    Command1 = button("Command1", QStringLiteral("OK"), QString());
    Command2 = button("Command2", QStringLiteral("Refresh Manual Now"),
                      QStringLiteral("Refresh now manual (automatic refresh every 10 seconds)"));
    Command3 =
        button("Command3", QStringLiteral("Clear All"), QStringLiteral("Erase all messages"));
    Command4 = button("Command4", QStringLiteral("Print"), QStringLiteral("Print Messages"));
    Command5 = button("Command5", QStringLiteral("Copy All"),
                      QStringLiteral("Copy all messages to clipboard"));
    Command7 = button("Command7", QStringLiteral("Save..."), QStringLiteral("Save Messages"));
    Command8 = button("Command8", QStringLiteral("Copy Selected"),
                      QStringLiteral("Copy selected message to clipboard"));

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(kRefreshMs);

    auto* options = new QHBoxLayout;
    options->addWidget(Frame1, 3);
    options->addWidget(Frame2, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command2, Command3, Command4, Command7, Command8, Command5})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(List1, 1);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
}

void Form7::wireEvents() {
    const std::pair<QRadioButton*, void (Form7::*)()> options[] = {
        {Option1, &Form7::Option1_Click}, {Option2, &Form7::Option2_Click},
        {Option3, &Form7::Option3_Click}, {Option4, &Form7::Option4_Click},
        {Option5, &Form7::Option5_Click}, {Option6, &Form7::Option6_Click},
        {Option7, &Form7::Option7_Click}, {Option8, &Form7::Option8_Click}};
    for (const auto& [option, handler] : options)
        connect(option, &QRadioButton::clicked, this, handler);
    connect(List1, &QListWidget::itemClicked, this, &Form7::List1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Form7::List1_DblClick);
    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form7::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form7::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form7::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &Form7::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form7::Command8_Click);
    connect(Timer1, &QTimer::timeout, this, &Form7::Timer1_Timer);
}

void Form7::Form_Load() {
    {
        // Showing the setting is not choosing it.
        const QSignalBlocker block7(Option7);
        const QSignalBlocker block8(Option8);
        (state_.settings.logDigipeatedMessages == 1 ? Option8 : Option7)->setChecked(true);
    }
    Option1->setChecked(true);
    ToonMyMes(0);
    Timer1->start();
}

int Form7::selectedFilter() const {
    return qMax(0, viewOptions_->checkedId());
}

void Form7::ToonMyMes(int filter) {
    List1->clear();
    Label1->clear();
    List1->addItems(log_.ToonMyMes(filter));
}

void Form7::Option7_Click() {
    state_.settings.logDigipeatedMessages = 0;
}
void Form7::Option8_Click() {
    state_.settings.logDigipeatedMessages = 1;
}

QString Form7::selectedMessage() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QStringList Form7::listedMessages() const {
    QStringList lines;
    for (int i = 0; i < List1->count(); ++i)
        lines << List1->item(i)->text();
    return lines;
}

void Form7::List1_Click() {
    const QString selected = selectedMessage();
    if (selected.isEmpty())
        return;
    const MessageParts parts = splitAtMessage(selected);
    Label1->setText(parts.head + QLatin1Char('\n') + parts.message);
}

void Form7::List1_DblClick() {
    const QString selected = selectedMessage();
    if (selected.isEmpty())
        return;
    emit replyRequested(messageSender(selected));
}

void Form7::Command1_Click() {
    close();
}

void Form7::Command2_Click() {
    Timer1_Timer();
}

void Form7::Timer1_Timer() {
    ToonMyMes(selectedFilter());
}

void Form7::Command3_Click() {
    if (List1->count() == 0) {
        dialogs_.message(QStringLiteral("Nothing to clear"), kProgramTitle, MsgIcon::Information);
        return;
    }
    if (!dialogs_.askYesNo(QStringLiteral("Do you want remove all the received APRS messages?"),
                           QStringLiteral("Clear All")))
        return;
    List1->clear();
    Label1->clear();
    log_.clear();
}

void Form7::Command4_Click() {
    if (List1->count() == 0) {
        dialogs_.message(QStringLiteral("Nothing to print"), kProgramTitle, MsgIcon::Information);
        return;
    }
    if (!dialogs_.askYesNo(QStringLiteral("Do you want to print the received APRS messages?"),
                           QStringLiteral("Print")))
        return;
    // The whole log, whatever the view shows.
    const QString text = QStringLiteral("ZENO ") + ProgramVersion::text() + kCrLf + kCrLf +
                         eachOnItsLine(log_.ToonMyMes(static_cast<int>(MessageFilter::All)));
    if (platform_.printText(windowTitle(), text) == PrintOutcome::NotReady) {
        platform_.beep();
        dialogs_.message(QStringLiteral("Printer not ready"), QStringLiteral("Print error"),
                         MsgIcon::Exclamation);
    }
}

void Form7::Command5_Click() {
    platform_.setClipboardText(eachOnItsLine(listedMessages()));
}

void Form7::Command7_Click() {
    if (List1->count() == 0) {
        dialogs_.message(QStringLiteral("Nothing to save"), kProgramTitle, MsgIcon::Information);
        return;
    }
    state_.files.FileName = QStringLiteral("ZENO_APRS_Messages001.txt");
    AskSaveFile(state_, dialogs_);
    if (!state_.files.SaveConfirmed)
        return;
    if (!writeTextFile(state_.files.FilePath, eachOnItsLine(listedMessages())))
        dialogs_.message(QStringLiteral("Could not write the file."),
                         QStringLiteral("File: ") + state_.files.FilePath, MsgIcon::Exclamation);
}

void Form7::Command8_Click() {
    const QString selected = selectedMessage();
    if (selected.isEmpty()) {
        dialogs_.message(QStringLiteral("Please select a message first"), kProgramTitle,
                         MsgIcon::Information);
        return;
    }
    platform_.setClipboardText(selected);
}

}  // namespace zeno
