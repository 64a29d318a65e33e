// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/engineframe.h"

#include <QtEndian>

namespace zeno::test {

namespace {

QString callAt(const QByteArray& bytes, int at) {
    return QString::fromLatin1(bytes.constData() + at, qstrnlen(bytes.constData() + at, 10));
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

QByteArray encodeEngineFrame(int port, char kind, const QString& from, const QString& to,
                             const QByteArray& data, int pid) {
    QByteArray bytes(kEngineHeaderSize, '\0');
    bytes[0] = char(port);
    bytes[4] = kind;
    bytes[6] = char(pid);
    const QByteArray fromBytes = from.toLatin1().left(9);
    const QByteArray toBytes = to.toLatin1().left(9);
    bytes.replace(8, fromBytes.size(), fromBytes);
    bytes.replace(18, toBytes.size(), toBytes);
    qToLittleEndian<quint32>(quint32(data.size()), bytes.data() + 28);
    return bytes + data;
}

quint32 announcedLength(const QByteArray& buffer) {
    return qFromLittleEndian<quint32>(buffer.constData() + 28);
}

std::optional<EngineFrame> takeEngineFrame(QByteArray& buffer) {
    if (buffer.size() < kEngineHeaderSize)
        return std::nullopt;
    const qsizetype length = announcedLength(buffer);
    if (buffer.size() < kEngineHeaderSize + length)
        return std::nullopt;
    EngineFrame frame{uchar(buffer[0]),  buffer[4],          uchar(buffer[6]),
                      callAt(buffer, 8), callAt(buffer, 18), buffer.mid(kEngineHeaderSize, length)};
    buffer.remove(0, kEngineHeaderSize + length);
    return frame;
}

}  // namespace zeno::test
