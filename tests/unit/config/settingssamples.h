#pragma once

#include "config/settings.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace zeno::test {

// Settings with every value away from its default, so a key lost on the way shows.
inline Settings everyKeySettings() {
    Settings s;
    s.callsign = QStringLiteral("PA3XYZ");
    s.toCall = QStringLiteral("APRS");
    s.digistation = QStringLiteral("WIDE2-2");
    s.radioPort = 3;
    s.alarmMode = 2;
    s.monitorFont = QStringLiteral("Courier New");
    s.beaconInterval = 300;
    s.autoScroll = 0;
    s.beacon = -1;
    s.headerColor = 65535;
    s.dataColor = 255;
    s.screenColor = 8388608;
    s.alarmHeaderText = QStringLiteral("PCSAT*");
    s.alarmDataText = QStringLiteral("Zoë");
    s.aprs = QStringLiteral("!5213.45N/00521.12E-Tarn");
    s.aprsEnabled = -1;
    s.selectedBeacon = 2;
    s.txDataHistory = {QStringLiteral("Hello world"), QStringLiteral(" leading blank")};
    s.toHistory = {QStringLiteral("CQ"), QStringLiteral("QST")};
    s.viaHistory = {QStringLiteral("RS0ISS"), QStringLiteral("ARISS"), QString()};
    s.aprsDataHistory = {QStringLiteral("73 from Tarn")};
    s.savePosition = -1;
    s.hSize = 11487.5;
    s.vSize = 8180;
    s.leftPos = -45;
    s.topPos = 1234.25;
    s.dataBoxForeColor = 0;
    s.dataBoxBackColor = 16777215;
    s.txDataDefault = QStringLiteral("Typed but not kept");
    s.zenoTag = -1;
    s.messageForHistory = {QStringLiteral("PA0AAA"), QStringLiteral("BLN1")};
    s.messageTextHistory = {QStringLiteral("See you on the next pass")};
    s.bbsMode = 2;
    s.bbsPassword = QStringLiteral("SECRET/2");
    s.swlMode = 1;
    s.logDigipeatedMessages = 1;
    s.defaultFor = QStringLiteral("PA0AAA");
    s.defaultMessage = QStringLiteral("Draft message");
    s.defaultAprsText = QStringLiteral("Portable");
    return s;
}

// Settings different again in every value from everyKeySettings().
inline Settings otherSettings() {
    Settings s;
    s.callsign = QStringLiteral("OTHER");
    s.toCall = QStringLiteral("X");
    s.digistation = QStringLiteral("Y");
    s.radioPort = 1;
    s.alarmMode = 1;
    s.monitorFont = QStringLiteral("Other");
    s.beaconInterval = 11;
    s.autoScroll = 7;
    s.beacon = 7;
    s.headerColor = 7;
    s.dataColor = 7;
    s.screenColor = 7;
    s.alarmHeaderText = QStringLiteral("x");
    s.alarmDataText = QStringLiteral("x");
    s.aprs = QStringLiteral("x");
    s.aprsEnabled = 7;
    s.selectedBeacon = 7;
    for (int i = 0; i < kHistoryBoxCount; ++i)
        s.history(static_cast<HistoryBox>(i)) = {QStringLiteral("old")};
    s.savePosition = 7;
    s.hSize = s.vSize = s.leftPos = s.topPos = 7;
    s.dataBoxForeColor = s.dataBoxBackColor = 7;
    s.txDataDefault = QStringLiteral("x");
    s.zenoTag = 7;
    s.bbsMode = 7;
    s.bbsPassword = QStringLiteral("x");
    s.swlMode = 7;
    s.logDigipeatedMessages = 7;
    s.defaultFor = QStringLiteral("x");
    s.defaultMessage = QStringLiteral("x");
    s.defaultAprsText = QStringLiteral("x");
    return s;
}

inline QList<QByteArray> fileLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
    }
    return lines;
}

inline QByteArray joinLines(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& l : lines)
        out += l + "\r\n";
    return out;
}

// The lines between a list's key line and its terminator.
inline QList<QByteArray> listLines(const QByteArray& bytes, const QByteArray& key) {
    const QList<QByteArray> lines = fileLines(bytes);
    QList<QByteArray> entries;
    for (qsizetype i = lines.indexOf(key) + 1;
         i > 0 && i < lines.size() && lines.at(i) != "[**end**]"; ++i)
        entries << lines.at(i);
    return entries;
}

// Replaces the entries of a list in a file's bytes.
inline QByteArray withListLines(const QByteArray& bytes, const QByteArray& key,
                                const QList<QByteArray>& entries) {
    QList<QByteArray> lines = fileLines(bytes);
    const qsizetype first = lines.indexOf(key) + 1;
    const qsizetype end = lines.indexOf("[**end**]", first);
    lines.remove(first, end - first);
    for (qsizetype i = 0; i < entries.size(); ++i)
        lines.insert(first + i, entries.at(i));
    return joinLines(lines);
}

// Replaces the value line after a key line.
inline QByteArray withValue(const QByteArray& bytes, const QByteArray& key,
                            const QByteArray& value) {
    QList<QByteArray> lines = fileLines(bytes);
    lines[lines.indexOf(key) + 1] = value;
    return joinLines(lines);
}

}  // namespace zeno::test
