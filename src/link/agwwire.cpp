// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/agwwire.h"

#include <algorithm>

namespace zeno {

namespace {

void putU32(char* at, quint32 value) {
    at[0] = char(value & 0xFF);
    at[1] = char((value >> 8) & 0xFF);
    at[2] = char((value >> 16) & 0xFF);
    at[3] = char((value >> 24) & 0xFF);
}

quint32 getU32(const char* at) {
    const auto* b = reinterpret_cast<const uchar*>(at);
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

QByteArray callFromField(const char* at) {
    qsizetype length = 0;
    while (length < kWireCallSize && at[length] != '\0')
        ++length;
    return QByteArray(at, length);
}

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

QByteArray wireCall(const QString& call) {
    QByteArray field = call.left(kWireCallSize - 1).toLatin1();
    field.resize(kWireCallSize, '\0');
    return field;
}

QByteArray encodeWireFrame(const WireFrame& frame) {
    QByteArray bytes(kWireHeaderSize, '\0');
    char* h = bytes.data();
    h[0] = char(frame.port & 0xFF);
    h[4] = frame.kind;
    h[6] = char(frame.pid & 0xFF);
    const QByteArray from = wireCall(QString::fromLatin1(frame.callFrom));
    const QByteArray to = wireCall(QString::fromLatin1(frame.callTo));
    std::copy(from.begin(), from.end(), h + 8);
    std::copy(to.begin(), to.end(), h + 18);
    putU32(h + 28, quint32(frame.data.size()));
    bytes.append(frame.data);
    return bytes;
}

WireDecoder::Status WireDecoder::feed(QByteArrayView bytes, std::vector<WireFrame>& out) {
    if (!error_.isEmpty())
        return Status::Corrupt;
    buffer_.append(bytes.data(), bytes.size());

    qsizetype offset = 0;
    while (buffer_.size() - offset >= kWireHeaderSize) {
        const char* h = buffer_.constData() + offset;
        const char kind = h[4];
        const quint32 length = getU32(h + 28);
        // Check the header before waiting for its data: a bad header must not make us
        // buffer what the peer announces.
        if (!isAsciiLetter(kind)) {
            error_ = QStringLiteral("kind byte 0x%1 is not a letter")
                         .arg(uchar(kind), 2, 16, QLatin1Char('0'));
            break;
        }
        if (length > quint32(kMaxWireDataLength)) {
            error_ = QStringLiteral("data length %1 is out of range").arg(length);
            break;
        }
        if (buffer_.size() - offset < kWireHeaderSize + qsizetype(length))
            break;

        WireFrame frame;
        frame.port = uchar(h[0]);
        frame.kind = kind;
        frame.pid = uchar(h[6]);
        frame.callFrom = callFromField(h + 8);
        frame.callTo = callFromField(h + 18);
        frame.data = QByteArray(h + kWireHeaderSize, qsizetype(length));
        out.push_back(std::move(frame));
        offset += kWireHeaderSize + qsizetype(length);
    }

    if (!error_.isEmpty()) {
        buffer_.clear();
        return Status::Corrupt;
    }
    buffer_.remove(0, offset);
    return Status::Ok;
}

void WireDecoder::reset() {
    buffer_.clear();
    error_.clear();
}

}  // namespace zeno
