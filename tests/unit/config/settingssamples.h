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
    s.monitorFont = QStringLiteral("Other");
    s.alarmHeaderText = s.alarmDataText = s.aprs = s.txDataDefault = s.bbsPassword = s.defaultFor =
        s.defaultMessage = s.defaultAprsText = QStringLiteral("x");
    s.radioPort = 1;
    s.alarmMode = 1;
    s.beaconInterval = 11;
    s.autoScroll = s.beacon = s.headerColor = s.dataColor = s.screenColor = s.aprsEnabled =
        s.selectedBeacon = s.savePosition = s.dataBoxForeColor = s.dataBoxBackColor = s.zenoTag =
            s.bbsMode = s.swlMode = s.logDigipeatedMessages = 7;
    s.hSize = s.vSize = s.leftPos = s.topPos = 7;
    for (int i = 0; i < kHistoryBoxCount; ++i)
        s.history(static_cast<HistoryBox>(i)) = {QStringLiteral("old")};
    return s;
}

// The lines of a file without their ends.
inline QList<QByteArray> fileLines(const QByteArray& bytes) {
    QList<QByteArray> lines = QByteArray(bytes).replace("\r\n", "\n").split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

inline QByteArray joinLines(const QList<QByteArray>& lines) { return lines.join("\r\n") + "\r\n"; }

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
