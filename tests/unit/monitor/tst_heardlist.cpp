// The heard stations list: who is added, the 350 remembered calls, copy, save and clear.
#include "monitor/heardlist.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

Q_DECLARE_METATYPE(zeno::MsgAnswer)

namespace {

QString header(const QString& call) {
    return QStringLiteral("Fm %1 To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]").arg(call);
}

QString nthCall(int n) {
    return QStringLiteral("N%1AB").arg(n, 4, 10, QLatin1Char('0'));
}

}  // namespace

class HeardListTest : public QObject {
    Q_OBJECT

private slots:
    void sender_data();
    void sender();
    void onlyMonitorHeadersCount_data();
    void onlyMonitorHeadersCount();
    void firstHeardOrderWithoutDuplicates();
    void callsBeyond350();
    void copyText();
    void copyAnEmptyList();
    void saveText();
    void clear_data();
    void clear();
};

void HeardListTest::sender_data() {
    QTest::addColumn<QString>("headerLine");
    QTest::addColumn<QString>("call");
    QTest::newRow("plain") << header("N0CALL") << "N0CALL";
    QTest::newRow("SSID") << header("N0CALL-7") << "N0CALL-7";
    QTest::newRow("longest call from the air") << header("N0CALL-15") << "N0CALL-15";
    // No blank within the 10 characters taken: those 10 characters are the call.
    QTest::newRow("10 characters") << header("ABCDEFGHIJ") << "ABCDEFGHIJ";
    QTest::newRow("longer than 10") << header("ABCDEFGHIJKLMNOP") << "ABCDEFGHIJ";
    QTest::newRow("short header") << "Fm AB"
                                  << "AB";
    QTest::newRow("header of Fm alone") << "Fm"
                                        << "";
}

void HeardListTest::sender() {
    QFETCH(QString, headerLine);
    QFETCH(QString, call);
    QCOMPARE(HeardList::senderOf(headerLine), call);
}

void HeardListTest::onlyMonitorHeadersCount_data() {
    QTest::addColumn<QString>("headerLine");
    QTest::addColumn<bool>("added");
    QTest::newRow("Fm") << header("N0CALL") << true;
    QTest::newRow("fm in any case") << "fM N0CALL To CQ" << true;
    QTest::newRow("empty: connected data") << "" << false;
    QTest::newRow("no call after Fm") << "Fm  To CQ" << false;
}

void HeardListTest::onlyMonitorHeadersCount() {
    QFETCH(QString, headerLine);
    QFETCH(bool, added);
    HeardList list;
    QCOMPARE(list.update(headerLine).has_value(), added);
    QCOMPARE(list.HeardCount(), added ? 1 : 0);
}

void HeardListTest::firstHeardOrderWithoutDuplicates() {
    HeardList list;
    const QStringList heard{"PA3XYZ", "N0CALL", "PA3XYZ", "N0CALL-7",
                            "n0call", "N0CALL", "DL1ABC", "PA3XYZ"};
    QStringList added;
    for (const QString& call : heard) {
        if (const auto call2 = list.update(header(call)))
            added << *call2;
    }
    // Letter case and SSID make a different station.
    const QStringList expected{"PA3XYZ", "N0CALL", "N0CALL-7", "n0call", "DL1ABC"};
    QCOMPARE(added, expected);
    QCOMPARE(list.entries(), expected);
    QCOMPARE(list.HeardCount(), 5);
    QCOMPARE(list.HeardCalls(4), QStringLiteral("DL1ABC"));
    QCOMPARE(list.HeardCalls(5), QString());
}

