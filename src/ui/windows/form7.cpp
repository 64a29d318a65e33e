// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/form7.h"

#include "config/appstate.h"
#include "platform/platform.h"
#include "tx/messagelog.h"
#include "tx/messageretries.h"
#include "ui/common/controls.h"
#include "ui/common/screenfit.h"
#include "ui/common/widgets.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace zeno {

namespace {

constexpr int kRefreshMs = 10000;
// A whole logged line: date, time, sender, addressee, "| Message: " and the 67 characters an
// APRS message carries, with a message number.
constexpr int kLineCharacters = 140;

}  // namespace

Form7::Form7(MessageLog& log, AppState& state, Dialogs& dialogs, Platform& platform,
             QWidget* parent)
    : QWidget(parent, Qt::Window),
      log_(log),
      state_(state),
      dialogs_(dialogs),
      platform_(platform) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(kReceivedMessagesTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    wireEvents();
    // Wide enough for a whole message line and tall enough for a dozen more where the screen
    // allows (ScreenFit bounds it).
    const int lineWidth = List1->fontMetrics().horizontalAdvance(QString(kLineCharacters, u'M'));
    openAtPageSize(this, QSize(lineWidth + 2 * List1->frameWidth() + 40, 0));
    resize(width(), height() + 12 * List1->fontMetrics().lineSpacing());
    Form_Load();
}

void Form7::buildControls() {
    using namespace controls;
    Frame1 = frame(this, "Frame1", QStringLiteral("View Messages"));
    Frame1->setToolTip(QStringLiteral("Select APRS messages type you want listed"));
    Option1 =
        optionButton(Frame1, "Option1", QStringLiteral("All"), QStringLiteral("Show all messages"));
    Option2 = optionButton(Frame1, "Option2", QStringLiteral("Mine"),
                           QStringLiteral("show only messages for you"));
    Option3 = optionButton(Frame1, "Option3", QStringLiteral("BLN"),
                           QStringLiteral("Show only Bulletin messages"));
    Option4 = optionButton(Frame1, "Option4", QStringLiteral("NWS"),
                           QStringLiteral("Show only News messages"));
    Option5 = optionButton(Frame1, "Option5", QStringLiteral("SAT"),
                           QStringLiteral("Show only Sat messages*"));
    Option6 = optionButton(Frame1, "Option6", QStringLiteral("EMAIL"),
                           QStringLiteral("Show only E-mail messages"));
    viewOptions_ = new QButtonGroup(this);
    auto* viewRow = new QHBoxLayout(Frame1);
    int filter = 0;
    for (QRadioButton* option : {Option1, Option2, Option3, Option4, Option5, Option6}) {
        viewOptions_->addButton(option, filter++);
        viewRow->addWidget(option);
    }

    Frame2 = frame(this, "Frame2", QStringLiteral("Log Messages"));
    Option7 = optionButton(Frame2, "Option7", QStringLiteral("All"),
                           QStringLiteral("Log all messages (also those who are not digipeated)"));
    Option8 = optionButton(Frame2, "Option8", QStringLiteral("Only digipeated"),
                           QStringLiteral("Log only digipeated messages"));
    auto* logRow = new QHBoxLayout(Frame2);
    logRow->addWidget(Option7);
    logRow->addWidget(Option8);

    List1 = listBox(this, "List1", QStringLiteral("Double click station to send message..."));
    List1->setFont(fontForFamily(QStringLiteral("Courier New")));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setMinimumSize(240, 120);

    Label1 = label(this, "Label1", QString());
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setMinimumHeight(2 * Label1->fontMetrics().lineSpacing() + 4);

    Command1 = button(this, "Command1", QStringLiteral("OK"));
    Command2 = button(this, "Command2", QStringLiteral("Refresh Manual Now"),
                      QStringLiteral("Refresh now manual (automatic refresh every 10 seconds)"));
    Command3 =
        button(this, "Command3", QStringLiteral("Clear All"), QStringLiteral("Erase all messages"));
    Command4 = button(this, "Command4", QStringLiteral("Print"), QStringLiteral("Print Messages"));
    Command5 = button(this, "Command5", QStringLiteral("Copy All"),
                      QStringLiteral("Copy all messages to clipboard"));
    Command7 = button(this, "Command7", QStringLiteral("Save..."), QStringLiteral("Save Messages"));
    Command8 = button(this, "Command8", QStringLiteral("Copy Selected"),
                      QStringLiteral("Copy selected message to clipboard"));

    Timer1 = timer(this, "Timer1", kRefreshMs);

    ownMessagesFrame_ = frame(this, "ownMessagesFrame", QStringLiteral("Your messages"));
    ownMessagesFrame_->setToolTip(
        QStringLiteral("Your numbered messages: sent again until acknowledged"));
    ownMessagesList_ = listBox(ownMessagesFrame_, "ownMessagesList");
    ownMessagesList_->setFont(List1->font());
    ownMessagesList_->setSelectionMode(QAbstractItemView::SingleSelection);
    // A few lines: the log above takes the room the window has.
    ownMessagesList_->setMinimumWidth(240);
    ownMessagesList_->setFixedHeight(qMax(ownMessagesList_->minimumSizeHint().height(),
                                          5 * ownMessagesList_->fontMetrics().lineSpacing() + 8));
    stopRetrying_ = button(ownMessagesFrame_, "stopRetrying", QStringLiteral("Stop retrying"),
                           QStringLiteral("Send the selected message no more"));
    stopRetrying_->setEnabled(false);
    // The same on the list's context menu.
    stopRetryingAction_ = new QAction(stopRetrying_->text(), ownMessagesList_);
    stopRetryingAction_->setObjectName(QStringLiteral("stopRetryingAction"));
    ownMessagesList_->addAction(stopRetryingAction_);
    ownMessagesList_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* ownRow = new QHBoxLayout(ownMessagesFrame_);
    ownRow->addWidget(ownMessagesList_, 1);
    ownRow->addWidget(stopRetrying_, 0, Qt::AlignTop);

    auto* options = new QHBoxLayout;
    options->addWidget(Frame1, 3);
    options->addWidget(Frame2, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command2, Command3, Command4, Command7, Command8, Command5})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(scrollingPage(this));
    layout->addLayout(options);
    layout->addWidget(List1, 1);
    layout->addWidget(Label1);
    layout->addWidget(ownMessagesFrame_);
    layout->addLayout(buttons);
}

