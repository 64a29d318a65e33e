// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engineinfo.h"

namespace zeno {

namespace {

quint32 u32At(const QByteArray& data, qsizetype at) {
    const auto* b = reinterpret_cast<const uchar*>(data.constData() + at);
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

// The start-up text is shown and stored on one line: no control characters in it.
QString oneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    }
    return line.simplified();
}

}  // namespace

void EngineInfo::takeVersionReply(const QByteArray& data) {
    if (data.size() < 8) {
        version = QString();
        return;
    }
    version = QStringLiteral("%1.%2").arg(u32At(data, 0)).arg(u32At(data, 4));
}

void EngineInfo::takePortsReply(const QByteArray& data) {
    // "2;Port1 first soundcard left;Port2 first soundcard right;Port3 INVALID CHANNEL;...\0"
    const qsizetype nul = data.indexOf('\0');
    const QStringList fields =
        QString::fromLatin1(nul < 0 ? data : data.left(nul)).split(QLatin1Char(';'));
    bool counted = false;
    const int count = fields.value(0).trimmed().toInt(&counted);
    portNames.clear();
    portsByNumber.clear();
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const QString name = oneLine(fields[i]);
        // Dire Wolf lists every channel it could have, the unused ones as "INVALID CHANNEL".
        const bool unused =
            name.isEmpty() || name.contains(QLatin1String("INVALID CHANNEL"), Qt::CaseInsensitive);
        portsByNumber << (unused ? QString() : name);
        if (!unused)
            portNames << name;
    }
    while (!portsByNumber.isEmpty() && portsByNumber.constLast().isEmpty())
        portsByNumber.removeLast();
    if (counted && count >= 0 && count < portNames.size())
        portNames = portNames.mid(0, count);
    portCount = counted && count >= 0 ? count : int(portNames.size());
    portsKnown = true;
}

QString startupText(const EngineAddress& address, const EngineInfo& info) {
    QString text = QStringLiteral("AGWPE engine %1:%2 version %3, ")
                       .arg(address.host)
                       .arg(address.port)
                       .arg(info.version && !info.version->isEmpty() ? *info.version
                                                                     : QStringLiteral("unknown"));
    if (!info.portsKnown) {
        text += QStringLiteral("radio ports unknown");
    } else {
        text += QStringLiteral("%1 radio port%2")
                    .arg(info.portCount)
                    .arg(info.portCount == 1 ? QString() : QStringLiteral("s"));
        if (!info.portNames.isEmpty())
            text += QStringLiteral(": ") + info.portNames.join(QStringLiteral("; "));
    }
    return oneLine(text);
}

}  // namespace zeno
