// What a frame adds to the monitor, the length limit, APRS message lines and the alarm test.
#include "config/settings.h"
#include "monitor/alarm.h"
#include "monitor/framesplit.h"
#include "monitor/monitorrules.h"
#include "platform/apppath.h"
#include "support/fakeplatform.h"

#include <QTest>

using namespace zeno;

namespace {

const QChar kNul(0);
const QChar kEmptyMonitor;
const QChar kAfterLineEnd = QLatin1Char('\n');

// What a fetched frame adds, through the split as the tick does it.
QString added(const QString& data, bool headersOff = false, QChar last = kAfterLineEnd) {
    const SplitFrame s = splitFrame(data, int(data.size()));
    return monitorAddition(s.HeaderLine, s.BodyText, headersOff, last);
}

}  // namespace

class MonitorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void addition_data();
    void addition();
    void nulIsNeverShown();
    void cut_data();
    void cut();
    void aprsMessageLine_data();
    void aprsMessageLine();
    void alarm_data();
    void alarm();
    void alarmPlaysTheApplicationsFile();
};

void MonitorRulesTest::addition_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("headersOff");
    QTest::addColumn<QChar>("last");
    QTest::addColumn<QString>("expected");

    const QString ui =
        QStringLiteral(" 1:Fm N0CALL To CQ <UI pid=F0 Len=5 >[21:04:09]\rHello\r\r") + kNul;
    // The engine's text already ends its lines: header, information, one blank line.
    QTest::newRow("UI frame") << ui << false << kAfterLineEnd
                              << "Fm N0CALL To CQ <UI pid=F0 Len=5 >[21:04:09]\r\nHello\r\n\r\n";
    QTest::newRow("View Data: body only") << ui << true << kAfterLineEnd << "Hello\r\n\r\n";
    QTest::newRow("empty body, header shown: one line")
        << QStringLiteral(" 1:Fm A To B <RR R1 >[01:12:29]\r") + kNul << false << kAfterLineEnd
        << "Fm A To B <RR R1 >[01:12:29]\r\n";
    QTest::newRow("empty body, header hidden: nothing")
        << QStringLiteral(" 1:Fm A To B <RR R1 >[01:12:29]\r") + kNul << true << kAfterLineEnd
        << "";
    // The monitor must not go on inside its last line.
    QTest::newRow("nothing shown, monitor ends inside a line")
        << QStringLiteral(" 1:Fm A To B <RR R1 >\r") + kNul << true << QChar(QLatin1Char('x'))
        << "\r\n";
    QTest::newRow("start-up text")
        << QStringLiteral("AGWPE engine at 127.0.0.1:8000") + kNul << false << kEmptyMonitor
        << "\r\nAGWPE engine at 127.0.0.1:8000\r\n";
    QTest::newRow("connected event") << QStringLiteral("*** CONNECTED To Station N1AAA\r") + kNul
                                     << false << kAfterLineEnd << "\r\n";
    // Without a NUL the body gets a line end of its own.
    QTest::newRow("connected data: body text only")
        << "hello from A\rsecond line\r" << false << kAfterLineEnd << "\r\nsecond line\r\n\r\n";
    QTest::newRow("no NUL, body ends inside a line")
        << " 1:Fm A To B\rtext" << false << kAfterLineEnd << "Fm A To B\r\ntext\r\n";
    QTest::newRow("lone LF becomes a line end")
        << QStringLiteral(" 1:Fm A To B\rone\ntwo\n\r") + kNul << true << kAfterLineEnd
        << "one\r\ntwo\r\n\r\n";
    QTest::newRow("control characters of the body stay")
        << QStringLiteral(" 1:Fm A To B\rbell\x07\r") + kNul << true << kAfterLineEnd
        << QStringLiteral("bell\x07\r\n");
}

void MonitorRulesTest::addition() {
    QFETCH(QString, data);
    QFETCH(bool, headersOff);
    QFETCH(QChar, last);
    QFETCH(QString, expected);
    QCOMPARE(added(data, headersOff, last), expected);
}

void MonitorRulesTest::nulIsNeverShown() {
    // A NUL inside the body (an engine that does not cut at it) loses nothing after it.
    const QString text = added(QStringLiteral(" 1:Fm A To B\rbad") + kNul + "call\r" + kNul);
    QCOMPARE(text, QStringLiteral("Fm A To B\r\nbadcall\r\n"));
    QVERIFY(!text.contains(kNul));
}

