#include "ui/messagesside.h"

#include "config/appstate.h"
#include "ui/form7.h"

namespace zeno {

MessagesSide::MessagesSide(const SideContext& context)
    : context_(context), log_(context.state.settings, context.platform) {}

MessagesSide::~MessagesSide() { delete form7_.data(); }

void MessagesSide::LogAPRSMessages(const QString& header, const QString& data) {
    // The open window shows it at its next refresh.
    log_.LogAPRSMessages(header, data);
}

void MessagesSide::openReceivedMessages() {
    if (!form7_) {
        // A window of its own, not a child of the main window: its controls share the
        // main window's names.
        form7_ = new Form7(log_, context_.state, context_.dialogs, context_.platform);
        connect(form7_, &Form7::replyRequested, this, &MessagesSide::replyRequested);
    }
    form7_->show();
    form7_->raise();
    form7_->activateWindow();
}

}  // namespace zeno
