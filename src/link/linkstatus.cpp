// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/linkstatus.h"

namespace zeno {

QString engineAddressText(const EngineAddress& address) {
    return QStringLiteral("%1:%2").arg(address.host).arg(address.port);
}

QString linkStatusText(LinkStatus status, const QString& where) {
    switch (status) {
        case LinkStatus::Answering:
            return QStringLiteral("Engine: connected to %1").arg(where);
        case LinkStatus::Lost:
            return QStringLiteral("Engine: connection to %1 lost, reconnecting...").arg(where);
        case LinkStatus::NotRunning:
            return QStringLiteral("Engine: not running at %1, trying again every 5 s").arg(where);
        case LinkStatus::NoAnswer:
            return QStringLiteral("Engine at %1 does not answer").arg(where);
        case LinkStatus::BadFrame:
            return QStringLiteral("Engine at %1: bad frame from the engine, reconnecting")
                .arg(where);
    }
    return {};
}

}  // namespace zeno
