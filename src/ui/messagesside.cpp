#include "ui/messagesside.h"

namespace zeno {

MessagesSide::MessagesSide(const SideContext& context) : context_(context) {}
MessagesSide::~MessagesSide() = default;

void MessagesSide::LogAPRSMessages(const QString&, const QString&) {}
void MessagesSide::Command18_Click() {}

}  // namespace zeno
