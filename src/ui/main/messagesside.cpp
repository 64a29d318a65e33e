#include "ui/main/messagesside.h"

#include "config/appstate.h"
#include "platform/platform.h"
#include "ui/windows/form7.h"

namespace zeno {

MessagesSide::MessagesSide(const SideContext& context)
    : context_(context), log_(context.state.settings, context.platform) {}

MessagesSide::~MessagesSide() { delete form7_.data(); }

void MessagesSide::LogAPRSMessages(const QString& header, const QString& data) {
    // The open window shows it at its next refresh.
    const bool logged = log_.LogAPRSMessages(header, data);
    const QString ownCall = context_.state.settings.callsign;
    const QString sender = headerSender(header);
    const AprsMessageParts message = aprsMessageParts(data);
    const QString acked = acknowledgedNumber(message.text);
    if (!acked.isEmpty()) {
        if (message.addressee.compare(ownCall, Qt::CaseInsensitive) == 0)
            takeAck(sender, acked);
        return;  // an ack is nothing to read
    }
    MessageAcks::Answer answer;
    if (context_.state.engine.acknowledgeMessages) {
        answer = acks_.take(sender, message, ownCall, context_.platform.now());
        if (!answer.ack.isEmpty())
            emit ackDue(answer.ack);
    }
    if (!logged || answer.repeat || sender.compare(ownCall, Qt::CaseInsensitive) == 0 ||
        !filterAdmits(int(MessageFilter::Mine), log_.entries().constLast(), ownCall))
        return;
    // An open window lists it at its next refresh: nothing is left unread there.
    if (!form7_ || !form7_->isVisible())
        emit unreadChanged(++unread_);
    emit messageForMe(QStringLiteral("Message from %1: %2").arg(sender, message.text));
}

void MessagesSide::takeAck(const QString& sender, const QString& number) {
    if (own_.acknowledge(sender, number) && form7_)
        form7_->Timer1_Timer();
}

void MessagesSide::rememberOwnMessage(const QString& addressee, const QString& number) {
    own_.sent(addressee, number);
}

void MessagesSide::openReceivedMessages() {
    if (!form7_) {
        // A window of its own, not a child of the main window: its controls share the
        // main window's names.
        form7_ = new Form7(log_, context_.state, context_.dialogs, context_.platform);
        form7_->markAcknowledged([this](const QString& entry) {
            return isAcknowledgedEntry(entry, context_.state.settings.callsign, own_);
        });
        connect(form7_, &Form7::replyRequested, this, &MessagesSide::replyRequested);
    }
    form7_->show();
    form7_->raise();
    form7_->activateWindow();
    if (unread_ != 0) {
        unread_ = 0;
        emit unreadChanged(0);
    }
}

}  // namespace zeno