void HeardListTest::callsBeyond350() {
    HeardList list;
    for (int n = 0; n < 350; ++n)
        QVERIFY(list.update(header(nthCall(n))));
    QCOMPARE(list.HeardCount(), 350);
    QVERIFY(!list.update(header(nthCall(0))));
    QVERIFY(!list.update(header(nthCall(349))));

    // The 351st call takes slot 350; the count stays and the list grows.
    QVERIFY(list.update(header("LATE1")));
    QCOMPARE(list.HeardCount(), 350);
    QCOMPARE(list.HeardCalls(350), QStringLiteral("LATE1"));
    QVERIFY(!list.update(header("LATE1")));

    // The next new call overwrites it, so the one before is forgotten and listed again.
    QVERIFY(list.update(header("LATE2")));
    QCOMPARE(list.HeardCalls(350), QStringLiteral("LATE2"));
    QVERIFY(list.update(header("LATE1")));
    QVERIFY(!list.update(header(nthCall(200))));  // the first 350 are still remembered
    QCOMPARE(list.entries().size(), 353);
    QCOMPARE(list.entries().mid(350), (QStringList{"LATE1", "LATE2", "LATE1"}));
}

void HeardListTest::copyText() {
    HeardList list;
    ScriptedDialogs dialogs;
    FakePlatform platform;
    list.update(header("QZ9ZZZ"));
    QVERIFY(copyHeardList(list, dialogs, platform));
    QCOMPARE(platform.clipboard, QStringLiteral("QZ9ZZZ,"));
    list.update(header("N0CALL-7"));
    QVERIFY(copyHeardList(list, dialogs, platform));
    QCOMPARE(platform.clipboard, QStringLiteral("QZ9ZZZ,N0CALL-7,"));
    QVERIFY(dialogs.shown.isEmpty());
}

void HeardListTest::copyAnEmptyList() {
    HeardList list;
    ScriptedDialogs dialogs;
    FakePlatform platform;
    platform.clipboard = QStringLiteral("keep me");
    dialogs.expectMessage(QStringLiteral("Empty MHeard List"), MsgAnswer::Ok,
                          QStringLiteral("No heard list to copy to clipboard"));
    QVERIFY(!copyHeardList(list, dialogs, platform));
    QCOMPARE(platform.clipboard, QStringLiteral("keep me"));
    QCOMPARE(dialogs.shown.first().icon, MsgIcon::Exclamation);
    QVERIFY(dialogs.problems().isEmpty());
}

void HeardListTest::saveText() {
    HeardList list;
    QCOMPARE(list.saveText(), QStringLiteral("\r\n"));
    list.update(header("PA3XYZ"));
    list.update(header("N0CALL-7"));
    QCOMPARE(list.saveText(), QStringLiteral("PA3XYZ\r\nN0CALL-7\r\n\r\n"));
}

void HeardListTest::clear_data() {
    QTest::addColumn<bool>("filled");
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("Yes") << true << MsgAnswer::Yes << true;
    QTest::newRow("No") << true << MsgAnswer::No << false;
    QTest::newRow("empty list: a notice, no question") << false << MsgAnswer::Ok << false;
}

void HeardListTest::clear() {
    QFETCH(bool, filled);
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, cleared);
    HeardList list;
    ScriptedDialogs dialogs;
    if (filled) {
        list.update(header("PA3XYZ"));
        list.update(header("N0CALL"));
        dialogs.expectMessage(QStringLiteral("Clear MHeard List"), answer,
                              QStringLiteral("Do you want to erase the Heard Stations List?"));
    } else {
        dialogs.expectMessage(QStringLiteral("Clear Heard List"), MsgAnswer::Ok,
                              QStringLiteral("No stations heard. Nothing to clear"));
    }
    QCOMPARE(clearHeardList(list, dialogs), cleared);
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n')));
    QCOMPARE(dialogs.shown.first().buttons, filled ? MsgButtons::YesNo : MsgButtons::Ok);
    if (!filled)
        QCOMPARE(dialogs.shown.first().icon, MsgIcon::Information);
    QCOMPARE(list.HeardCount(), cleared || !filled ? 0 : 2);
    QCOMPARE(list.entries().size(), cleared || !filled ? 0 : 2);
    if (cleared) {
        // Forgotten calls are new again.
        QVERIFY(list.update(header("PA3XYZ")));
        QCOMPARE(list.HeardCalls(0), QStringLiteral("PA3XYZ"));
    }
}

QTEST_APPLESS_MAIN(HeardListTest)
#include "tst_heardlist.moc"
