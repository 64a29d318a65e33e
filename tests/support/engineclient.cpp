#include "engineclient.h"

#include <QHostAddress>
#include <QTest>
#include <QtEndian>
#include <algorithm>

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
    QByteArray header(kHeaderBytes, '\0');
    header[0] = char(port);
    header[4] = kind;
    header[6] = char(pid);
    header.replace(8, 10, callField(callFrom));
    header.replace(18, 10, callField(callTo));
    qToLittleEndian<quint32>(quint32(data.size()), header.data() + 28);
    socket_.write(header + data);
    socket_.flush();
}

QByteArray EngineClient::pathBlock(const QStringList& digipeaters) {
    QByteArray block(1, char(digipeaters.size()));
    for (const QString& digi : digipeaters)
        block += callField(digi);
    return block;
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
    while (buffer_.size() >= kHeaderBytes) {
        const auto* header = buffer_.constData();
        const auto length = qFromLittleEndian<quint32>(header + 28);
        if (length > kLongestData) {
            error_ = QStringLiteral("the engine announced %1 data bytes; closed").arg(length);
            socket_.abort();
            buffer_.clear();
            return;
        }
        if (buffer_.size() < kHeaderBytes + qsizetype(length))
            return;
        EngineFrame frame;
        frame.port = uchar(header[0]);
        frame.kind = header[4];
        frame.pid = uchar(header[6]);
        frame.callFrom = callFromField(header + 8);
        frame.callTo = callFromField(header + 18);
        frame.data = buffer_.mid(kHeaderBytes, length);
        buffer_.remove(0, kHeaderBytes + length);
        frames_.append(frame);
    }
}

}  // namespace zeno::test
