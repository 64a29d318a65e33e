// What a frame adds to the monitor, APRS message lines and the alarm test.
#include "config/settings.h"
#include "monitor/alarm.h"
#include "monitor/framesplit.h"
#include "monitor/monitorrules.h"
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

    void aprsMessageLine_data() {
        columns<QString, bool>("body", "isMessage");
        row("message", ":PA3XYZ   :Good morning{01\r\n", true);
        row("just the two colons", ":123456789:", true);
        row("ten characters", ":123456789", false);
        row("second colon one early", ":PA3XYZ  :Hi", false);
        row("connected-mode body", "\r\n:PA3XYZ   :x", false);
    }

    void aprsMessageLine() {
        QFETCH(QString, body);
        QFETCH(bool, isMessage);
        QCOMPARE(isAprsMessageLine(body), isMessage);
    }

    void alarm_data() {
        // text: the header text in mode 1, else the data text
        columns<int, QString, QString, QString, bool>("mode", "text", "header", "body", "due");
        const QString iss = QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >");
        row("header text found", 1, "RS0ISS*", iss, "Hello", true);
        row("header: letter case ignored", 1, "rs0iss*", "Fm n0call To cq Via Rs0Iss*", "", true);
        row("header text only in the body", 1, "RS0ISS*", "Fm A To CQ Via RS0ISS", "RS0ISS*",
            false);
        row("data text found", 2, "Hello", iss, "Hello\r\n", true);
        row("data: letter case counts", 2, "Hello", iss, "HELLO\r\n", false);
        row("empty header text: any header", 1, "", iss, "", true);
        row("empty header text: not an empty header", 1, "", "", "x", false);
        row("empty data text: not an empty body", 2, "", iss, "", false);
        row("mode 0", 0, "RS0ISS*", iss, "RS0ISS*", false);
    }

    void alarm() {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(QString, header);
        QFETCH(QString, body);
        QFETCH(bool, due);
        Settings settings;
        settings.alarmMode = mode;
        // The other mode's text stays empty, which any non-empty line holds: each mode reads its
        // own.
        settings.alarmHeaderText = mode == 1 ? text : QString();
        settings.alarmDataText = mode == 1 ? QString() : text;
        QCOMPARE(alarmDue(settings, header, body), due);
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
};

QTEST_APPLESS_MAIN(MonitorRulesTest)
#include "tst_monitorrules.moc"
