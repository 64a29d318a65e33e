// The APRS decoder, one row per information field and its report in one line; the rows are
// in tests/data/aprs/decode.txt, one table per format family.
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
    if (const auto phg = r.phg)
        s << QStringLiteral("phg %1W %2m %3dB %4")
                 .arg(phg->powerW)
                 .arg(n(phg->heightM))
                 .arg(phg->gainDb)
                 .arg(phg->directivityDeg);
    add(!r.objectName.isEmpty(), (r.objectAlive ? "alive " : "killed ") + r.objectName);
    add(r.messaging, QStringLiteral("msg"));
    add(!r.timestamp.isEmpty(), "at " + r.timestamp);
    add(!r.locator.isEmpty(), "loc " + r.locator);
    add(!r.micEMessage.isEmpty(), "mice " + r.micEMessage);
    QStringList telemetry;
    for (int v : r.telemetry)
        telemetry << QString::number(v);
    add(!telemetry.isEmpty(), "tlm " + telemetry.join(u','));
    add(!r.addressee.isEmpty(), "to " + r.addressee);
    add(r.isAck || r.isReject || r.isBulletin, r.isAck ? "ack" : r.isReject ? "rej" : "bln");
    add(!r.messageNumber.isEmpty(), "#" + r.messageNumber);
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

    // The rows of one family: "DEST:field", then the expected report indented below it.
    void family(const QString& name) {
        columns<QString, QString, QString>("destination", "info", "expected");
        QFile file(qEnvironmentVariable("ZENO_SOURCE_DIR") + "/tests/data/aprs/decode.txt");
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QString current;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].startsWith(u'['))
                current = lines[i].mid(1).chopped(1);
            else if (current == name && !lines[i].isEmpty() && !lines[i].startsWith(u'#') &&
                     !lines[i].startsWith(u' '))
                row(qPrintable(lines[i]), lines[i].section(u':', 0, 0),
                    unescaped(lines[i].section(u':', 1)), unescaped(lines.value(i + 1).trimmed()));
        }
    }
    void check() {
        QFETCH(QString, destination);
        QFETCH(QString, info);
        QTEST(summary(decodeAprs(QStringLiteral("N0CALL-9"), destination, info.toLatin1())),
              "expected");
    }

private slots:
    void positions_data() { family(QStringLiteral("positions")); }
    void positions() { check(); }
    void micE_data() { family(QStringLiteral("micE")); }
    void micE() { check(); }
    void objectsAndStatus_data() { family(QStringLiteral("objectsAndStatus")); }
    void objectsAndStatus() { check(); }
    void weather_data() { family(QStringLiteral("weather")); }
    void weather() { check(); }
    void messages_data() { family(QStringLiteral("messages")); }
    void messages() { check(); }
    void malformed_data() { family(QStringLiteral("malformed")); }
    void malformed() { check(); }
};

QTEST_GUILESS_MAIN(AprsDecodeTest)
#include "tst_aprsdecode.moc"
