// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ax25.h"

namespace zeno::test {

QByteArray ax25Address(const QString& call, bool highBit, bool last) {
    const qsizetype dash = call.indexOf(QLatin1Char('-'));
    const QByteArray name =
        (dash < 0 ? call : call.left(dash)).toLatin1().leftJustified(6, ' ', true);
    const int ssid = dash < 0 ? 0 : call.mid(dash + 1).toInt();
    QByteArray field;
    for (char c : name)
        field.append(char(uchar(c) << 1));
    field.append(char(0x60 | ((ssid & 0x0F) << 1) | (highBit ? 0x80 : 0) | (last ? 0x01 : 0)));
    return field;
}

QByteArray ax25Frame(const QString& source, const QString& destination, const QStringList& digis,
                     int control, int pid, const QByteArray& info) {
    // Destination carries the command bit, as for every frame a station originates.
    QByteArray frame = ax25Address(destination, true, false);
    frame += ax25Address(source, false, digis.isEmpty());
    for (qsizetype i = 0; i < digis.size(); ++i) {
        QString digi = digis[i];
        const bool repeated = digi.endsWith(QLatin1Char('*'));
        if (repeated)
            digi.chop(1);
        frame += ax25Address(digi, repeated, i == digis.size() - 1);
    }
    frame.append(char(control));
    if (pid >= 0)
        frame.append(char(pid));
    frame += info;
    return frame;
}

Tnc2Frame parseTnc2(const QString& tnc2) {
    const qsizetype colon = tnc2.indexOf(QLatin1Char(':'));
    const QString head = colon < 0 ? tnc2 : tnc2.left(colon);
    const qsizetype arrow = head.indexOf(QLatin1Char('>'));
    QStringList path = head.mid(arrow + 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    const QString destination = path.isEmpty() ? QString() : path.takeFirst();
    return {head.left(arrow), destination, path,
            colon < 0 ? QByteArray() : tnc2.mid(colon + 1).toLatin1()};
}

QByteArray ax25FromTnc2(const QString& tnc2, int control, int pid) {
    const Tnc2Frame f = parseTnc2(tnc2);
    return ax25Frame(f.source, f.destination, f.digis, control, pid, f.info);
}

}  // namespace zeno::test
