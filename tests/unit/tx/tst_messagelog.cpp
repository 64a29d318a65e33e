// SPDX-License-Identifier: GPL-3.0-or-later
// The received APRS message log: its entries, the table limit, the view filters and buttons;
// which message lines are logged, ask for an ack, are unread and bring a notice.
#include "config/appstate.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"
#include "tx/receivedmessages.h"

#include <QSignalSpy>
#include <QTemporaryDir>
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
        state_ = AppState();
        settings_.callsign = QStringLiteral("PA3XYZ");
        platform_.setNow(QDateTime(QDate(2002, 5, 24), QTime(21, 4, 9)));
        received_.emplace(state_, platform_);
    }

    // With "only digipeated" set: a message needs a digipeater that repeated it.
    void entry_data() {
        // entry: after the stamp, "" for nothing logged
        columns<QString, QString, QString>("header", "data", "entry");
        const QString n1abc = header("N1ABC", "RS0ISS*");
        row("short call padded to nine", n1abc, body(":PA3XYZ   :hello{1"),
            "N1ABC     | To: PA3XYZ    | Message: hello{1");
        row("eight characters and the blank before To", header("N1ABC-12", "WIDE1-1,WIDE2-1*"),
            body(":BLN1     :net"), "N1ABC-12  | To: BLN1      | Message: net");
        row("nine characters kept whole", header("PA3XYZ-15", "RS0ISS*"), body(":N1ABC    :ok"),
            "PA3XYZ-15  | To: N1ABC     | Message: ok");
        row("trailing blanks trimmed, inner kept", n1abc, body(":N2XYZ    :a  b   "),
            "N1ABC     | To: N2XYZ     | Message: a  b");
        row("data without NUL is all message", n1abc, ":N2XYZ    :no nul",
            "N1ABC     | To: N2XYZ     | Message: no nul");
        row("NUL with fewer than four characters before it", n1abc,
            QStringLiteral(":N2") + QChar(0), "N1ABC     | To:  | Message: ");
        row("info with its own line break", n1abc, body(":N2XYZ    :one\r\ntwo"),
            "N1ABC     | To: N2XYZ     | Message: one\r\ntwo");
        row("header without To gives the first word", "Fm N1ABC Via RS0ISS* <UI >",
            body(":N2XYZ    :odd"), "N1ABC     | To: N2XYZ     | Message: odd");
        row("short data", n1abc, ":N2", "");
        row("short header", "Fm*", body(":N2XYZ    :hi"), "");
        row("not repeated", header("N1ABC", "RS0ISS,WIDE2-1"), body(":N2XYZ    :hi"), "");
    }

    void entry() {
        QFETCH(QString, entry);
        settings_.logDigipeatedMessages = 1;
        MessageLog log(settings_, platform_);
        QCOMPARE(log.LogAPRSMessages(fetched<QString>("header"), fetched<QString>("data")),
                 !entry.isEmpty());
        QCOMPARE(log.entries(), entry.isEmpty() ? QStringList() : QStringList{kStamp + entry});
    }

    // The newest slot takes each message after the 200th; the first 200 stay as they are.
    void countStopsAtTwoHundredAndTheNewestSlotIsReused() {
        MessageLog log(settings_, platform_);
        const auto logNumber = [&](int n) {
            return log.LogAPRSMessages(header("N1ABC"),
                                       body(":N2XYZ    :msg " + QString::number(n)));
        };
        for (int n = 1; n <= 500; ++n)
            QVERIFY(logNumber(n));
        QCOMPARE(log.count(), 200);
        QCOMPARE(log.entries().size(), 201);
        QVERIFY(log.entries()[199].endsWith("msg 200") && log.entries()[200].endsWith("msg 500"));
        // Still a duplicate while it is the newest, an older one too; cleared ones are not.
        QVERIFY(!logNumber(500) && !logNumber(7) && logNumber(499));
        log.clear();
        QVERIFY(log.isEmpty() && logNumber(7));
        QCOMPARE(log.entries().size(), 1);
    }

    // A filter finds its text anywhere in the entry; "mine" uses the callsign of the moment.
    // Then the parts of an entry the view shows.
    void filtersAndEntryParts() {
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
        QCOMPARE((QStringList{listed(0), listed(1), listed(2), listed(3), listed(4), listed(5),
                              listed(6)}),
                 (QStringList{"own ssid other bulletin group news sat email mentions new",
                              "own ssid mentions", "bulletin group mentions", "news", "sat",
                              "email", ""}));
        settings_.callsign = QStringLiteral("PA3ABC");
        QCOMPARE(listed(1), "new");
        const QString head = kStamp + "PA3XYZ-15  | To: N1ABC     ";
        QCOMPARE(messageSender(head + "| Message: ok"), "PA3XYZ-15");
        QCOMPARE(messageSender(kStamp + "N1ABC     | To: PA3XYZ    | Message: hi"), "N1ABC");
        QCOMPARE(splitAtMessage(head + "| Message: a | b").head, head);
        QCOMPARE(splitAtMessage(head + "| Message: a | b").message, "| Message: a | b");
        QCOMPARE(splitAtMessage("anything").message, "");
        QCOMPARE(messageSender("anything"), "");
    }

    // The buttons act on what the view lists; printing takes the whole log.
    void buttons() {
        MessageLog log(settings_, platform_);
        ScriptedDialogs dialogs;
        FileDialogState files;
        for (const char* nothing : {"Nothing to clear", "Nothing to print", "Nothing to save",
                                    "Please select a message first"})
            dialogs.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok, nothing);
        QVERIFY(!clearMessages(log, {}, dialogs));
        printMessages(log, {}, dialogs, platform_);
        saveMessages({}, files, dialogs);
        copySelectedMessage({}, dialogs, platform_);
        QVERIFY(platform_.printed.isEmpty() && platform_.clipboard.isEmpty());

        log.LogAPRSMessages(header("N1ABC"), body(":PA3XYZ   :one"));
        log.LogAPRSMessages(header("N2DEF"), body(":BLN2     :two"));
        const QString one = kStamp + "N1ABC     | To: PA3XYZ    | Message: one";
        const QString two = kStamp + "N2DEF     | To: BLN2      | Message: two";
        QTemporaryDir dir;
        dialogs.expectSaveFile(dir.filePath("m.txt"));
        saveMessages({two, one}, files, dialogs);
        QCOMPARE(dialogs.shown.last().defaultText, "ZENO_APRS_Messages001.txt");
        QFile saved(dir.filePath("m.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), (two + "\r\n" + one + "\r\n").toLatin1());

        const QString print = "Do you want to print the received APRS messages?";
        dialogs.expectMessage("Print", MsgAnswer::No, print).expectMessage("Print", MsgAnswer::Yes);
        printMessages(log, {one}, dialogs, platform_);
        printMessages(log, {one}, dialogs, platform_);
        QCOMPARE(platform_.printed.size(), 1);
        QCOMPARE(platform_.printed.first().text,
                 "ZENO 3.0.1\r\n\r\n" + one + "\r\n" + two + "\r\n");
        platform_.setPrinterReady(false);
        dialogs.expectMessage("Print", MsgAnswer::Yes)
            .expectMessage("Print error", MsgAnswer::Ok, "Printer not ready");
        printMessages(log, {one}, dialogs, platform_);

        const QString clear = "Do you want remove all the received APRS messages?";
        dialogs.expectMessage("Clear All", MsgAnswer::No, clear)
            .expectMessage("Clear All", MsgAnswer::Yes);
        QVERIFY(!clearMessages(log, {one}, dialogs));
        QVERIFY(clearMessages(log, {one}, dialogs) && log.isEmpty());
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n')));
    }

    // "line" is heard "after" seconds after "hello" came direct (-1: alone); ack and notice are
    // the line's own, unread and logged count both.
    void receivedLine_data() {
        columns<int, QString, bool, QString, QString, int, int>("after", "line", "acking", "ack",
                                                                "notice", "unread", "logged");
        const QString hello = QStringLiteral("N2BBB>:PA3XYZ   :hello{42");
        const QString ack42 = QStringLiteral(":N2BBB    :ack42");
        const QString notice = QStringLiteral("Message from N2BBB: hello");
        const int day = 24 * 3600;
        row("numbered, for us", -1, hello, true, ack42, notice, 1, 1);
        row("acknowledging off", -1, hello, false, "", notice, 1, 1);
        row("a number in braces", -1, "N2BBB>:PA3XYZ   :hi{AB1}", true, ":N2BBB    :ackAB1",
            "Message from N2BBB: hi", 1, 1);
        row("our call with an SSID", -1, "N2BBB>:PA3XYZ-7 :hi{3", true, "",
            "Message from N2BBB: hi", 1, 1);
        row("a bulletin", -1, "N2BBB>:BLN1     :net", true, "", "", 0, 1);
        row("for another station", -1, "N2BBB>:N0CALL   :hi{3", true, "", "", 0, 1);
        row("an ack", -1, "N2BBB>:PA3XYZ   :ack5", true, "", "", 0, 1);
        row("a numbered ack", -1, "N2BBB>:PA3XYZ   :ack7{3", true, "", "", 0, 1);
        row("from ourselves", -1, "PA3XYZ>:PA3XYZ   :note{5", true, "", "", 0, 1);
        row("the digipeated copy", 3, hello, true, "", "", 1, 1);
        row("the same number a minute later", 60, "N2BBB>:PA3XYZ   :hello again{42", true, ack42,
            "", 1, 2);
        row("the same number after half an hour", 31 * 60, "N2BBB>:pa3xyz   :hello again{42", true,
            ack42, "Message from N2BBB: hello again", 2, 2);
        row("another station, same number", 3, "N3CCC>:PA3XYZ   :hello{42", true,
            ":N3CCC    :ack42", "Message from N3CCC: hello", 2, 2);
        // The date, letter case and trailing blanks do not make a message another one.
        row("a day later in capitals", day, "N2BBB>:pa3xyz   :HELLO{42  ", true, ack42, "", 1, 1);
        row("another message number", day, "N2BBB>:PA3XYZ   :hello{43", true, ":N2BBB    :ack43",
            notice, 2, 2);
        row("another addressee", day, "N2BBB>:N2XYZ    :hello{42", true, "", "", 1, 2);
    }

    void receivedLine() {
        state_.engine.acknowledgeMessages = fetched<bool>("acking");
        if (fetched<int>("after") >= 0) {
            hear("N2BBB>:PA3XYZ   :hello{42");
            platform_.advance(fetched<int>("after") * 1000);
        }
        QSignalSpy acks(&*received_, &ReceivedMessages::ackDue);
        QSignalSpy notices(&*received_, &ReceivedMessages::messageForMe);
        hear(fetched<QString>("line"), "RS0ISS*");
        QTEST(acks.isEmpty() ? QString() : acks.first().first().toString(), "ack");
        QTEST(notices.isEmpty() ? QString() : notices.first().first().toString(), "notice");
        QTEST(received_->unread(), "unread");
        QTEST(received_->log().count(), "logged");
    }

    // Reading marks everything read and keeps what comes meanwhile read; an ack from its
    // addressee marks our own message.
    void readingAndOurAcks() {
        ReceivedMessages& received = *received_;
        QSignalSpy unread(&received, &ReceivedMessages::unreadChanged);
        QSignalSpy acked(&received, &ReceivedMessages::ownMessageAcknowledged);
        hear("N2BBB>:PA3XYZ   :one");
        received.setReading(true);
        hear("N2BBB>:PA3XYZ   :two");
        received.setReading(false);
        QCOMPARE(unread, (QList<QVariantList>{{1}, {0}}));

        received.rememberOwnMessage("N2BBB", "7");
        hear("PA3XYZ>:N2BBB    :hi{7");
        const QString ours = received.log().entries().last();
        hear("N3CCC>:PA3XYZ   :ack7");  // not its addressee
        QVERIFY(acked.isEmpty() && !received.isAcknowledged(ours));
        hear("N2BBB>:PA3XYZ   :ack7");
        QCOMPARE(acked.size(), 1);
        QVERIFY(received.isAcknowledged(ours));
        QVERIFY(!received.isAcknowledged(received.log().entries().first()));
    }

private:
    // A line "N2BBB>:PA3XYZ   :hello{42": the sender, then the information field.
    void hear(const QString& line, const QString& via = QString()) {
        received_->LogAPRSMessages(header(line.section('>', 0, 0), via),
                                   body(line.section('>', 1)));
    }

    AppState state_;
    Settings& settings_ = state_.settings;
    FakePlatform platform_;
    std::optional<ReceivedMessages> received_;
};

QTEST_GUILESS_MAIN(TestMessageLog)
#include "tst_messagelog.moc"
