// What a frame adds to the monitor, APRS message lines and the alarm test.
#include "config/settings.h"
#include "monitor/alarm.h"
#include "monitor/framesplit.h"
#include "monitor/monitorrules.h"
#include "platform/apppath.h"
#include "support/fakeplatform.h"

#include <QTest>

using namespace zeno;

class MonitorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void addition_data() {
        QTest::addColumn<QString>("data");
        QTest::addColumn<bool>("headersOff");
        QTest::addColumn<QChar>("last");  // the monitor's last character before
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& data, bool headersOff,
                            const QString& expected, QChar last = QLatin1Char('\n')) {
            QTest::newRow(name) << data << headersOff << last << expected;
        };
        const QString nul(QChar(0));
        const QString ui = " 1:Fm N0CALL To CQ <UI Len=5 >\rHello\r\r" + nul;
        const QString rr = " 1:Fm A To B <RR R1 >\r" + nul;

        // The engine's text already ends its lines: header, information, one blank line.
        row("UI frame", ui, false, "Fm N0CALL To CQ <UI Len=5 >\r\nHello\r\n\r\n");
        row("View Data: body only", ui, true, "Hello\r\n\r\n");
        row("empty body, header shown: one line", rr, false, "Fm A To B <RR R1 >\r\n");
        row("empty body, header hidden: nothing", rr, true, "");
        // The monitor must not go on inside its last line.
        row("nothing shown, monitor ends inside a line", rr, true, "\r\n", QLatin1Char('x'));
        row("start-up text", "AGWPE engine" + nul, false, "\r\nAGWPE engine\r\n", QChar());
        row("connected event", "*** CONNECTED To Station N1AAA\r" + nul, false, "\r\n");
        // Without a NUL the body gets a line end of its own.
        row("connected data: body text only", "hello from A\rsecond line\r", false,
            "\r\nsecond line\r\n\r\n");
        row("no NUL, body ends inside a line", " 1:Fm A To B\rtext", false,
            "Fm A To B\r\ntext\r\n");
        row("lone LF becomes a line end", " 1:Fm A\rone\ntwo\n\r" + nul, true,
            "one\r\ntwo\r\n\r\n");
        row("control characters of the body stay", QStringLiteral(" 1:Fm A\rbell\x07\r") + nul,
            true, QStringLiteral("bell\x07\r\n"));
        // A NUL inside the body (an engine that does not cut at it) loses nothing after it.
        row("NUL inside the body", " 1:Fm A\rbad" + nul + "call\r" + nul, false,
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
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("isMessage");
        QTest::newRow("message") << ":PA3XYZ   :Good morning{01\r\n" << true;
        QTest::newRow("just the two colons") << ":123456789:" << true;
        QTest::newRow("ten characters") << ":123456789" << false;
        QTest::newRow("second colon one early") << ":PA3XYZ  :Hi" << false;
        QTest::newRow("no leading colon") << "=4237.14N/07120.83W-Test" << false;
        QTest::newRow("connected-mode body") << "\r\n:PA3XYZ   :x" << false;
    }

    void aprsMessageLine() {
        QFETCH(QString, body);
        QFETCH(bool, isMessage);
        QCOMPARE(isAprsMessageLine(body), isMessage);
    }

    void alarm_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");  // the header text in mode 1, else the data text
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("due");
        const auto row = [](const char* name, int mode, const QString& text, const QString& header,
                            const QString& body, bool due) {
            QTest::newRow(name) << mode << text << header << body << due;
        };
        const QString iss = QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >");
        row("header text found", 1, "RS0ISS*", iss, "Hello", true);
        row("header: letter case ignored", 1, "rs0iss*", "Fm n0call To cq Via Rs0Iss*", "", true);
        row("header text only in the body", 1, "RS0ISS*", "Fm A To CQ Via RS0ISS", "RS0ISS*",
            false);
        row("data text found", 2, "Hello", iss, "Hello\r\n", true);
        row("data: letter case counts", 2, "Hello", iss, "HELLO\r\n", false);
        row("data text only in the header", 2, "N0CALL", iss, "Hello", false);
        row("empty header text: any header", 1, "", iss, "", true);
        row("empty header text: not an empty header", 1, "", "", "x", false);
        row("empty data text: any body", 2, "", "", "x", true);
        row("empty data text: not an empty body", 2, "", iss, "", false);
        row("mode 0", 0, "RS0ISS*", iss, "RS0ISS*", false);
        row("unknown mode", 3, "RS0ISS*", iss, "RS0ISS*", false);
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

        test::FakePlatform platform;
        PlayAlarm(platform, QStringLiteral("/opt/zeno"));
        PlayAlarm(platform, QStringLiteral("/opt/zeno"));  // again while playing: starts again
        QCOMPARE(platform.played,
                 QStringList(2, appFile(QStringLiteral("/opt/zeno"), "alarm.wav")));
    }
};

QTEST_APPLESS_MAIN(MonitorRulesTest)
#include "tst_monitorrules.moc"
