#pragma once

#include <QString>

namespace zeno {

// Where the engine listens; read from "engine.ini" of the application path.
struct EngineAddress {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 8000;
};

// Reads "engine.ini" (host=..., port=...) from the application path; writes it with the
// defaults when it is missing. A malformed file means the defaults.
EngineAddress loadEngineAddress(const QString& appPath);

}  // namespace zeno
