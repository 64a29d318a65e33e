#include "ui/main/messagesside.h"

#include "config/appstate.h"
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
}

MessagesSide::~MessagesSide() { delete form7_.data(); }

void MessagesSide::LogAPRSMessages(const QString& header, const QString& data) {
    // The open window shows it at its next refresh.
    received_.LogAPRSMessages(header, data);
}

void MessagesSide::rememberOwnMessage(const QString& addressee, const QString& number) {
    received_.rememberOwnMessage(addressee, number);
}

void MessagesSide::openReceivedMessages() {
    if (!form7_) {
        // A window of its own, not a child of the main window: its controls share the
        // main window's names.
        form7_ = new Form7(received_.log(), context_.state, context_.dialogs, context_.platform);
        form7_->markAcknowledged(
            [this](const QString& entry) { return received_.isAcknowledged(entry); });
        connect(form7_, &Form7::replyRequested, this, &MessagesSide::replyRequested);
        connect(form7_, &QObject::destroyed, &received_, [this] { received_.setReading(false); });
    }
    form7_->show();
    form7_->raise();
    form7_->activateWindow();
    received_.setReading(true);
}

}  // namespace zeno
