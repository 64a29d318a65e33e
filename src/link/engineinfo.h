// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/engineaddress.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace zeno {

// What the engine told about itself on the current connection ('R' and 'G' replies).
struct EngineInfo {
    std::optional<QString> version;  // "2005.127"
    bool portsKnown = false;
    int portCount = 0;
    QStringList portNames;  // usable ports only, e.g. "Port1 first soundcard mono"
    // By port number (index 0 is the first port); empty where the engine has no such port.
    QStringList portsByNumber;

    void takeVersionReply(const QByteArray& data);
    void takePortsReply(const QByteArray& data);
    bool complete() const { return version.has_value() && portsKnown; }
};

// One line without any CR, e.g.
// "AGWPE engine 127.0.0.1:8000 version 2005.127, 1 radio port: Port1 first soundcard mono".
QString startupText(const EngineAddress& address, const EngineInfo& info);

}  // namespace zeno
