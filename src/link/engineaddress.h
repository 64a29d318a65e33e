#pragma once

#include <QString>

namespace zeno {

// Where the engine listens; read from "engine.ini" of the application path.
struct EngineAddress {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 8000;

    bool operator==(const EngineAddress&) const = default;
};

// Everything "engine.ini" holds. It sits beside the positional settings file, whose layout
// has no room for these values: the engine's address and whether numbered APRS messages to
// this station are acknowledged (key "ack", on unless the file says 0).
struct EngineSettings {
    EngineAddress address;
    bool acknowledgeMessages = true;
};

// Reads "engine.ini" (host=..., port=..., optionally ack=0/1) from the application path;
// writes it with the default address when it is missing. A malformed file means the defaults.
EngineSettings loadEngineSettings(const QString& appPath);
EngineAddress loadEngineAddress(const QString& appPath);
// Replaces "engine.ini" with these values. Returns an error text, empty on success.
QString saveEngineSettings(const QString& appPath, const EngineSettings& settings);

// A host name or address the link can connect to: 1 to 253 characters, ASCII letters, digits
// and ".-_:" (IPv6 addresses), nothing else.
bool isValidEngineHost(const QString& host);

}  // namespace zeno
