// SPDX-License-Identifier: GPL-3.0-or-later
// ZENO's APRS decoder against Dire Wolf's decode_aprs on a corpus of real-world-shaped
// packets: the same kind, position, symbol, course, speed and altitude, and the same wind,
// wherever decode_aprs prints them.
#include "aprs/aprsdecode.h"
#include "support/direwolf.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <cmath>

using namespace zeno;

namespace {

constexpr double kMph = 1.609344;  // km/h
constexpr double kFoot = 0.3048;   // m

// What decode_aprs printed for one packet: its decoded lines, and whether it found an error.
struct Account {
    QStringList lines;
    bool error = false;
};

// decode_aprs colours its output: each packet echoed in green after an empty green line,
// then the decoded lines in blue and errors in red (its debug lines are green too).
QHash<QString, Account> accountsOf(const QString& output) {
    static const QRegularExpression colour(QStringLiteral("\x1b\\[38;2;(\\d+;\\d+;\\d+)m"));
    static const QRegularExpression escape(QStringLiteral("\x1b\\[[0-9;]*[mJ]"));
    QHash<QString, Account> accounts;
    QString current, packet;
    bool afterGap = false;  // the line before was an empty green one
    for (const QString& line : output.split(u'\n')) {
        for (auto it = colour.globalMatch(line); it.hasNext();)
            current = it.next().captured(1);
        const QString text = QString(line).remove(escape);
        const bool green = current == u"0;192;0";
        if (green && afterGap)
            packet = text;
        else if (current == u"0;0;255")
            accounts[packet].lines.append(text);
        else if (current == u"255;0;0")
            accounts[packet].error = true;
        afterGap = green && text.isEmpty();
    }
    return accounts;
}

struct Packet {
    QString source, destination;
    QByteArray info;
};

// "SRC>DST,PATH:info", with bytes outside printable ASCII written as <0xNN>.
Packet packetOf(const QString& line) {
    static const QRegularExpression hex(QStringLiteral("<0x([0-9a-f]{2})>"));
    const QString head = line.section(u':', 0, 0);
    QString info = line.section(u':', 1);
    for (auto m = hex.match(info); m.hasMatch(); m = hex.match(info))
        info.replace(m.capturedStart(), 6, QChar(m.captured(1).toInt(nullptr, 16)));
    return {head.section(u'>', 0, 0), head.section(u'>', 1).section(u',', 0, 0), info.toLatin1()};
}

AprsReport decoded(const QString& line) {
    const Packet p = packetOf(line);
    return zeno::decodeAprs(p.source, p.destination, p.info);
}

// decode_aprs names symbols in words only, so each symbol ZENO found is printed alone too.
QString probeOf(const AprsReport& r) {
    return "PROBE>BEACON:!0000.00N" + QString(r.symbolTable) + "00000.00E" + r.symbolCode;
}

AprsKind kindOf(const QString& header) {
    static const std::pair<const char*, AprsKind> types[] = {
        {"Weather Report with", AprsKind::Object},
        {"Positionless Weather", AprsKind::Weather},
        {"Weather", AprsKind::Weather},
        {"Position", AprsKind::Position},
        {"MIC-E", AprsKind::Position},
        {"Object", AprsKind::Object},
        {"Killed Object", AprsKind::Object},
        {"Item", AprsKind::Item},
        {"Killed Item", AprsKind::Item},
        {"Status", AprsKind::Status},
        {"APRS Message", AprsKind::Message},
        {"ACK message", AprsKind::Message},
        {"REJ message", AprsKind::Message}};
    for (const auto& [type, kind] : types) {
        if (header.startsWith(QLatin1String(type)))
            return kind;
    }
    return AprsKind::Other;
}

std::optional<double> number(const QString& text, const char* pattern) {
    const auto m = QRegularExpression(QString::fromLatin1(pattern)).match(text);
    return m.hasMatch() ? std::optional(m.captured(1).toDouble()) : std::nullopt;
}

// Ours, divided by scale, against what decode_aprs printed (when it printed it). Its zero where
// ZENO has nothing is "000/000", which the reference calls unknown.
bool same(std::optional<double> ours, std::optional<double> theirs, double scale, double within) {
    return !theirs || (ours ? std::abs(*ours / scale - *theirs) <= within : *theirs == 0);
}

}  // namespace

class AprsEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QFile file(qEnvironmentVariable("ZENO_SOURCE_DIR") + "/tests/data/aprs/corpus.txt");
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        corpus_ = QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(corpus_.size() >= 60, qPrintable(QString::number(corpus_.size())));
        QStringList input = corpus_;
        QSet<int> kinds;
        for (const QString& line : corpus_) {
            const AprsReport r = decoded(line);
            kinds.insert(r.kind);
            if (r.latitude)
                input.append(probeOf(r));
        }
        QCOMPARE(kinds.size(), 7);  // every kind but None

        QString error;
        const auto tool = test::findEngineTool(QStringLiteral("decode_aprs"), &error);
        QVERIFY2(tool, qPrintable(error));
        QProcess process;
        process.start(*tool, {});
        process.write(input.join(u'\n').toLatin1() + '\n');
        process.closeWriteChannel();
        QVERIFY2(process.waitForFinished(20000), "decode_aprs did not finish within 20 s");
        accounts_ = accountsOf(QString::fromUtf8(process.readAllStandardOutput()));
    }

    void agrees_data() {
        QTest::addColumn<QString>("line");
        for (const QString& line : corpus_)
            QTest::newRow(qPrintable(line.left(40))) << line;
    }

    void agrees() {
        QFETCH(QString, line);
        const Account dw = accounts_.value(line);
        const QString header = dw.lines.value(0), moving = dw.lines.value(1);
        const QByteArray account = dw.lines.join(u'\n').toUtf8();
        const char* says = account.constData();
        const AprsReport r = decoded(line);
        // Where decode_aprs finds an error, the field is malformed and ZENO keeps it as Other.
        QVERIFY2(!header.isEmpty() && r.kind == (dw.error ? AprsKind::Other : kindOf(header)),
                 says);
        if (dw.error)
            return;

        static const QRegularExpression position(
            QStringLiteral("([NS]) (\\d+) ([\\d.]+), ([EW]) (\\d+) ([\\d.]+)"));
        const auto m = position.match(moving);
        QVERIFY2(m.hasMatch() == r.latitude.has_value(), says);
        if (m.hasMatch()) {
            const auto degrees = [&](int i) {
                const double d = m.captured(i + 1).toDouble() + m.captured(i + 2).toDouble() / 60;
                return m.captured(i) == u"S" || m.captured(i) == u"W" ? -d : d;
            };
            QVERIFY2(std::abs(*r.latitude - degrees(1)) < 1e-4, says);
            QVERIFY2(std::abs(*r.longitude - degrees(4)) < 1e-4, says);
            const QString symbol = accounts_.value(probeOf(r)).lines.value(0).section(", ", 1);
            QVERIFY2(!symbol.isEmpty() && (header + u',').contains(", " + symbol + u','),
                     qPrintable(symbol + " / " + says));
        }
        // ZENO keeps Mic-E's 360 for north where decode_aprs prints 0.
        const auto course = r.courseDeg ? std::optional<double>(*r.courseDeg % 360) : std::nullopt;
        QVERIFY2(same(r.speedKmh, number(moving, "(\\d+) MPH"), kMph, 0.51), says);
        QVERIFY2(same(course, number(moving, "course (\\d+)"), 1, 0), says);
        QVERIFY2(same(r.altitudeM, number(moving, "alt (-?\\d+) ft"), kFoot, 0.51), says);

        // decode_aprs reads the wind after a plain position ("_220/004") as knots, as the
        // reference's DIR/SPD extension says; its weather chapter, and the stations, use mph
        // there as everywhere else in weather reports, and so does ZENO.
        const QString weather = header.contains(u"Weather") ? dw.lines.join(u'\n') : QString();
        const bool plainWind = r.windDirectionDeg && line.contains(QStringLiteral("_%1/").arg(
                                                         *r.windDirectionDeg, 3, 10, QChar(u'0')));
        QVERIFY2(same(r.windSpeedKmh, number(weather, "wind ([\\d.]+) mph"),
                      plainWind ? kMph / 1.15078 : kMph, 0.051),
                 says);
        QVERIFY2(same(r.windDirectionDeg, number(weather, "direction (\\d+)"), 1, 0), says);
    }

private:
    QStringList corpus_;
    QHash<QString, Account> accounts_;
};

QTEST_GUILESS_MAIN(AprsEngineTest)
#include "tst_aprs_engine.moc"
