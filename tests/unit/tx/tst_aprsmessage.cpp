// APRS message fields, the heard list as frames, message numbers and acknowledgements.

#include "support/testrows.h"
#include "tx/aprsmessage.h"
#include "tx/messageacks.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestAprsMessage : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void addresseeIsNineWide() {
        QCOMPARE(messageInformation("CQ", "  a@b.c hi  "), ":CQ       :  a@b.c hi  ");
        QCOMPARE(messageInformation("PA3XYZ-12", "hi"), ":PA3XYZ-12:hi");
        QCOMPARE(messageInformation(" BLN1   ", "x"), ": BLN1    :x");  // trailing blanks go
        QCOMPARE(messageInformation("BLN0QSLSXYZ", "x"), ":BLN0QSLSX:x");
    }

    void heardListGroups_data() {
        columns<QStringList, bool, QString, QStringList>("entries", "bulletin", "tag", "texts");
        const QString tag = QStringLiteral("{ZENO30}");
        row("example", QStringList{"N0CALL", "PA3XYZ", " N0CALL-7 "}, false, tag,
            QStringList{"Heard:N0CALL,N0CALL-7,{ZENO30}"});
        row("own call only", QStringList{"PA3XYZ"}, true, tag, QStringList{});
        row("bulletin with the tag off ends in a comma", QStringList{"N0CALL"}, true, QString(),
            QStringList{":BLN0QSLs :N0CALL,"});

        // Eight characters and a comma each: the 8th call brings the group to 72.
        QStringList twelve;
        for (int i = 0; i < 12; ++i)
            twelve << QStringLiteral("PB%1ABC-%2").arg(i % 10).arg(1 + i / 10);
        const QStringList firstEight = twelve.mid(0, 8);
        row("twelve calls in two frames", twelve, true, tag,
            QStringList{":BLN0QSLs :" + firstEight.join(',') + ',',
                        ":BLN0QSLs :" + twelve.mid(8).join(',') + ",{ZENO30}"});

        const QStringList four(4, QStringLiteral("AAAAAAAAAA-1"));  // 13 with the comma
        const QString first = "Heard:" + four.join(',');
        row("65 closes the group", four + QStringList{"BBBBBBBBBB-1", "C"}, false, QString(),
            QStringList{first + ",BBBBBBBBBB-1,", "Heard:C,"});
        row("64 does not", four + QStringList{"BBBBBBBBB-1", "C"}, false, QString(),
            QStringList{first + ",BBBBBBBBB-1,C,"});
    }

    void heardListGroups() {
        QFETCH(QStringList, entries);
        QFETCH(bool, bulletin);
        QFETCH(QString, tag);
        QFETCH(QStringList, texts);
        QCOMPARE(heardListTexts(entries, QStringLiteral(" PA3XYZ "), bulletin, tag), texts);
    }

    void parts_data() {
        columns<QString, QStringList>("data", "parts");  // addressee, text, number, acked
        const QString tick = QStringLiteral("\r\n\r\n") + QChar(0);  // as the poll tick has it
        row("numbered", ":N1AAA    :see you{42" + tick, QStringList{"N1AAA", "see you", "42", ""});
        row("reply-ack style", QStringLiteral(":N1AAA-7  :hi{AB1}"),
            QStringList{"N1AAA-7", "hi", "AB1", ""});
        row("an ack", QStringLiteral(":N1AAA    :ack42"), QStringList{"N1AAA", "ack42", "", "42"});
    }

    void parts() {
        QFETCH(QString, data);
        QFETCH(QStringList, parts);
        const AprsMessageParts p = aprsMessageParts(data);
        QCOMPARE((QStringList{p.addressee, p.text, p.number, acknowledgedNumber(p.text)}), parts);
    }

    // Every copy is answered except one heard again within seconds; within 30 minutes the
    // same number is a repeat.
    void acksForUs() {
        const struct {
            const char *sender, *info;
            int second;
            const char* ack;
            bool repeat;
        } heard[] = {
            {"N2BBB", ":N1AAA    :hi{42", 0, ":N2BBB    :ack42", false},
            {"N2BBB", ":N1AAA    :hi{42", 3, "", true},  // the digipeated copy
            {"N2BBB", ":N1AAA    :hi{42", 60, ":N2BBB    :ack42", true},
            {"N2BBB", ":n1aaa    :hi{42", 31 * 60, ":N2BBB    :ack42", false},
            {"N3CCC", ":N1AAA    :hi{42", 31 * 60, ":N3CCC    :ack42", false},
            {"N3CCC", ":N1AAA-7  :hi{1", 0, "", false},  // another SSID is another station
            {"N3CCC", ":N1AAA    :ack7{3", 0, "", false},
            {"N1AAA", ":N1AAA    :to myself{5", 0, "", false},
        };
        MessageAcks acks;
        const QDateTime start(QDate(2024, 5, 1), QTime(12, 0));
        for (const auto& h : heard) {
            const auto answer =
                acks.take(h.sender, aprsMessageParts(h.info), "N1AAA", start.addSecs(h.second));
            QCOMPARE(answer.ack, QString::fromLatin1(h.ack));
            QCOMPARE(answer.repeat, h.repeat);
        }
    }

    void ownNumbersCountAcrossRuns() {
        QVERIFY(takesMessageNumber(" n2bbb") && !takesMessageNumber("BLN1") &&
                !takesMessageNumber("NWS-WARN"));
        QTemporaryDir dir;
        QCOMPARE(MessageNumberStore(dir.path()).next(), 1);
        QCOMPARE(MessageNumberStore(dir.path()).next(), 2);
        QFile file(dir.filePath("msgnumber.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("99999\r\n") && file.flush());
        QCOMPARE(MessageNumberStore(dir.path()).next(), 1);
    }

    void ackMarksOurMessage() {
        OwnMessages own;
        own.sent("N2BBB", "7");
        QVERIFY(!own.acknowledge("N3CCC", "7"));
        const QString entry =
            "05-01-2024 - 12:00:00 | From: N1AAA     | To: N2BBB     | Message: hi{7";
        QVERIFY(!isAcknowledgedEntry(entry, "N1AAA", own));
        QVERIFY(own.acknowledge("n2bbb", "7"));
        QVERIFY(isAcknowledgedEntry(entry, "N1AAA", own));
        QVERIFY(!isAcknowledgedEntry(QString(entry).replace("{7", "{8"), "N1AAA", own));
    }
};

QTEST_GUILESS_MAIN(TestAprsMessage)
#include "tst_aprsmessage.moc"
