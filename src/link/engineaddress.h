// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace zeno {

// Where the engine listens; read from "engine.ini" of the application path.
struct EngineAddress {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 8000;

    bool operator==(const EngineAddress&) const = default;
};

// engine.ini could not be used as it stands. The operator is told why, and the setup dialog
// shows the file's host and port as written, so that they are mended there.
struct EngineFileProblem {
    QString text;  // "engine.ini line 2 not understood: using 127.0.0.1:8000"
    QString host;  // the defaults where the file has no such line
    QString port;
};

// Everything "engine.ini" holds. It sits beside the positional settings file, whose layout
// has no room for these values: the engine's address and whether numbered APRS messages to
// this station are acknowledged (key "ack", on unless the file says 0).
struct EngineSettings {
    EngineAddress address;
    bool acknowledgeMessages = true;
    // Set when the file could not be used: everything above is then the default.
    std::optional<EngineFileProblem> problem;
};

// engine.ini's bytes: "host=..." and "port=..." lines, optionally "ack=0" or "ack=1", blank
// lines and lines starting with ";" or "#". Anything else means the defaults, with the reason.
EngineSettings readEngineFile(QByteArrayView bytes);
// Reads "engine.ini" of the application path; writes it with the default address when it is
// missing. A file that cannot be used means the defaults, with the reason.
EngineSettings loadEngineSettings(const QString& appPath);
// Replaces "engine.ini" with these values. Returns an error text, empty on success.
QString saveEngineSettings(const QString& appPath, const EngineSettings& settings);

// A host name or address the link can connect to: 1 to 253 characters, ASCII letters, digits
// and ".-_:" (IPv6 addresses), nothing else.
bool isValidEngineHost(const QString& host);

}  // namespace zeno
