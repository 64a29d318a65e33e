// The received APRS message log: what an entry looks like, which frames are logged, the
// duplicate rule, the table limit and the view filters.
#include "config/settings.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"
#include "tx/messagelog.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kStamp = QStringLiteral("05-24-2002 - 21:04:09 | From: ");

// The body as the poll tick hands it over: CR LF line ends, then the engine's NUL.
QString body(const QString& info) { return info + QStringLiteral("\r\n\r\n") + QChar(0); }

QString header(const QString& source, const QString& via = QString()) {
    return "Fm " + source + " To APZ123" + (via.isEmpty() ? QString() : " Via " + via) +
           " <UI pid=F0 Len=20 >[21:04:09]";
}

}  // namespace

class TestMessageLog : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        settings_ = Settings();
        settings_.callsign = QStringLiteral("PA3XYZ");
        platform_.setNow(QDateTime(QDate(2002, 5, 24), QTime(21, 4, 9)));
    }

    void entry_data() {
        columns<QString, QString, QString>("header", "data", "entry");  // "" for nothing logged
        const auto row = [](const char* name, const QString& header, const QString& data,
                            const QString& entry) {
            test::row(name, header, data, entry.isEmpty() ? entry : kStamp + entry);
        };
        const QString n1abc = header("N1ABC", "RS0ISS*");
        row("short call padded to nine", n1abc, body(":PA3XYZ   :hello{1"),
            "N1ABC     | To: PA3XYZ    | Message: hello{1");
        row("eight characters and the blank before To", header("N1ABC-12"), body(":BLN1     :net"),
            "N1ABC-12  | To: BLN1      | Message: net");
        row("nine characters kept whole", header("PA3XYZ-15"), body(":N1ABC    :ok"),
            "PA3XYZ-15  | To: N1ABC     | Message: ok");
        row("trailing blanks trimmed, inner kept", n1abc, body(":N2XYZ    :a  b   "),
            "N1ABC     | To: N2XYZ     | Message: a  b");
        row("data without NUL is all message", n1abc, ":N2XYZ    :no nul",
            "N1ABC     | To: N2XYZ     | Message: no nul");
        row("NUL with fewer than four characters before it", n1abc,
            QStringLiteral(":N2") + QChar(0), "N1ABC     | To:  | Message: ");
        row("info with its own line break", n1abc, body(":N2XYZ    :one\r\ntwo"),
            "N1ABC     | To: N2XYZ     | Message: one\r\ntwo");
        row("header without To gives the first word", "Fm N1ABC <UI >", body(":N2XYZ    :odd"),
            "N1ABC     | To: N2XYZ     | Message: odd");
        row("short data", n1abc, ":N2", "");
        row("short header", "Fm ", body(":N2XYZ    :hi"), "");
    }

    void entry() {
        QFETCH(QString, entry);
        MessageLog log(settings_, platform_);
        QCOMPARE(log.LogAPRSMessages(fetched<QString>("header"), fetched<QString>("data")),
                 !entry.isEmpty());
        QCOMPARE(log.entries(), entry.isEmpty() ? QStringList() : QStringList{entry});
    }

    // With "only digipeated" set, a message needs a digipeater that repeated it.
    void onlyDigipeatedSetting() {
        const auto logged = [&](int setting, const QString& via) {
            settings_.logDigipeatedMessages = setting;
            return MessageLog(settings_, platform_)
                .LogAPRSMessages(header("N1ABC", via), body(":N2XYZ    :hi"));
        };
        QVERIFY(logged(0, "RS0ISS"));
        QVERIFY(!logged(1, "RS0ISS,WIDE2-1"));
        QVERIFY(logged(1, "WIDE1-1,WIDE2-1*"));
    }

    void sameMessageIsLoggedOnce_data() {
        columns<QString, QString, int>("secondHeader", "secondInfo", "count");
        const QString info = QStringLiteral(":N2XYZ    :meet on 145.825{3");
        test::row("directly, then via a digipeater", header("N1ABC", "RS0ISS*"), info, 1);
        test::row("letter case and trailing blanks do not count", header("N1ABC"),
                  ":n2xyz    :MEET ON 145.825{3  ", 1);
        test::row("another message number", header("N1ABC"), info.chopped(1) + "4", 2);
        test::row("another addressee", header("N1ABC"), ":N2XYZ-1  :meet on 145.825{3", 2);
    }

    void sameMessageIsLoggedOnce() {
        QFETCH(int, count);
        MessageLog log(settings_, platform_);
        QVERIFY(log.LogAPRSMessages(header("N1ABC"), body(":N2XYZ    :meet on 145.825{3")));
        // A day later: the date is not part of what makes a message the same.
        platform_.advance(24 * 3600 * 1000);
        QCOMPARE(log.LogAPRSMessages(fetched<QString>("secondHeader"),
                                     body(fetched<QString>("secondInfo"))),
                 count == 2);
        QCOMPARE(log.count(), count);
    }

    void countStopsAtTwoHundredAndTheNewestSlotIsReused() {
        MessageLog log(settings_, platform_);
        const auto logNumber = [&](int n) {
            return log.LogAPRSMessages(header("N1ABC"),
                                       body(QStringLiteral(":N2XYZ    :msg %1").arg(n)));
        };
        for (int n = 1; n <= 201; ++n)
            QVERIFY(logNumber(n));
        QCOMPARE(log.count(), 200);
        QCOMPARE(log.entries().size(), 201);
        // The newest slot takes each later message; the first 200 stay as they are.
        for (int n = 202; n <= 500; ++n)
            QVERIFY(logNumber(n));
        const QStringList entries = log.entries();
        QVERIFY(entries[199].endsWith(QStringLiteral("msg 200")));
        QVERIFY(entries.at(200).endsWith(QStringLiteral("msg 500")));
        // Still a duplicate while it is the newest; an older one too.
        QVERIFY(!logNumber(500));
        QVERIFY(!logNumber(7));
        QVERIFY(logNumber(499));

        log.clear();
        QVERIFY(log.isEmpty());
        QVERIFY(logNumber(7));  // what was cleared is no longer a duplicate
        QCOMPARE(log.entries().size(), 1);
    }

    // A filter finds its text anywhere in the entry; "mine" uses the callsign of the moment.
    void filters() {
        MessageLog log(settings_, platform_);
        for (const char* info :
             {":PA3XYZ   :own", ":PA3XYZ-7 :ssid", ":N2XYZ    :other", ":BLN1     :bulletin",
              ":BLNAFUNNY:group", ":NWS-WARN :news", ":SAT      :sat", ":EMAIL    :email",
              ":N2XYZ    :mentions to: pa3xyz and To: BLN", ":PA3ABC   :new"})
            QVERIFY(log.LogAPRSMessages(header("N1ABC"), body(info)));
        const auto listed = [&](int filter) {  // the first words of the messages listed
            QStringList words;
            for (const QString& entry : log.ToonMyMes(filter))
                words << entry.section(QStringLiteral("| Message: "), 1).section(' ', 0, 0);
            return words.join(' ');
        };
        QCOMPARE(listed(0), "own ssid other bulletin group news sat email mentions new");
        QCOMPARE(listed(1), "own ssid mentions");
        QCOMPARE(listed(2), "bulletin group mentions");
        QCOMPARE(listed(3), "news");
        QCOMPARE(listed(4), "sat");
        QCOMPARE(listed(5), "email");
        QCOMPARE(listed(6), "");
        settings_.callsign = QStringLiteral("PA3ABC");
        QCOMPARE(listed(1), "new");
    }

    void entryParts() {
        const QString head = kStamp + "PA3XYZ-15  | To: N1ABC     ";
        QCOMPARE(messageSender(head + "| Message: ok"), "PA3XYZ-15");
        QCOMPARE(messageSender(kStamp + "N1ABC     | To: PA3XYZ    | Message: hi"), "N1ABC");
        QCOMPARE(splitAtMessage(head + "| Message: a | b").head, head);
        QCOMPARE(splitAtMessage(head + "| Message: a | b").message, "| Message: a | b");
        QCOMPARE(splitAtMessage("anything").message, "");
        QCOMPARE(messageSender("anything"), "");
    }

private:
    Settings settings_;
    FakePlatform platform_;
};

QTEST_GUILESS_MAIN(TestMessageLog)
#include "tst_messagelog.moc"