void Form7::wireEvents() {
    giveDialogKeys(this, Command1);
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
    connect(ownMessagesList_, &QListWidget::currentRowChanged, this, &Form7::showStopRetrying);
    connect(stopRetrying_, &QPushButton::clicked, this, &Form7::stopRetryingClicked);
    connect(stopRetryingAction_, &QAction::triggered, this, &Form7::stopRetryingClicked);
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

int Form7::selectedFilter() const { return qMax(0, viewOptions_->checkedId()); }

void Form7::ToonMyMes(int filter) {
    List1->clear();
    Label1->clear();
    List1->addItems(log_.ToonMyMes(filter));
    if (!isAcknowledged_)
        return;
    for (int i = 0; i < List1->count(); ++i) {
        QListWidgetItem* item = List1->item(i);
        if (isAcknowledged_(item->text())) {
            item->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
            item->setToolTip(QStringLiteral("Acknowledged"));
        }
    }
}

void Form7::markAcknowledged(std::function<bool(const QString&)> isAcknowledged) {
    isAcknowledged_ = std::move(isAcknowledged);
    ToonMyMes(selectedFilter());
}

void Form7::setOwnMessages(const MessageRetries* retries) {
    retries_ = retries;
    showOwnMessages();
}

void Form7::showOwnMessages() {
    if (!retries_)
        return;
    const int selected = ownMessagesList_->currentRow();
    {
        const QSignalBlocker blocker(ownMessagesList_);
        ownMessagesList_->clear();
        for (const OwnMessage& m : retries_->messages())
            ownMessagesList_->addItem(ownMessageLine(m));
        if (selected >= 0 && selected < ownMessagesList_->count())
            ownMessagesList_->setCurrentRow(selected);
    }
    showStopRetrying();
}

void Form7::showStopRetrying() {
    const int row = ownMessagesList_->currentRow();
    const bool retrying = retries_ && row >= 0 && row < retries_->messages().size() &&
                          retries_->at(row).state == OwnMessage::State::Retrying;
    stopRetrying_->setEnabled(retrying);
    stopRetryingAction_->setEnabled(retrying);
}

void Form7::stopRetryingClicked() {
    const int row = ownMessagesList_->currentRow();
    if (row >= 0)
        emit stopRetryingRequested(row);
}

void Form7::Option7_Click() { state_.settings.logDigipeatedMessages = 0; }
void Form7::Option8_Click() { state_.settings.logDigipeatedMessages = 1; }

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

void Form7::Command1_Click() { close(); }

void Form7::Command2_Click() { Timer1_Timer(); }

void Form7::Timer1_Timer() {
    ToonMyMes(selectedFilter());
    showOwnMessages();
}

void Form7::Command3_Click() {
    if (clearMessages(log_, listedMessages(), dialogs_))
        Timer1_Timer();
}

void Form7::Command4_Click() { printMessages(log_, listedMessages(), dialogs_, platform_); }

void Form7::Command5_Click() { platform_.setClipboardText(messageLines(listedMessages())); }

void Form7::Command7_Click() { saveMessages(listedMessages(), state_.files, dialogs_); }

void Form7::Command8_Click() { copySelectedMessage(selectedMessage(), dialogs_, platform_); }

}  // namespace zeno
