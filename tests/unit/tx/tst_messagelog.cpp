// The received APRS message log: what an entry looks like, which frames are logged, the
// duplicate rule, the table limit and the view filters.
#include "config/settings.h"
#include "support/fakeplatform.h"
#include "tx/messagelog.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

// The body as the poll tick hands it over: CR LF line ends, then the engine's NUL.
QString body(const QString& info) {
    return info + QStringLiteral("\r\n\r\n") + QChar(0);
}

QString header(const QString& source, const QString& via = QString()) {
    QString h = QStringLiteral("Fm ") + source + QStringLiteral(" To APZ123");
    if (!via.isEmpty())
        h += QStringLiteral(" Via ") + via;
    return h + QStringLiteral(" <UI pid=F0 Len=20 >[21:04:09]");
}

}  // namespace

class TestMessageLog : public QObject {
    Q_OBJECT

private slots:
    void init() {
        settings_ = Settings();
        settings_.callsign = QStringLiteral("PA3XYZ");
        platform_.setNow(QDateTime(QDate(2002, 5, 24), QTime(21, 4, 9)));
    }

    void entryHoldsDateTimeSenderAddresseeAndText_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("entry");
        const QString stamp = QStringLiteral("05-24-2002 - 21:04:09 | From: ");
        QTest::newRow("short call padded to nine")
            << "N1ABC"
            << ":PA3XYZ   :hello{1" << stamp + "N1ABC     | To: PA3XYZ    | Message: hello{1";
        QTest::newRow("eight characters and the blank before To")
            << "N1ABC-12"
            << ":BLN1     :net at 8" << stamp + "N1ABC-12  | To: BLN1      | Message: net at 8";
        QTest::newRow("nine characters kept whole")
            << "PA3XYZ-15"
            << ":N1ABC    :ok" << stamp + "PA3XYZ-15  | To: N1ABC     | Message: ok";
        QTest::newRow("message number and ack kept as received")
            << "N1ABC"
            << ":N2XYZ    :ack12" << stamp + "N1ABC     | To: N2XYZ     | Message: ack12";
        QTest::newRow("trailing blanks trimmed, inner kept")
            << "N1ABC"
            << ":N2XYZ    :a  b   " << stamp + "N1ABC     | To: N2XYZ     | Message: a  b";
        QTest::newRow("empty text")
            << "N1ABC"
            << ":N2XYZ    :" << stamp + "N1ABC     | To: N2XYZ     | Message: ";
    }

    void entryHoldsDateTimeSenderAddresseeAndText() {
        QFETCH(QString, source);
        QFETCH(QString, info);
        QFETCH(QString, entry);
        MessageLog log(settings_, platform_);
        QVERIFY(log.LogAPRSMessages(header(source, QStringLiteral("RS0ISS*")), body(info)));
        QCOMPARE(log.entries(), QStringList{entry});
        QCOMPARE(log.count(), 1);
    }

    void clockIsMonthDayYearAndTwentyFourHours() {
        platform_.setNow(QDateTime(QDate(2031, 1, 2), QTime(7, 8, 9)));
        MessageLog log(settings_, platform_);
        log.LogAPRSMessages(header("N1ABC"), body(":N2XYZ    :morning"));
        platform_.setNow(QDateTime(QDate(2031, 12, 31), QTime(23, 59, 58)));
        log.LogAPRSMessages(header("N1ABC"), body(":N2XYZ    :evening"));
        QVERIFY2(log.entries()[0].startsWith("01-02-2031 - 07:08:09 | "),
                 qPrintable(log.entries()[0]));
        QVERIFY2(log.entries()[1].startsWith("12-31-2031 - 23:59:58 | "),
                 qPrintable(log.entries()[1]));
    }

    void oddInputIsHandled_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QStringList>("entries");
        const QString stamp = QStringLiteral("05-24-2002 - 21:04:09 | From: ");
        QTest::newRow("data without NUL is all message")
            << header("N1ABC") << ":N2XYZ    :no nul"
            << QStringList{stamp + "N1ABC     | To: N2XYZ     | Message: no nul"};
        QTest::newRow("NUL with fewer than four characters before it")
            << header("N1ABC") << QStringLiteral(":N2") + QChar(0)
            << QStringList{stamp + "N1ABC     | To:  | Message: "};
        QTest::newRow("info with its own line break")
            << header("N1ABC") << body(":N2XYZ    :one\r\ntwo")
            << QStringList{stamp + "N1ABC     | To: N2XYZ     | Message: one\r\ntwo"};
        QTest::newRow("header without To gives the first word")
            << "Fm N1ABC <UI >" << body(":N2XYZ    :odd")
            << QStringList{stamp + "N1ABC     | To: N2XYZ     | Message: odd"};
        QTest::newRow("short data") << header("N1ABC") << ":N2" << QStringList();
        QTest::newRow("short header") << "Fm " << body(":N2XYZ    :hi") << QStringList();
        QTest::newRow("empty") << QString() << QString() << QStringList();
    }

    void oddInputIsHandled() {
        QFETCH(QString, header);
        QFETCH(QString, data);
        QFETCH(QStringList, entries);
        MessageLog log(settings_, platform_);
        QCOMPARE(log.LogAPRSMessages(header, data), !entries.isEmpty());
        QCOMPARE(log.entries(), entries);
    }

    void onlyDigipeatedSettingNeedsTheRepeatedMark_data() {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("via");
        QTest::addColumn<bool>("logged");
        QTest::newRow("all, direct") << 0 << QString() << true;
        QTest::newRow("all, digi not repeated") << 0 << "RS0ISS" << true;
        QTest::newRow("only digipeated, direct") << 1 << QString() << false;
        QTest::newRow("only digipeated, digi not repeated") << 1 << "RS0ISS,WIDE2-1" << false;
        QTest::newRow("only digipeated, repeated") << 1 << "RS0ISS*" << true;
        QTest::newRow("only digipeated, second digi repeated") << 1 << "WIDE1-1,WIDE2-1*" << true;
    }

    void onlyDigipeatedSettingNeedsTheRepeatedMark() {
        QFETCH(int, setting);
        QFETCH(QString, via);
        QFETCH(bool, logged);
        settings_.logDigipeatedMessages = setting;
        MessageLog log(settings_, platform_);
        QCOMPARE(log.LogAPRSMessages(header("N1ABC", via), body(":N2XYZ    :hi")), logged);
        QCOMPARE(log.count(), logged ? 1 : 0);
    }

    void sameMessageIsLoggedOnce_data() {
        QTest::addColumn<QString>("firstHeader");
        QTest::addColumn<QString>("firstInfo");
        QTest::addColumn<QString>("secondHeader");
        QTest::addColumn<QString>("secondInfo");
        QTest::addColumn<int>("count");
        const QString info = QStringLiteral(":N2XYZ    :meet on 145.825{3");
        QTest::newRow("directly, then via a digipeater")
            << header("N1ABC") << info << header("N1ABC", "RS0ISS*") << info << 1;
        QTest::newRow("repeated by the sender")
            << header("N1ABC") << info << header("N1ABC") << info << 1;
        QTest::newRow("letter case and trailing blanks do not count")
            << header("N1ABC") << info << header("N1ABC")
            << QStringLiteral(":n2xyz    :MEET ON 145.825{3  ") << 1;
        QTest::newRow("another message number is another message")
            << header("N1ABC") << info << header("N1ABC")
            << QStringLiteral(":N2XYZ    :meet on 145.825{4") << 2;
        QTest::newRow("another sender") << header("N1ABC") << info << header("N1ABD") << info << 2;
        QTest::newRow("another addressee") << header("N1ABC") << info << header("N1ABC")
                                           << QStringLiteral(":N2XYZ-1  :meet on 145.825{3") << 2;
    }

    void sameMessageIsLoggedOnce() {
        QFETCH(QString, firstHeader);
        QFETCH(QString, firstInfo);
        QFETCH(QString, secondHeader);
        QFETCH(QString, secondInfo);
        QFETCH(int, count);
        MessageLog log(settings_, platform_);
        QVERIFY(log.LogAPRSMessages(firstHeader, body(firstInfo)));
        // A day later: the date is not part of what makes a message the same.
        platform_.advance(24 * 3600 * 1000);
        QCOMPARE(log.LogAPRSMessages(secondHeader, body(secondInfo)), count == 2);
        QCOMPARE(log.count(), count);
        QVERIFY(log.entries()[0].startsWith(QStringLiteral("05-24-2002")));
    }

    void countStopsAtTwoHundredAndTheNewestSlotIsReused() {
        MessageLog log(settings_, platform_);
        auto logNumber = [&](int n) {
            return log.LogAPRSMessages(header("N1ABC"),
                                       body(QStringLiteral(":N2XYZ    :msg %1").arg(n)));
        };
        for (int n = 1; n <= 200; ++n)
            QVERIFY(logNumber(n));
        QCOMPARE(log.count(), 200);
        QCOMPARE(log.entries().size(), 200);

        QVERIFY(logNumber(201));
        QCOMPARE(log.count(), 200);
        QCOMPARE(log.entries().size(), 201);
        QVERIFY(log.entries().last().endsWith(QStringLiteral("msg 201")));

        // The newest slot takes each later message; the first 200 stay as they are.
        for (int n = 202; n <= 500; ++n)
            QVERIFY(logNumber(n));
        const QStringList entries = log.entries();
        QCOMPARE(entries.size(), 201);
        QVERIFY(entries[0].endsWith(QStringLiteral("msg 1")));
        QVERIFY(entries[199].endsWith(QStringLiteral("msg 200")));
        QVERIFY(entries[200].endsWith(QStringLiteral("msg 500")));
        QCOMPARE(log.ToonMyMes(0), entries);

        // Still a duplicate while it is the newest; an older one too.
        QVERIFY(!logNumber(500));
        QVERIFY(!logNumber(7));
        QVERIFY(logNumber(499));
        QVERIFY(log.entries().last().endsWith(QStringLiteral("msg 499")));
    }

    void clearEmptiesTheLog() {
        MessageLog log(settings_, platform_);
        for (int n = 0; n < 203; ++n)
            log.LogAPRSMessages(header("N1ABC"), body(QStringLiteral(":N2XYZ    :msg %1").arg(n)));
        log.clear();
        QCOMPARE(log.count(), 0);
        QVERIFY(log.isEmpty());
        QVERIFY(log.ToonMyMes(0).isEmpty());
        // What was cleared is no longer a duplicate.
        QVERIFY(log.LogAPRSMessages(header("N1ABC"), body(QStringLiteral(":N2XYZ    :msg 202"))));
        QCOMPARE(log.entries().size(), 1);
    }

    void filtersFindTheirTextAnywhere_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("all") << 0 << QStringList{"own",      "own ssid",       "other",
                                                 "bulletin", "bulletin group", "news",
                                                 "sat",      "email",          "mentions"};
        QTest::newRow("mine") << 1 << QStringList{"own", "own ssid", "mentions"};
        QTest::newRow("bulletins") << 2 << QStringList{"bulletin", "bulletin group", "mentions"};
        QTest::newRow("news") << 3 << QStringList{"news"};
        QTest::newRow("satellite") << 4 << QStringList{"sat"};
        QTest::newRow("e-mail") << 5 << QStringList{"email"};
        QTest::newRow("unknown filter") << 6 << QStringList();
        QTest::newRow("negative filter") << -1 << QStringList();
    }

    void filtersFindTheirTextAnywhere() {
        QFETCH(int, filter);
        QFETCH(QStringList, texts);
        MessageLog log(settings_, platform_);
        const QList<std::pair<QString, QString>> messages{
            {"PA3XYZ   ", "own"},
            {"PA3XYZ-7 ", "own ssid"},
            {"N2XYZ    ", "other"},
            {"BLN1     ", "bulletin"},
            {"BLNAFUNNY", "bulletin group"},
            {"NWS-WARN ", "news"},
            {"SAT      ", "sat"},
            {"EMAIL    ", "email"},
            // Group texts in the message count as well.
            {"N2XYZ    ", "mentions to: pa3xyz and To: BLN"}};
        for (const auto& [addressee, text] : messages)
            QVERIFY(log.LogAPRSMessages(header("N1ABC"),
                                        body(QStringLiteral(":%1:%2").arg(addressee, text))));

        QStringList listed;
        for (const QString& entry : log.ToonMyMes(filter))
            listed << entry.mid(entry.indexOf(QStringLiteral("| Message: ")) + 11)
                          .section(QLatin1Char(' '), 0, 0);
        QStringList expected;
        for (const QString& text : texts)
            expected << text.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(listed, expected);
    }

    void mineUsesTheCurrentCallsign() {
        MessageLog log(settings_, platform_);
        log.LogAPRSMessages(header("N1ABC"), body(":PA3XYZ   :for the old call"));
        log.LogAPRSMessages(header("N1ABC"), body(":PA3ABC   :for the new call"));
        settings_.callsign = QStringLiteral("PA3ABC");
        QCOMPARE(log.ToonMyMes(1).size(), 1);
        QVERIFY(log.ToonMyMes(1).first().endsWith(QStringLiteral("for the new call")));
    }

    void entryParts_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("message");
        QTest::newRow("padded sender")
            << "05-24-2002 - 21:04:09 | From: N1ABC     | To: PA3XYZ    | Message: hi | there"
            << "N1ABC"
            << "05-24-2002 - 21:04:09 | From: N1ABC     | To: PA3XYZ    "
            << "| Message: hi | there";
        QTest::newRow("long sender cut at nine")
            << "05-24-2002 - 21:04:09 | From: PA3XYZ-15  | To: N1ABC     | Message: ok"
            << "PA3XYZ-15"
            << "05-24-2002 - 21:04:09 | From: PA3XYZ-15  | To: N1ABC     "
            << "| Message: ok";
        QTest::newRow("not an entry") << "anything"
                                      << ""
                                      << "anything"
                                      << "";
    }

    void entryParts() {
        QFETCH(QString, entry);
        QFETCH(QString, sender);
        QFETCH(QString, head);
        QFETCH(QString, message);
        QCOMPARE(messageSender(entry), sender);
        QCOMPARE(splitAtMessage(entry).head, head);
        QCOMPARE(splitAtMessage(entry).message, message);
    }

private:
    Settings settings_;
    FakePlatform platform_;
};

QTEST_GUILESS_MAIN(TestMessageLog)
#include "tst_messagelog.moc"
