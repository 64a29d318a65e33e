#include "link/monitortext.h"

#include <QByteArrayList>

namespace zeno {

namespace {

QByteArray hex2(int value) {
    return QByteArray::number(value & 0xFF, 16).toUpper().rightJustified(2, '0');
}

// The U frames that may carry an information field say how long it is, as the engine does.
QByteArray withLength(const QByteArray& name, const QByteArray& info) {
    return info.isEmpty() ? name : name + " Len=" + QByteArray::number(info.size());
}

QByteArray description(const Ax25Frame& f) {
    const QByteArray len = "Len=" + QByteArray::number(f.info.size());
    const QByteArray pid = "pid=" + hex2(f.pid.value_or(0));
    const QByteArray nr = "R" + QByteArray::number(f.nr);
    switch (f.type) {
        case Ax25Type::I:
            return "I " + nr + " S" + QByteArray::number(f.ns) + " " + pid + " " + len;
        case Ax25Type::UI:
            return "UI " + pid + " " + len;
        case Ax25Type::RR:
            return "RR " + nr;
        case Ax25Type::RNR:
            return "RNR " + nr;
        case Ax25Type::REJ:
            return "REJ " + nr;
        case Ax25Type::SREJ:
            return "SREJ " + nr;
        case Ax25Type::SABM:
            return "SABM";
        case Ax25Type::SABME:
            return "SABME";
        case Ax25Type::UA:
            return "UA";
        case Ax25Type::DISC:
            return "DISC";
        case Ax25Type::DM:
            return "DM";
        case Ax25Type::FRMR:
            return withLength("FRMR", f.info);
        case Ax25Type::XID:
            return withLength("XID", f.info);
        case Ax25Type::TEST:
            return withLength("TEST", f.info);
        case Ax25Type::OtherU:
            break;
    }
    return withLength("U ctl=" + hex2(f.control), f.info);
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

MonitorText renderMonitorText(const Ax25Frame& frame, int apiPort, const QTime& time) {
    QByteArray header = " " + QByteArray::number(apiPort + 1) + ":Fm " +
                        frame.source.text().toLatin1() + " To " +
                        frame.destination.text().toLatin1();
    if (!frame.digipeaters.empty()) {
        QByteArrayList via;
        for (const Ax25Address& digi : frame.digipeaters) {
            via << digi.text().toLatin1() + (digi.highBit ? "*" : "");
        }
        header += " Via " + via.join(',');
    }
    header += " <" + description(frame) + " >[" +
              time.toString(QStringLiteral("HH:mm:ss")).toLatin1() + "]";

    QByteArray info = frame.info;
    info.replace('\0', QByteArray());
    return {kindOf(frame.type), assemble(header, info)};
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

}  // namespace zeno
