// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/messagesside.h"

#include "config/appstate.h"
#include "platform/platform.h"
#include "stations/stationstore.h"
#include "ui/windows/form7.h"

namespace zeno {

MessagesSide::MessagesSide(const SideContext& context)
    : context_(context), received_(context.state, context.platform) {
    connect(&received_, &ReceivedMessages::ackDue, this, &MessagesSide::ackDue);
    connect(&received_, &ReceivedMessages::unreadChanged, this, &MessagesSide::unreadChanged);
    connect(&received_, &ReceivedMessages::messageForMe, this, &MessagesSide::messageForMe);
    connect(&received_, &ReceivedMessages::ownMessageAcknowledged, this, [this] {
        if (form7_)
            form7_->Timer1_Timer();
    });
    connect(&received_, &ReceivedMessages::ownMessageChanged, this, [this] {
        if (form7_)
            form7_->showOwnMessages();
    });
}

MessagesSide::~MessagesSide() { delete form7_.data(); }

void MessagesSide::LogAPRSMessages(const QString& header, const QString& data) {
    restoreKept();
    // The open window shows it at its next refresh.
    received_.LogAPRSMessages(header, data);
}

void MessagesSide::rememberOwnMessage(const QString& addressee, const QString& number,
                                      const QString& callString, const QString& information) {
    restoreKept();
    received_.rememberOwnMessage(addressee, number, callString, information);
}

namespace {

StoredOwnMessage stored(const OwnMessage& m) {
    return {m.addressee, m.number,         m.callString, m.information,
            m.lastSent,  m.acknowledgedAt, m.sentCount,  int(m.state)};
}

OwnMessage restored(const StoredOwnMessage& m) {
    return {m.addressee, m.number,         m.callString, m.information,
            m.lastSent,  m.acknowledgedAt, m.sentCount,  static_cast<OwnMessage::State>(m.state)};
}

}  // namespace

void MessagesSide::keepIn(std::function<StationStore&()> openStore) {
    openStore_ = std::move(openStore);
}

void MessagesSide::restoreKept() {
    if (store_ || !openStore_)
        return;
    StationStore& store = openStore_();
    store_ = &store;
    QList<OwnMessage> own;
    for (const StoredOwnMessage& m : store.ownMessages(MessageRetries::kRemembered))
        own << restored(m);
    received_.restore(store.recentMessages(MessageLog::kCountLimit + 1), own);
    connect(&received_, &ReceivedMessages::messageLogged, this,
            [this](const QString& entry) { store_->addMessage(context_.platform.now(), entry); });
    connect(&received_, &ReceivedMessages::ownMessageChanged, this,
            [this](int index) { store_->putOwnMessage(stored(received_.retries().at(index))); });
}

void MessagesSide::resendDueMessages() {
    restoreKept();
    for (const int index : received_.takeDueRetries()) {
        const OwnMessage& m = received_.retries().at(index);
        emit resendDue(m.callString, m.information);
    }
}

void MessagesSide::openReceivedMessages() {
    restoreKept();
    if (!form7_) {
        // A window of its own, not a child of the main window: its controls share the
        // main window's names.
        form7_ = new Form7(received_.log(), context_.state, context_.dialogs, context_.platform);
        form7_->markAcknowledged(
            [this](const QString& entry) { return received_.isAcknowledged(entry); });
        form7_->setOwnMessages(&received_.retries());
        connect(form7_, &Form7::replyRequested, this, &MessagesSide::replyRequested);
        connect(form7_, &Form7::stopRetryingRequested, &received_, &ReceivedMessages::stopRetrying);
        connect(form7_, &QObject::destroyed, &received_, [this] { received_.setReading(false); });
    }
    form7_->show();
    form7_->raise();
    form7_->activateWindow();
    received_.setReading(true);
}

}  // namespace zeno
