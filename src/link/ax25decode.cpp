// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ax25decode.h"

#include <algorithm>
#include <utility>

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

Ax25Type unnumberedType(quint8 c) {
    switch (c & ~0x10) {  // without the poll/final bit
        case 0x03:
            return Ax25Type::UI;
        case 0x2F:
            return Ax25Type::SABM;
        case 0x6F:
            return Ax25Type::SABME;
        case 0x63:
            return Ax25Type::UA;
        case 0x43:
            return Ax25Type::DISC;
        case 0x0F:
            return Ax25Type::DM;
        case 0x87:
            return Ax25Type::FRMR;
        case 0xAF:
            return Ax25Type::XID;
        case 0xE3:
            return Ax25Type::TEST;
        default:
            return Ax25Type::OtherU;
    }
}

bool isIFrame(quint8 c) { return (c & 0x01) == 0; }
bool hasSequenceNumbers(quint8 c) { return isIFrame(c) || (c & 0x03) == 0x01; }

// Dire Wolf's guess for a frame out of context (see Ax25Decoder).
bool looksExtended(const uchar* b, qsizetype at, qsizetype size) {
    if (!isIFrame(b[at]))
        return size - at >= 2;
    return size - at >= 3 && (b[at + 2] == 0xF0 || b[at + 2] == 0x08);
}

// The address field into frame; where the control field starts, or -1.
qsizetype decodeAddresses(const uchar* b, qsizetype size, Ax25Frame& frame) {
    int count = 0;  // addresses read
    qsizetype at = 0;
    for (;;) {
        if (size - at < kAddressSize || count == 2 + kMaxAx25Digipeaters)
            return -1;
        Ax25Address& address = count == 0   ? frame.destination
                               : count == 1 ? frame.source
                                            : frame.digipeaters[size_t(count - 2)];
        if (!decodeAddress(b + at, address))
            return -1;
        ++count;
        const bool last = (b[at + 6] & 0x01) != 0;
        at += kAddressSize;
        if (last)
            break;
    }
    if (count < 2 || at >= size)
        return -1;
    frame.digipeaterCount = count - 2;
    return at;
}

// Control, pid and info from `at` on; knownModulo 0 when the link is unknown.
bool decodeRest(const uchar* b, qsizetype size, qsizetype at, int knownModulo, Ax25Frame& frame) {
    const quint8 c = b[at];
    frame.control = c;
    if (hasSequenceNumbers(c)) {
        const bool fits = size - at >= (isIFrame(c) ? 3 : 2);
        const bool extended =
            knownModulo == 0 ? looksExtended(b, at, size) : knownModulo == 128 && fits;
        if (extended) {
            frame.modulo = 128;
            frame.control2 = b[at + 1];
        }
    }
    const Ax25Control decoded = decodeControl(c, frame.control2, frame.modulo);
    frame.type = decoded.type;
    frame.ns = decoded.ns;
    frame.nr = decoded.nr;
    at += frame.modulo == 128 ? 2 : 1;

    if (frame.type == Ax25Type::I || frame.type == Ax25Type::UI) {
        if (at >= size)
            return false;
        frame.pid = b[at++];
    }
    frame.info = QByteArray(reinterpret_cast<const char*>(b + at), size - at);
    return true;
}

quint64 stationKey(const Ax25Address& address) {
    quint64 key = 0;
    for (int i = 0; i < address.callLength; ++i)
        key = key << 7 | (quint8(address.call[i]) & 0x7F);
    return key << 4 | address.ssid;
}

// Both stations of a link in a fixed order. By value: std::minmax of two
// temporaries hands back references that are gone by the next statement.
std::pair<quint64, quint64> linkKey(const Ax25Frame& frame) {
    const quint64 a = stationKey(frame.source);
    const quint64 b = stationKey(frame.destination);
    return a < b ? std::pair{a, b} : std::pair{b, a};
}

constexpr std::size_t kMaxLinks = 32;  // a busy channel's links at once, and more

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

Ax25Control decodeControl(quint8 c, quint8 c2, int modulo) {
    const bool extended = modulo == 128;
    const int nr = extended ? (c2 >> 1) & 0x7F : (c >> 5) & 0x07;
    if (isIFrame(c))
        return {Ax25Type::I, extended ? (c >> 1) & 0x7F : (c >> 1) & 0x07, nr};
    if ((c & 0x03) == 0x01) {
        static constexpr Ax25Type kinds[] = {Ax25Type::RR, Ax25Type::RNR, Ax25Type::REJ,
                                             Ax25Type::SREJ};
        return {kinds[(c >> 2) & 0x03], 0, nr};
    }
    return {unnumberedType(c), 0, 0};
}

std::optional<Ax25Frame> decodeAx25(QByteArrayView bytes) {
    const auto* b = reinterpret_cast<const uchar*>(bytes.data());
    Ax25Frame frame;
    const qsizetype at = decodeAddresses(b, bytes.size(), frame);
    if (at < 0 || !decodeRest(b, bytes.size(), at, 0, frame))
        return std::nullopt;
    return frame;
}

std::optional<Ax25Frame> Ax25Decoder::decode(QByteArrayView bytes, int port) {
    const auto* b = reinterpret_cast<const uchar*>(bytes.data());
    Ax25Frame frame;
    const qsizetype at = decodeAddresses(b, bytes.size(), frame);
    if (at < 0)
        return std::nullopt;
    const Link* link = hasSequenceNumbers(b[at]) ? find(port, frame) : nullptr;
    if (!decodeRest(b, bytes.size(), at, link ? link->modulo : 0, frame))
        return std::nullopt;
    learn(port, frame);
    return frame;
}

Ax25Decoder::Link* Ax25Decoder::find(int port, const Ax25Frame& frame) {
    const auto [low, high] = linkKey(frame);
    for (Link& link : links_) {
        if (link.port == port && link.low == low && link.high == high)
            return &link;
    }
    return nullptr;
}

void Ax25Decoder::learn(int port, const Ax25Frame& frame) {
    const bool setUp = frame.type == Ax25Type::SABM || frame.type == Ax25Type::SABME;
    if (!setUp && frame.type != Ax25Type::DISC && frame.type != Ax25Type::DM)
        return;
    Link* link = find(port, frame);
    if (link)
        links_.erase(links_.begin() + (link - links_.data()));
    if (!setUp)
        return;
    if (links_.size() == kMaxLinks)
        links_.erase(links_.begin());
    const auto [low, high] = linkKey(frame);
    links_.push_back({port, low, high, frame.type == Ax25Type::SABME ? 128 : 8});
}

}  // namespace zeno
