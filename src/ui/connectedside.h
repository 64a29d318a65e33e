#pragma once

#include "monitor/pollhooks.h"
#include "ui/sidecontext.h"

#include <QObject>

namespace zeno {

// Connected mode: the one AX.25 conversation. Until a station connects every event just goes
// on to the alarm test.
class ConnectedSide : public QObject, public ConnectedModeHook {
    Q_OBJECT
public:
    explicit ConnectedSide(const SideContext& context);

    bool connectedModeEvent(const AgwFrame& frame, const QString& firstLine,
                            const QString& body) override;

private:
    SideContext context_;
};

}  // namespace zeno
