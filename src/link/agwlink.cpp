// Placeholder so the tree builds while the link is being written.
#include "link/agwlink.h"

#include <QFile>

#include "platform/apppath.h"

namespace zeno {

class AgwTransport {};

AgwLink::AgwLink(LinkValues& values, const Platform&, EngineAddress, QObject* parent)
    : QObject(parent), values_(values) {}
AgwLink::~AgwLink() = default;
bool AgwLink::start(const QString&) { return false; }
void AgwLink::send(QChar, const QString&, const QString&) {}
std::optional<AgwFrame> AgwLink::fetch() { return std::nullopt; }
void AgwLink::close() {}
bool AgwLink::isUp() const { return false; }
EngineAddress AgwLink::address() const { return {}; }
qint64 AgwLink::droppedFrames() const { return 0; }
EngineAddress loadEngineAddress(const QString&) { return {}; }

}  // namespace zeno
