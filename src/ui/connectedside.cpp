#include "ui/connectedside.h"

namespace zeno {

ConnectedSide::ConnectedSide(const SideContext& context) : context_(context) {}

bool ConnectedSide::connectedModeEvent(const AgwFrame&, const QString&, const QString&) {
    return true;
}

}  // namespace zeno
