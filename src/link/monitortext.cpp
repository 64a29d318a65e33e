#include "link/monitortext.h"

#include <QByteArrayList>
#include <QStringDecoder>
#include <algorithm>

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

// The frame's description between "<" and " >", as the engine writes it. The U frames that
// may carry an information field say how long it is.
void appendDescription(Writer& out, const Ax25Frame& f) {
    const auto nr = [&] {
        out.put(" R");
        appendNumber(out, f.nr);
    };
    const auto pidAndLength = [&] {
        out.put(" pid=");
        appendHex2(out, f.pid.value_or(0));
        out.put(" Len=");
        appendNumber(out, f.info.size());
    };
    const auto lengthIfAny = [&] {
        if (!f.info.isEmpty()) {
            out.put(" Len=");
            appendNumber(out, f.info.size());
        }
    };
    switch (f.type) {
        case Ax25Type::I:
            out.put('I');
            nr();
            out.put(" S");
            appendNumber(out, f.ns);
            pidAndLength();
            return;
        case Ax25Type::UI:
            out.put("UI");
            pidAndLength();
            return;
        case Ax25Type::RR:
            out.put("RR");
            nr();
            return;
        case Ax25Type::RNR:
            out.put("RNR");
            nr();
            return;
        case Ax25Type::REJ:
            out.put("REJ");
            nr();
            return;
        case Ax25Type::SREJ:
            out.put("SREJ");
            nr();
            return;
        case Ax25Type::SABM:
            out.put("SABM");
            return;
        case Ax25Type::SABME:
            out.put("SABME");
            return;
        case Ax25Type::UA:
            out.put("UA");
            return;
        case Ax25Type::DISC:
            out.put("DISC");
            return;
        case Ax25Type::DM:
            out.put("DM");
            return;
        case Ax25Type::FRMR:
            out.put("FRMR");
            lengthIfAny();
            return;
        case Ax25Type::XID:
            out.put("XID");
            lengthIfAny();
            return;
        case Ax25Type::TEST:
            out.put("TEST");
            lengthIfAny();
            return;
        case Ax25Type::OtherU:
            break;
    }
    out.put("U ctl=");
    appendHex2(out, f.control);
    lengthIfAny();
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
    QByteArray& out = rendered.text;
    // Room for the longest header: calls of 9, a description of 40, the time and the info.
    out.resize(100 + 15 * frame.digipeaterCount + timeText.size() + frame.info.size());
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
    w.p = std::remove_copy(frame.info.begin(), frame.info.end(), w.p, '\0');
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
