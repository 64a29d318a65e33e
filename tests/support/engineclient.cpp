#include "engineclient.h"

#include <QHostAddress>
#include <QTest>
#include <algorithm>

namespace zeno::test {

namespace {

// Far more than any engine sends; a larger length means the stream is out of step.
constexpr quint32 kLongestData = 1 << 16;

}  // namespace

EngineClient::EngineClient() {
    connect(&socket_, &QTcpSocket::readyRead, this, &EngineClient::readFrames);
}

bool EngineClient::connectToEngine(quint16 port, int timeoutMs) {
    socket_.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    if (!socket_.waitForConnected(timeoutMs)) {
        error_ = QStringLiteral("cannot connect to the engine on port %1: %2")
                     .arg(port)
                     .arg(socket_.errorString());
        return false;
    }
    return true;
}

void EngineClient::send(char kind, const QString& callFrom, const QString& callTo,
                        const QByteArray& data, int port, int pid) {
    socket_.write(encodeEngineFrame(port, kind, callFrom, callTo, data, pid));
    socket_.flush();
}

bool EngineClient::startSession(const QString& callsign, int timeoutMs) {
    send('m');
    if (!callsign.isEmpty())
        send('X', callsign);
    const qsizetype from = frames_.size();
    send('y');
    const auto answered = [&] {
        return std::any_of(frames_.cbegin() + from, frames_.cend(),
                           [](const EngineFrame& frame) { return frame.kind == 'y'; });
    };
    if (!QTest::qWaitFor(answered, timeoutMs)) {
        error_ = QStringLiteral("the engine did not answer 'y' within %1 ms (%2)")
                     .arg(timeoutMs)
                     .arg(socket_.state() == QAbstractSocket::ConnectedState
                              ? QStringLiteral("connected")
                              : QStringLiteral("connection lost"));
        return false;
    }
    return true;
}

std::optional<EngineFrame> EngineClient::waitForFrame(const Predicate& matches, int timeoutMs) {
    std::optional<EngineFrame> found;
    (void)QTest::qWaitFor(
        [&] {
            const auto it = std::find_if(frames_.cbegin(), frames_.cend(), matches);
            if (it != frames_.cend())
                found = *it;
            return found.has_value();
        },
        timeoutMs);
    return found;
}

QString EngineClient::describeFrames() const {
    QStringList lines;
    for (const EngineFrame& frame : frames_)
        lines << frame.toString();
    return lines.isEmpty() ? QStringLiteral("(no frames)") : lines.join(QLatin1Char('\n'));
}

void EngineClient::readFrames() {
    buffer_ += socket_.readAll();
    while (buffer_.size() >= kEngineHeaderSize) {
        if (announcedLength(buffer_) > kLongestData) {
            error_ = QStringLiteral("the engine announced %1 data bytes; closed")
                         .arg(announcedLength(buffer_));
            socket_.abort();
            buffer_.clear();
            return;
        }
        const auto frame = takeEngineFrame(buffer_);
        if (!frame)
            return;
        frames_.append(*frame);
    }
}

}  // namespace zeno::test