void MonitorRulesTest::cut_data() {
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<qsizetype>("cut");
    QTest::newRow("empty") << qsizetype(0) << qsizetype(0);
    QTest::newRow("at the limit") << qsizetype(29000) << qsizetype(0);
    QTest::newRow("one past") << qsizetype(29001) << qsizetype(3001);
    QTest::newRow("far past (a file loaded)") << qsizetype(100000) << qsizetype(74000);
}

void MonitorRulesTest::cut() {
    QFETCH(qsizetype, length);
    QFETCH(qsizetype, cut);
    QCOMPARE(monitorCut(length), cut);
    if (cut > 0)
        QCOMPARE(length - cut, kMonitorKeep);
}

void MonitorRulesTest::aprsMessageLine_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("isMessage");
    QTest::newRow("message") << ":PA3XYZ   :Good morning{01\r\n" << true;
    QTest::newRow("bulletin") << ":BLN1     :Net tonight\r\n" << true;
    QTest::newRow("just the two colons") << ":123456789:" << true;
    QTest::newRow("ten characters") << ":123456789" << false;
    QTest::newRow("second colon one early") << ":PA3XYZ  :Hi" << false;
    QTest::newRow("no leading colon") << "=4237.14N/07120.83W-Test" << false;
    QTest::newRow("connected-mode body") << "\r\n:PA3XYZ   :x" << false;
    QTest::newRow("empty") << "" << false;
}

void MonitorRulesTest::aprsMessageLine() {
    QFETCH(QString, body);
    QFETCH(bool, isMessage);
    QCOMPARE(isAprsMessageLine(body), isMessage);
}

void MonitorRulesTest::alarm_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("headerText");
    QTest::addColumn<QString>("dataText");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("due");

    const QString iss = QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >");
    QTest::newRow("header text found") << 1 << "RS0ISS*"
                                       << "" << iss << "Hello" << true;
    QTest::newRow("header: letter case ignored") << 1 << "rs0iss*"
                                                 << ""
                                                 << "Fm n0call To cq Via Rs0Iss*"
                                                 << "" << true;
    QTest::newRow("header text missing") << 1 << "RS0ISS*"
                                         << ""
                                         << "Fm A To CQ Via RS0ISS"
                                         << "RS0ISS*" << false;
    QTest::newRow("header mode ignores the data text") << 1 << "PCSAT"
                                                       << "Hello" << iss << "Hello" << false;
    QTest::newRow("data text found") << 2 << ""
                                     << "Hello" << iss << "Hello\r\n"
                                     << true;
    QTest::newRow("data: letter case counts") << 2 << ""
                                              << "Hello" << iss << "HELLO\r\n"
                                              << false;
    QTest::newRow("data mode ignores the header text") << 2 << "RS0ISS*"
                                                       << "Bye" << iss << "Hello" << false;
    QTest::newRow("empty header text: any header") << 1 << ""
                                                   << "" << iss << "" << true;
    QTest::newRow("empty header text: not an empty header") << 1 << ""
                                                            << ""
                                                            << ""
                                                            << "x" << false;
    QTest::newRow("empty data text: any body") << 2 << ""
                                               << ""
                                               << ""
                                               << "x" << true;
    QTest::newRow("empty data text: not an empty body") << 2 << ""
                                                        << "" << iss << "" << false;
    QTest::newRow("mode 0") << 0 << "RS0ISS*"
                            << "Hello" << iss << "Hello" << false;
    QTest::newRow("unknown mode") << 3 << "RS0ISS*"
                                  << "Hello" << iss << "Hello" << false;
}

void MonitorRulesTest::alarm() {
    QFETCH(int, mode);
    QFETCH(QString, headerText);
    QFETCH(QString, dataText);
    QFETCH(QString, header);
    QFETCH(QString, body);
    QFETCH(bool, due);
    Settings settings;
    settings.alarmMode = mode;
    settings.alarmHeaderText = headerText;
    settings.alarmDataText = dataText;
    QCOMPARE(alarmDue(settings, header, body), due);
}

void MonitorRulesTest::alarmPlaysTheApplicationsFile() {
    Settings unset;  // a first run has no alarm line at all
    QVERIFY(!alarmDue(unset, QStringLiteral("Fm A"), QStringLiteral("x")));

    test::FakePlatform platform;
    PlayAlarm(platform, QStringLiteral("/opt/zeno"));
    PlayAlarm(platform, QStringLiteral("/opt/zeno"));  // again while playing: starts again
    QCOMPARE(platform.played, QStringList(2, appFile(QStringLiteral("/opt/zeno"), "alarm.wav")));
}

QTEST_APPLESS_MAIN(MonitorRulesTest)
#include "tst_monitorrules.moc"
