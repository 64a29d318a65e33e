// What a frame adds to the monitor, APRS message lines, the alarm test and own frames heard back.
#include "config/settings.h"
#include "monitor/alarm.h"
#include "monitor/framesplit.h"
#include "monitor/monitorrules.h"
#include "monitor/ownframes.h"
#include "platform/apppath.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

class MonitorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void addition_data() {
        // last: the monitor's last character before
        columns<QString, bool, QChar, QString>("data", "headersOff", "last", "expected");
        const QString nul(QChar(0));
        const QString ui = " 1:Fm N0CALL To CQ <UI Len=5 >\rHello\r\r" + nul;
        const QString rr = " 1:Fm A To B <RR R1 >\r" + nul;
        const QChar lf(u'\n');
        // The engine's text already ends its lines: header, information, one blank line.
        row("UI frame", ui, false, lf, "Fm N0CALL To CQ <UI Len=5 >\r\nHello\r\n\r\n");
        row("View Data: body only", ui, true, lf, "Hello\r\n\r\n");
        row("empty body, header shown: one line", rr, false, lf, "Fm A To B <RR R1 >\r\n");
        row("empty body, header hidden: nothing", rr, true, lf, "");
        // The monitor must not go on inside its last line.
        row("nothing shown, monitor ends inside a line", rr, true, QChar(u'x'), "\r\n");
        row("start-up text", "AGWPE engine" + nul, false, QChar(), "\r\nAGWPE engine\r\n");
        // Without a NUL the body gets a line end of its own.
        row("connected data: body text only", "hello from A\rsecond line\r", false, lf,
            "\r\nsecond line\r\n\r\n");
        // A NUL inside the body (an engine that does not cut at it) loses nothing after it.
        row("NUL inside the body", " 1:Fm A\rbad" + nul + "call\r" + nul, false, lf,
            "Fm A\r\nbadcall\r\n");
    }

    void addition() {
        QFETCH(QString, data);
        QFETCH(bool, headersOff);
        QFETCH(QChar, last);
        QFETCH(QString, expected);
        const SplitFrame s = splitFrame(data, int(data.size()));
        QCOMPARE(monitorAddition(s.HeaderLine, s.BodyText, headersOff, last), expected);
    }

    void aprsMessageLine() {
        QVERIFY(isAprsMessageLine(":PA3XYZ   :Good morning{01\r\n"));
        QVERIFY(isAprsMessageLine(":123456789:"));
        QVERIFY(!isAprsMessageLine(":123456789"));
        QVERIFY(!isAprsMessageLine(":PA3XYZ  :Hi"));      // second colon one early
        QVERIFY(!isAprsMessageLine("\r\n:PA3XYZ   :x"));  // a connected-mode body
    }

    // Mode 1 looks for the header text in the header, mode 2 for the data text in the body.
    void alarm() {
        const auto due = [](int mode, const QString& text, const QString& header,
                            const QString& body) {
            Settings settings;
            settings.alarmMode = mode;
            // The other mode's text stays empty, which any non-empty line holds.
            (mode == 1 ? settings.alarmHeaderText : settings.alarmDataText) = text;
            return alarmDue(settings, header, body);
        };
        const QString iss = QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >");
        QVERIFY(due(1, "RS0ISS*", iss, "Hello"));
        QVERIFY(due(1, "rs0iss*", "Fm n0call To cq Via Rs0Iss*", ""));  // case ignored
        QVERIFY(!due(1, "RS0ISS*", "Fm A To CQ Via RS0ISS", "RS0ISS*"));
        QVERIFY(due(2, "Hello", iss, "Hello\r\n"));
        QVERIFY(!due(2, "Hello", iss, "HELLO\r\n"));  // case counts
        QVERIFY(due(1, "", iss, ""));                 // an empty text: any line
        QVERIFY(!due(1, "", "", "x"));                // but not an empty one
        QVERIFY(!due(2, "", iss, ""));
        QVERIFY(!due(0, "RS0ISS*", iss, "RS0ISS*"));
    }

    void alarmPlaysTheApplicationsFile() {
        Settings unset;  // a first run has no alarm line at all
        QVERIFY(!alarmDue(unset, QStringLiteral("Fm A"), QStringLiteral("x")));
        FakePlatform platform;
        PlayAlarm(platform, QStringLiteral("/opt/zeno"));
        PlayAlarm(platform, QStringLiteral("/opt/zeno"));  // again while playing: starts again
        QCOMPARE(platform.played,
                 QStringList(2, appFile(QStringLiteral("/opt/zeno"), "alarm.wav")));
    }

    void repeatedBy_data() {
        columns<int, QString, QString>("kind", "via", "repeatedBy");
        row("satellite", int('U'), QStringLiteral("Fm N1AAA-7 To CQ Via RS0ISS*"), "RS0ISS");
        row("last marked station", int('U'),
            QStringLiteral("Fm N1AAA To CQ Via N2BBB*,N3CCC*,WIDE2-1"), "N3CCC");
        row("alias used up after the station", int('U'),
            QStringLiteral("Fm N1AAA To CQ Via N2BBB*,WIDE1*"), "N2BBB");
        row("only an alias", int('U'), QStringLiteral("Fm N1AAA To CQ Via WIDE1*"), "WIDE1");
        row("not repeated", int('U'), QStringLiteral("Fm N1AAA To CQ Via RS0ISS"), "");
        row("another station", int('U'), QStringLiteral("Fm N1AAAB To CQ Via RS0ISS*"), "");
        row("what the engine sends", int('T'), QStringLiteral("Fm N1AAA To CQ Via RS0ISS*"), "");
    }

    void repeatedBy() {
        QFETCH(int, kind);
        QFETCH(QString, via);
        QFETCH(QString, repeatedBy);
        const auto frame =
            repeatedOwnFrame(kind, via + " <UI pid=F0 Len=2 >[12:03:44]", "hi", "n1aaa");
        QCOMPARE(frame ? frame->digipeater : QString(), repeatedBy);
    }

    void countedOncePerFrameAndDay() {
        const QDateTime noon(QDate(2024, 5, 1), QTime(12, 3, 44));
        RepeatCount count;
        const RepeatedFrame a{"RS0ISS", "N1AAA>CQ:a"};
        QVERIFY(count.take(a, noon));
        QVERIFY(!count.take({"N2BBB", a.key}, noon.addSecs(30)));  // second digipeater
        QVERIFY(count.take({"RS0ISS", "N1AAA>CQ:b"}, noon.addSecs(40)));
        QVERIFY(count.take(a, noon.addSecs(61)));  // sent again
        QCOMPARE(count.count(noon.date()), 3);
        QCOMPARE(count.count(noon.date().addDays(1)), 0);
        QCOMPARE(repeatedNotice("RS0ISS", noon), QStringLiteral("Repeated by RS0ISS at 12:03:44"));
    }
};

QTEST_APPLESS_MAIN(MonitorRulesTest)
#include "tst_monitorrules.moc"
