#include "engineclient.h"

#include <QHostAddress>
#include <QTest>
#include <QtEndian>

namespace zeno::test {

namespace {

constexpr int kHeaderBytes = 36;
// Far more than any engine sends; a larger length means the stream is out of step.
constexpr quint32 kLongestData = 1 << 16;

QByteArray callField(const QString& call) {
    QByteArray field = call.toLatin1().left(10);
    field.append(10 - field.size(), '\0');
    return field;
}

QString callFromField(const char* field) {
    return QString::fromLatin1(field, qstrnlen(field, 10));
}

}  // namespace

QString EngineFrame::toString() const {
    QString shown;
    for (const char c : data) {
        const auto byte = uchar(c);
        shown += byte >= 0x20 && byte < 0x7f && byte != '\\'
                     ? QString(QLatin1Char(c))
                     : QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return QStringLiteral("'%1' port %2 pid 0x%3 %4>%5 \"%6\"")
        .arg(QLatin1Char(kind))
        .arg(port)
        .arg(pid, 2, 16, QLatin1Char('0'))
        .arg(callFrom, callTo, shown);
}

EngineClient::EngineClient(QObject* parent) : QObject(parent) {
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

void EngineClient::disconnectFromEngine() {
    socket_.abort();
    buffer_.clear();
}

QByteArray EngineClient::encode(char kind, const QString& callFrom, const QString& callTo,
                                const QByteArray& data, int port, int pid) {
    QByteArray header(kHeaderBytes, '\0');
    header[0] = char(port);
    header[4] = kind;
    header[6] = char(pid);
    header.replace(8, 10, callField(callFrom));
    header.replace(18, 10, callField(callTo));
    qToLittleEndian<quint32>(quint32(data.size()), header.data() + 28);
    return header + data;
}

QByteArray EngineClient::pathBlock(const QStringList& digipeaters) {
    QByteArray block(1, char(digipeaters.size()));
    for (const QString& digi : digipeaters) {
        block += callField(digi);
    }
    return block;
}

void EngineClient::send(char kind, const QString& callFrom, const QString& callTo,
                        const QByteArray& data, int port, int pid) {
    socket_.write(encode(kind, callFrom, callTo, data, port, pid));
    socket_.flush();
}

bool EngineClient::startSession(const QString& callsign, int timeoutMs) {
    beginSession(callsign);
    return waitForSession(timeoutMs);
}

void EngineClient::beginSession(const QString& callsign) {
    send('m');
    if (!callsign.isEmpty()) {
        send('X', callsign);
    }
    syncFrom_ = frames_.size();
    send('y');
}

bool EngineClient::waitForSession(int timeoutMs) {
    return waitForSyncReply(timeoutMs);
}

bool EngineClient::sync(int timeoutMs) {
    syncFrom_ = frames_.size();
    send('y');
    return waitForSyncReply(timeoutMs);
}

bool EngineClient::waitForSyncReply(int timeoutMs) {
    auto answered = [this] {
        for (qsizetype i = syncFrom_; i < frames_.size(); ++i) {
            if (frames_[i].kind == 'y') {
                return true;
            }
        }
        return false;
    };
    (void)QTest::qWaitFor([&] { return answered() || !isConnected(); }, timeoutMs);
    if (!answered()) {
        error_ = QStringLiteral("the engine did not answer 'y' within %1 ms (%2)")
                     .arg(timeoutMs)
                     .arg(isConnected() ? QStringLiteral("connected")
                                        : QStringLiteral("connection lost"));
        return false;
    }
    return true;
}

std::optional<EngineFrame> EngineClient::waitForFrame(const Predicate& matches, int timeoutMs) {
    std::optional<EngineFrame> found;
    (void)QTest::qWaitFor(
        [&] {
            for (const EngineFrame& frame : frames_) {
                if (matches(frame)) {
                    found = frame;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

QList<EngineFrame> EngineClient::framesMatching(const Predicate& matches) const {
    QList<EngineFrame> found;
    for (const EngineFrame& frame : frames_) {
        if (matches(frame)) {
            found << frame;
        }
    }
    return found;
}

QString EngineClient::describeFrames() const {
    QStringList lines;
    for (const EngineFrame& frame : frames_) {
        lines << frame.toString();
    }
    return lines.isEmpty() ? QStringLiteral("(no frames)") : lines.join(QLatin1Char('\n'));
}

void EngineClient::readFrames() {
    buffer_ += socket_.readAll();
    while (buffer_.size() >= kHeaderBytes) {
        const auto* header = buffer_.constData();
        const auto length = qFromLittleEndian<quint32>(header + 28);
        if (length > kLongestData) {
            error_ = QStringLiteral("the engine announced %1 data bytes; closed").arg(length);
            disconnectFromEngine();
            return;
        }
        if (buffer_.size() < kHeaderBytes + qsizetype(length)) {
            return;
        }
        EngineFrame frame;
        frame.port = uchar(header[0]);
        frame.kind = header[4];
        frame.pid = uchar(header[6]);
        frame.callFrom = callFromField(header + 8);
        frame.callTo = callFromField(header + 18);
        frame.data = buffer_.mid(kHeaderBytes, length);
        buffer_.remove(0, kHeaderBytes + length);
        frames_.append(frame);
        emit frameReceived(frame);
    }
}

}  // namespace zeno::test
