// SPDX-License-Identifier: GPL-3.0-or-later
// The APRS decoder, one row per information field and its report in one line; the rows are
// in tests/data/aprs/decode.txt, named by their format family.
#include "aprs/aprsdecode.h"
#include "support/testrows.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QString n(double v) { return QString::number(v, 'g', 6); }

// Bytes outside printable ASCII are written <0xNN> in the rows.
QString unescaped(QString text) {
    static const QRegularExpression hex(QStringLiteral("<0x([0-9a-f]{2})>"));
    for (auto m = hex.match(text); m.hasMatch(); m = hex.match(text))
        text.replace(m.capturedStart(), 6, QChar(m.captured(1).toInt(nullptr, 16)));
    return text;
}

// Kind, position and symbol, then each value the field set, the comment last.
QString summary(const AprsReport& r) {
    static const char* kinds[] = {"None",   "Position", "Object",  "Item",
                                  "Status", "Weather",  "Message", "Other"};
    QStringList s{QString::fromLatin1(kinds[r.kind])};
    const auto add = [&](bool set, const QString& text) { set ? void(s << text) : void(); };
    add(bool(r.latitude), QString::number(r.latitude.value_or(0), 'f', 5) + u' ' +
                              QString::number(r.longitude.value_or(0), 'f', 5));
    add(!r.symbolCode.isNull(), QString(r.symbolTable) + r.symbolCode);
    const auto value = [&](const char* name, auto v) { add(bool(v), name + n(v.value_or(0))); };
    value("crs ", r.courseDeg), value("spd ", r.speedKmh), value("alt ", r.altitudeM);
    value("rng ", r.rangeKm);
    const auto i = [](int v) { return QString::number(v); };
    if (const auto p = r.phg)
        s << QStringLiteral("phg %1W %2m %3dB %4")
                 .arg(i(p->powerW), n(p->heightM), i(p->gainDb), i(p->directivityDeg));
    const auto text = [&](const char* name, const QString& t) { add(!t.isEmpty(), name + t); };
    text(r.objectAlive ? "alive " : "killed ", r.objectName);
    add(r.messaging, QStringLiteral("msg"));
    text("at ", r.timestamp), text("loc ", r.locator), text("mice ", r.micEMessage);
    QStringList telemetry;
    std::transform(r.telemetry.cbegin(), r.telemetry.cend(), std::back_inserter(telemetry), i);
    text("tlm ", telemetry.join(u',')), text("to ", r.addressee);
    add(r.isAck || r.isReject || r.isBulletin, r.isAck ? "ack" : r.isReject ? "rej" : "bln");
    text("#", r.messageNumber);
    add(!r.messageText.isEmpty(), u'\'' + r.messageText + u'\'');
    value("wind ", r.windDirectionDeg), value("/ ", r.windSpeedKmh), value("gust ", r.windGustKmh);
    value("temp ", r.temperatureC), value("rain ", r.rain1hMm), value("24h ", r.rain24hMm);
    value("day ", r.rainMidnightMm), value("hum ", r.humidityPercent), value("hpa ", r.pressureHpa);
    value("lum ", r.luminosityWm2);
    add(!r.comment.isEmpty(), u'"' + r.comment + u'"');
    return s.join(u' ');
}

}  // namespace

class AprsDecodeTest : public QObject {
    Q_OBJECT

private slots:
    // The rows of every family: "DEST:field", then the expected report indented below it.
    void decodes_data() {
        columns<QString, QByteArray, QString>("destination", "info", "expected");
        QFile file(qEnvironmentVariable("ZENO_SOURCE_DIR") + "/tests/data/aprs/decode.txt");
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QString family;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& l = lines[i];
            if (l.startsWith(u'['))
                family = l.mid(1).chopped(1);
            else if (!l.isEmpty() && !l.startsWith(u'#') && !l.startsWith(u' '))
                row(qPrintable(family + u' ' + l), l.section(u':', 0, 0),
                    unescaped(l.section(u':', 1)).toLatin1(),
                    unescaped(lines.value(i + 1).trimmed()));
        }
    }
    void decodes() {
        QTEST(summary(decodeAprs(QStringLiteral("N0CALL-9"), fetched<QString>("destination"),
                                 fetched<QByteArray>("info"))),
              "expected");
    }
};

QTEST_GUILESS_MAIN(AprsDecodeTest)
#include "tst_aprsdecode.moc"
