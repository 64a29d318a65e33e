// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/monitortext.h"

#include <QByteArrayList>
#include <QStringDecoder>
#include <algorithm>
#include <iterator>
#include <optional>

namespace zeno {

namespace {

// Writes through a pointer into room made beforehand: appending byte by byte to a QByteArray
// costs more than the rest of a frame's way to the screen.
struct Writer {
    char* p;
    void put(char c) { *p++ = c; }
    void put(QByteArrayView bytes) { p = std::copy(bytes.begin(), bytes.end(), p); }
};

void appendHex2(Writer& out, int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out.put(kDigits[(value >> 4) & 0x0F]);
    out.put(kDigits[value & 0x0F]);
}

QByteArray hex2(int value) {
    char text[2];
    Writer out{text};
    appendHex2(out, value);
    return QByteArray(text, 2);
}

void appendNumber(Writer& out, qsizetype n) {
    char digits[24];
    int count = 0;
    do {
        digits[count++] = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (count > 0)
        out.put(digits[--count]);
}

// By Ax25Type; OtherU has no name.
constexpr const char* kTypeNames[] = {"I",  "RR",   "RNR", "REJ",  "SREJ", "UI",   "SABM", "SABME",
                                      "UA", "DISC", "DM",  "FRMR", "XID",  "TEST", nullptr};
static_assert(std::size(kTypeNames) == int(Ax25Type::OtherU) + 1);

// A control field by name and numbers: "I R3 S2", "RR R1", "SABME"; an unknown one by value.
void appendControl(Writer& out, const Ax25Control& control, quint8 firstByte) {
    const char* name = kTypeNames[int(control.type)];
    if (!name) {
        out.put("U ctl=");
        appendHex2(out, firstByte);
        return;
    }
    out.put(name);
    if (control.type >= Ax25Type::I && control.type <= Ax25Type::SREJ) {
        out.put(" R");
        appendNumber(out, control.nr);
    }
    if (control.type == Ax25Type::I) {
        out.put(" S");
        appendNumber(out, control.ns);
    }
}

// The frame's description between "<" and " >", as the engine writes it. The U frames that
// may carry an information field say how long it is.
void appendDescription(Writer& out, const Ax25Frame& f) {
    appendControl(out, {f.type, f.ns, f.nr}, f.control);
    const bool withPid = f.type == Ax25Type::I || f.type == Ax25Type::UI;
    const bool mayCarryInfo = f.type == Ax25Type::FRMR || f.type == Ax25Type::XID ||
                              f.type == Ax25Type::TEST || f.type == Ax25Type::OtherU;
    if (withPid) {
        out.put(" pid=");
        appendHex2(out, f.pid.value_or(0));
    }
    if (withPid || (mayCarryInfo && !f.info.isEmpty())) {
        out.put(" Len=");
        appendNumber(out, f.info.size());
    }
}

QByteArray number(quint32 n) { return QByteArray::number(n); }

// The parameters an XID frame negotiates, as Dire Wolf encodes them: a format indicator 82,
// a group 80 with its 16-bit length, then parameters (indicator, length, big-endian value).
// Nothing when the information field is not such a group.
std::optional<QByteArray> xidText(const QByteArray& info) {
    enum { kClasses = 2, kFunctions = 3, kIFieldBits = 6, kWindow = 8, kAckTimer = 9, kRetries };
    const auto* b = reinterpret_cast<const uchar*>(info.constData());
    if (info.size() < 4 || b[0] != 0x82 || b[1] != 0x80)
        return std::nullopt;
    const qsizetype end = 4 + (b[2] << 8 | b[3]);
    if (end > info.size())
        return std::nullopt;
    std::optional<quint32> values[kRetries + 1];
    for (qsizetype at = 4; at < end;) {
        const int length = end - at >= 2 ? b[at + 1] : 0;
        if (length < 1 || length > 4 || end - at - 2 < length)
            return std::nullopt;
        const int indicator = b[at];
        at += 2;
        quint32 value = 0;
        for (int i = 0; i < length; ++i)
            value = value << 8 | b[at++];
        if (indicator <= kRetries)
            values[indicator] = value;
    }
    QByteArrayList parts;
    if (const auto& v = values[kClasses]) {
        if (*v & 0x2000)
            parts << "half duplex";
        if (*v & 0x4000)
            parts << "full duplex";
    }
    if (const auto& v = values[kFunctions]) {
        const std::pair<quint32, const char*> rejects[] = {
            {0x020000, "REJ"}, {0x040000, "SREJ"}, {0x000020, "multi-SREJ"}};
        for (const auto& [bit, name] : rejects) {
            if (*v & bit)
                parts << name;
        }
        const bool eight = *v & 0x000400;
        const bool extended = *v & 0x000800;
        if (eight || extended)
            parts << (eight && extended ? "modulo 8 or 128" : eight ? "modulo 8" : "modulo 128");
    }
    if (const auto& v = values[kWindow])
        parts << "window " + number(*v);
    if (const auto& v = values[kIFieldBits])
        parts << "I field " + number(*v / 8);
    if (const auto& v = values[kAckTimer])
        parts << "ack timer " + number(*v) + " ms";
    if (const auto& v = values[kRetries])
        parts << "retries " + number(*v);
    return "XID: " + (parts.isEmpty() ? QByteArray("no parameters") : parts.join(", "));
}

// A frame reject's report: the control field it rejects, the rejecting station's V(S) and
// V(R), and why. Three bytes on a modulo-8 link, five on a modulo-128 one.
std::optional<QByteArray> frmrText(const QByteArray& info) {
    const bool extended = info.size() == 5;
    if (info.size() != 3 && !extended)
        return std::nullopt;
    const auto* b = reinterpret_cast<const uchar*>(info.constData());
    char rejected[24];
    Writer name{rejected};
    appendControl(name, decodeControl(b[0], b[1], extended ? 128 : 8), b[0]);
    QByteArray text = "FRMR: " + QByteArray(rejected, name.p - rejected) + " rejected, V(S) " +
                      number(extended ? b[2] >> 1 : (b[1] >> 1) & 0x07) + ", V(R) " +
                      number(extended ? b[3] >> 1 : b[1] >> 5);
    static constexpr const char* kReasons[] = {"unknown control field", "information not allowed",
                                               "information too long", "wrong N(R)"};
    for (int i = 0; i < 4; ++i) {
        if (b[extended ? 4 : 2] & (1 << i))
            text += QByteArray(", ") + kReasons[i];
    }
    return text;
}

char kindOf(Ax25Type type) {
    if (type == Ax25Type::UI)
        return 'U';
    if (type == Ax25Type::I)
        return 'I';
    return 'S';
}

// header CR, then info CR CR when there is one (else one more CR, so the monitor still shows
// a blank line after the header), then the NUL the engine counts in the length.
QByteArray assemble(const QByteArray& header, const QByteArray& info) {
    QByteArray text = header;
    text.append('\r');
    if (!info.isEmpty()) {
        text.append(info);
        text.append('\r');
    }
    text.append('\r');
    text.append('\0');
    return text;
}

bool isPollFinalMark(const QByteArray& token) {
    for (const char* prefix : {"PF=", "P=", "F="}) {
        if (token.startsWith(prefix)) {
            const QByteArray rest = token.mid(qstrlen(prefix));
            bool digits = !rest.isEmpty();
            for (char c : rest)
                digits = digits && c >= '0' && c <= '9';
            if (digits)
                return true;
        }
    }
    return false;
}

// "<UI pid=F0 Len=5 PF=0 >" -> "<UI pid=F0 Len=5 >"; reports Len= when present.
QByteArray normaliseDescription(const QByteArray& inner, qsizetype* infoLength) {
    QByteArrayList tokens;
    for (const QByteArray& token : inner.split(' ')) {
        if (token.isEmpty() || isPollFinalMark(token))
            continue;
        if (token.startsWith("pid=0x") || token.startsWith("pid=0X")) {
            bool ok = false;
            const int pid = token.mid(6).toInt(&ok, 16);
            tokens << (ok ? "pid=" + hex2(pid) : token);
            continue;
        }
        if (token.startsWith("Len=")) {
            bool ok = false;
            const qsizetype length = token.mid(4).toLongLong(&ok);
            if (ok && length >= 0)
                *infoLength = length;
        }
        tokens << token;
    }
    if (tokens.size() >= 3 && tokens[0] == "I" && tokens[1].startsWith('S') &&
        tokens[2].startsWith('R')) {
        tokens.swapItemsAt(1, 2);
    }
    return "<" + tokens.join(' ') + " >";
}

bool onlyCarriageReturns(QByteArrayView bytes) {
    for (char c : bytes) {
        if (c != '\r')
            return false;
    }
    return true;
}

}  // namespace

MonitorText renderMonitorText(const Ax25Frame& frame, int apiPort, QByteArrayView timeText) {
    MonitorText rendered;
    rendered.kind = kindOf(frame.type);
    // XID and FRMR fields are binary: shown by what they say.
    std::optional<QByteArray> readable;
    if (frame.type == Ax25Type::XID)
        readable = xidText(frame.info);
    else if (frame.type == Ax25Type::FRMR)
        readable = frmrText(frame.info);
    const QByteArray& info = readable ? *readable : frame.info;
    QByteArray& out = rendered.text;
    // Room for the longest header: calls of 9, a description of 40, the time and the info.
    out.resize(100 + 15 * frame.digipeaterCount + timeText.size() + info.size());
    Writer w{out.data()};
    w.put(' ');
    appendNumber(w, apiPort + 1);
    w.put(":Fm ");
    w.p = frame.source.writeText(w.p);
    w.put(" To ");
    w.p = frame.destination.writeText(w.p);
    for (int i = 0; i < frame.digipeaterCount; ++i) {
        const Ax25Address& digi = frame.digipeaters[size_t(i)];
        w.put(i == 0 ? " Via " : ",");
        w.p = digi.writeText(w.p);
        if (digi.highBit)
            w.put('*');
    }
    w.put(" <");
    appendDescription(w, frame);
    w.put(" >[");
    w.put(timeText);
    w.put("]\r");
    // The whole information field, its NUL bytes removed.
    char* const infoStart = w.p;
    w.p = std::remove_copy(info.begin(), info.end(), w.p, '\0');
    if (w.p > infoStart)
        w.put('\r');
    w.put('\r');
    w.put('\0');
    out.truncate(w.p - out.constData());
    return rendered;
}

MonitorText renderMonitorText(const Ax25Frame& frame, int apiPort, const QTime& time) {
    return renderMonitorText(frame, apiPort, time.toString(QStringLiteral("HH:mm:ss")).toLatin1());
}

QByteArray normaliseEngineText(QByteArrayView raw) {
    const qsizetype nul = raw.indexOf('\0');
    const QByteArray text = (nul < 0 ? raw : raw.first(nul)).toByteArray();
    const qsizetype cr = text.indexOf('\r');
    QByteArray header = cr < 0 ? text : text.left(cr);
    const QByteArray rest = cr < 0 ? QByteArray() : text.mid(cr + 1);
    if (header.mid(2, 4) != ":Fm ")
        return raw.toByteArray();

    qsizetype infoLength = -1;
    const qsizetype open = header.indexOf('<');
    const qsizetype close = open < 0 ? -1 : header.indexOf('>', open);
    if (close > open) {
        header = header.left(open) +
                 normaliseDescription(header.mid(open + 1, close - open - 1), &infoLength) +
                 header.mid(close + 1);
    }

    // Engines end the info with one CR (Dire Wolf 1.6) or two; the info itself may end in CR.
    // Len= tells them apart unless the engine cut the info at a NUL byte.
    QByteArray info = rest;
    if (infoLength >= 0 && infoLength <= rest.size() &&
        onlyCarriageReturns(QByteArrayView(rest).sliced(infoLength))) {
        info.truncate(infoLength);
    } else {
        while (info.endsWith('\r'))
            info.chop(1);
    }
    return assemble(header, info);
}

QString shownText(QByteArrayView bytes) {
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char byte) { return uchar(byte) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

}  // namespace zeno
