#pragma once

#include "link/agwframe.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

namespace zeno {

class Platform;
class AgwTransport;

// Where the engine listens; read from "engine.ini" of the application path.
struct EngineAddress {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 8000;
};

// The only component that talks to the engine. Four operations, nothing else:
// start, send, fetch, close.
class AgwLink : public QObject {
    Q_OBJECT
public:
    AgwLink(LinkValues& values, const Platform& platform, EngineAddress address,
            QObject* parent = nullptr);
    ~AgwLink() override;

    // Connects (at most 3 s) and registers the callsign; true once the connection is up.
    bool start(const QString& callsign);
    // kind is one letter ("V", "c", "v", "D", "d", "P"); fire and forget.
    void send(QChar kind, const QString& callField, const QString& data);
    // At most one frame; nothing when none is waiting. Sets LinkValues::ReceivedKind.
    std::optional<AgwFrame> fetch();
    void close();

    bool isUp() const;
    EngineAddress address() const;
    // Frames dropped because the receive queue was full.
    qint64 droppedFrames() const;

signals:
    // The TCP connection to the engine came up or went down (shown in the main window).
    void linkStateChanged(bool up);

private:
    LinkValues& values_;
    std::unique_ptr<AgwTransport> transport_;
};

// Reads "engine.ini" (host=..., port=...) from the application path; writes it with the
// defaults when it is missing. A malformed file means the defaults.
EngineAddress loadEngineAddress(const QString& appPath);

}  // namespace zeno
