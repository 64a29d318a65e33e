#include "link/ax25decode.h"

#include <algorithm>

namespace zeno {

namespace {

constexpr int kAddressSize = 7;

bool decodeAddress(const uchar* at, Ax25Address& address) {
    bool padding = false;
    address.callLength = 0;
    for (int i = 0; i < 6; ++i) {
        const int c = at[i] >> 1;
        if (c == ' ') {
            padding = true;
            continue;
        }
        // A blank inside a call or an unprintable character: not an address.
        if (padding || c < 0x21 || c > 0x7E)
            return false;
        address.call[address.callLength++] = char(c);
    }
    if (address.callLength == 0)
        return false;
    address.ssid = (at[6] >> 1) & 0x0F;
    address.highBit = (at[6] & 0x80) != 0;
    return true;
}

void classify(Ax25Frame& frame) {
    const quint8 c = frame.control;
    if ((c & 0x01) == 0) {
        frame.type = Ax25Type::I;
        frame.ns = (c >> 1) & 0x07;
        frame.nr = (c >> 5) & 0x07;
        return;
    }
    if ((c & 0x03) == 0x01) {
        static constexpr Ax25Type kinds[] = {Ax25Type::RR, Ax25Type::RNR, Ax25Type::REJ,
                                             Ax25Type::SREJ};
        frame.type = kinds[(c >> 2) & 0x03];
        frame.nr = (c >> 5) & 0x07;
        return;
    }
    switch (c & ~0x10) {  // without the poll/final bit
        case 0x03:
            frame.type = Ax25Type::UI;
            break;
        case 0x2F:
            frame.type = Ax25Type::SABM;
            break;
        case 0x6F:
            frame.type = Ax25Type::SABME;
            break;
        case 0x63:
            frame.type = Ax25Type::UA;
            break;
        case 0x43:
            frame.type = Ax25Type::DISC;
            break;
        case 0x0F:
            frame.type = Ax25Type::DM;
            break;
        case 0x87:
            frame.type = Ax25Type::FRMR;
            break;
        case 0xAF:
            frame.type = Ax25Type::XID;
            break;
        case 0xE3:
            frame.type = Ax25Type::TEST;
            break;
        default:
            frame.type = Ax25Type::OtherU;
            break;
    }
}

}  // namespace

char* Ax25Address::writeText(char* out) const {
    out = std::copy_n(call, callLength, out);
    if (ssid == 0)
        return out;
    *out++ = '-';
    if (ssid >= 10)
        *out++ = '1';
    *out++ = char('0' + ssid % 10);
    return out;
}

QByteArray Ax25Address::textBytes() const {
    char text[9];
    return QByteArray(text, writeText(text) - text);
}

QString Ax25Address::text() const { return QString::fromLatin1(textBytes()); }

std::optional<Ax25Frame> decodeAx25(QByteArrayView bytes) {
    const auto* b = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();

    Ax25Frame frame;
    int count = 0;  // addresses read
    qsizetype at = 0;
    for (;;) {
        if (size - at < kAddressSize || count == 2 + kMaxAx25Digipeaters)
            return std::nullopt;
        Ax25Address& address = count == 0   ? frame.destination
                               : count == 1 ? frame.source
                                            : frame.digipeaters[size_t(count - 2)];
        if (!decodeAddress(b + at, address))
            return std::nullopt;
        ++count;
        const bool last = (b[at + 6] & 0x01) != 0;
        at += kAddressSize;
        if (last)
            break;
    }
    if (count < 2 || at >= size)
        return std::nullopt;

    frame.digipeaterCount = count - 2;
    frame.control = b[at++];
    classify(frame);

    if (frame.type == Ax25Type::I || frame.type == Ax25Type::UI) {
        if (at >= size)
            return std::nullopt;
        frame.pid = b[at++];
    }
    frame.info = QByteArray(reinterpret_cast<const char*>(b + at), size - at);
    return frame;
}

}  // namespace zeno
