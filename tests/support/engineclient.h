#pragma once

#include "support/engineframe.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <functional>
#include <optional>

namespace zeno::test {

// A raw AGWPE client, independent of the program's link: plays "the other station's
// application" in engine tests and checks what the engine really sent. Every received frame
// is kept in order.
class EngineClient : public QObject {
    Q_OBJECT
public:
    using Predicate = std::function<bool(const EngineFrame&)>;

    EngineClient();

    bool connectToEngine(quint16 port, int timeoutMs = 3000);
    // Any kind, connected mode ('C', 'v', 'D', 'd') included.
    void send(char kind, const QString& callFrom = {}, const QString& callTo = {},
              const QByteArray& data = {}, int port = 0, int pid = 0);

    // Turns monitoring on ('m' is a toggle, so once per connection), registers callsign
    // when given ('X'), then waits for the reply to 'y': the engine reads a new client's
    // commands only after up to a second, and handles them in order.
    bool startSession(const QString& callsign = {}, int timeoutMs = 5000);

    const QList<EngineFrame>& frames() const { return frames_; }
    void clearFrames() { frames_.clear(); }
    // The first frame received so far (or within the deadline) that matches.
    std::optional<EngineFrame> waitForFrame(const Predicate& matches, int timeoutMs);
    // All received frames, one a line, for failure messages.
    QString describeFrames() const;
    QString errorString() const { return error_; }

private:
    void readFrames();

    QTcpSocket socket_;
    QByteArray buffer_;
    QList<EngineFrame> frames_;
    QString error_;
};

}  // namespace zeno::test
