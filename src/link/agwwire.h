// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace zeno {

// One frame of the AGWPE TCP API: a 36-byte little-endian header followed by the data.
//   0 port (u8, bytes 1-3 reserved)   4 kind (u8, byte 5 reserved)   6 pid (u8, byte 7 reserved)
//   8 call_from[10]   18 call_to[10]   28 data_len (u32)   32 user (u32)
struct WireFrame {
    int port = 0;
    char kind = 0;
    int pid = 0;
    QByteArray callFrom;  // without the NUL padding
    QByteArray callTo;
    QByteArray data;
};

inline constexpr int kWireHeaderSize = 36;
inline constexpr int kWireCallSize = 10;
// Nothing the engine sends comes near this; a bigger announcement means a broken stream.
inline constexpr qsizetype kMaxWireDataLength = 64 * 1024;

// A callsign as the header carries it: Latin-1, at most 9 characters (the engine forces the
// 10th byte to NUL), NUL padded to 10 bytes.
QByteArray wireCall(const QString& call);

QByteArray encodeWireFrame(const WireFrame& frame);

// Splits the byte stream from the engine into frames, whatever the TCP reads look like.
// It never allocates more than one header plus kMaxWireDataLength for a pending frame.
class WireDecoder {
public:
    enum class Status { Ok, Corrupt };

    // Appends bytes and moves every frame they complete into out. After Corrupt the stream
    // cannot be trusted any more; further feeds return Corrupt until reset().
    Status feed(QByteArrayView bytes, std::vector<WireFrame>& out);
    void reset();

    qsizetype pendingBytes() const { return buffer_.size(); }
    QString error() const { return error_; }

private:
    QByteArray buffer_;
    QString error_;
};

}  // namespace zeno
