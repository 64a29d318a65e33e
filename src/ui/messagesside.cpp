#include "ui/messagesside.h"

#include "config/appstate.h"
#include "ui/form1.h"
#include "ui/form7.h"

#include <QComboBox>

namespace zeno {

MessagesSide::MessagesSide(const SideContext& context)
    : context_(context), log_(context.state.settings, context.platform) {}

MessagesSide::~MessagesSide() {
    delete form7_.data();
}

void MessagesSide::LogAPRSMessages(const QString& header, const QString& data) {
    // The open window shows it at its next refresh.
    log_.LogAPRSMessages(header, data);
}

void MessagesSide::Command18_Click() {
    if (!form7_) {
        // A window of its own, not a child of the main window: its controls share the
        // main window's documented names.
        form7_ = new Form7(log_, context_.state, context_.dialogs, context_.platform);
        connect(form7_, &Form7::replyRequested, this, &MessagesSide::replyTo);
    }
    form7_->show();
    form7_->raise();
    form7_->activateWindow();
}

void MessagesSide::replyTo(const QString& callsign) {
    context_.controls.Combo5->setEditText(callsign);
    context_.controls.Combo6->setFocus();
    context_.window.raise();
    context_.window.activateWindow();
}

}  // namespace zeno
