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

}  // namespace

class HeardListTest : public QObject {
    Q_OBJECT

private slots:
    void firstHeardOrderWithoutDuplicates() {
        HeardList list;
        QStringList added;
        for (const QString& line :
             {header("PA3XYZ"), header("N0CALL"), header("PA3XYZ"), header("N0CALL-7"),
              header("n0call"), header("N0CALL-15"), QStringLiteral("fM N0CALL To CQ"),
              // No blank within the 10 characters taken: those 10 characters are the call.
              header("ABCDEFGHIJKLMNOP"), QStringLiteral("Fm AB"),
              // Not a sender: connected data, nothing after "Fm".
              QString(), QStringLiteral("Fm  To CQ"), QStringLiteral("Fm")}) {
            if (const auto call = list.update(line))
                added << *call;
        }
        // Letter case and SSID make a different station.
        const QStringList expected{"PA3XYZ",    "N0CALL",     "N0CALL-7", "n0call",
                                   "N0CALL-15", "ABCDEFGHIJ", "AB"};
        QCOMPARE(added, expected);
        QCOMPARE(list.entries(), expected);
        QCOMPARE(list.HeardCount(), 7);
    }

    void callsBeyond350() {
        const auto nthCall = [](int n) {
            return QStringLiteral("N%1AB").arg(n, 4, 10, QChar('0'));
        };
        HeardList list;
        for (int n = 0; n < 350; ++n)
            QVERIFY(list.update(header(nthCall(n))));
        QVERIFY(!list.update(header(nthCall(0))));
        QVERIFY(!list.update(header(nthCall(349))));

        // The 351st call takes slot 350; the count stays and the list grows.
        QVERIFY(list.update(header("LATE1")));
        QCOMPARE(list.HeardCount(), 350);
        QVERIFY(!list.update(header("LATE1")));

        // The next new call overwrites it, so the one before is forgotten and listed again.
        QVERIFY(list.update(header("LATE2")));
        QCOMPARE(list.HeardCalls(350), QStringLiteral("LATE2"));
        QVERIFY(list.update(header("LATE1")));
        QVERIFY(!list.update(header(nthCall(200))));  // the first 350 are still remembered
        QCOMPARE(list.entries().size(), 353);
        QCOMPARE(list.entries().mid(350), (QStringList{"LATE1", "LATE2", "LATE1"}));
    }

    void copyAndSaveText() {
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
        QCOMPARE(list.saveText(), QStringLiteral("\r\n"));

        list.update(header("QZ9ZZZ"));
        QVERIFY(copyHeardList(list, dialogs, platform));
        QCOMPARE(platform.clipboard, QStringLiteral("QZ9ZZZ,"));
        list.update(header("N0CALL-7"));
        QVERIFY(copyHeardList(list, dialogs, platform));
        QCOMPARE(platform.clipboard, QStringLiteral("QZ9ZZZ,N0CALL-7,"));
        QCOMPARE(list.saveText(), QStringLiteral("QZ9ZZZ\r\nN0CALL-7\r\n\r\n"));
        QCOMPARE(dialogs.shown.size(), 1);
    }

    void clear_data() {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("Yes") << true << MsgAnswer::Yes;
        QTest::newRow("No") << true << MsgAnswer::No;
        QTest::newRow("empty list: a notice, no question") << false << MsgAnswer::Ok;
    }

    void clear() {
        QFETCH(bool, filled);
        QFETCH(MsgAnswer, answer);
        const bool cleared = answer == MsgAnswer::Yes;
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
        QCOMPARE(dialogs.shown.first().icon, filled ? MsgIcon::Question : MsgIcon::Information);
        QCOMPARE(list.entries().size(), filled && !cleared ? 2 : 0);
        QCOMPARE(list.HeardCount(), filled && !cleared ? 2 : 0);
        // Forgotten calls are new again.
        QCOMPARE(bool(list.update(header("PA3XYZ"))), !filled || cleared);
    }
};

QTEST_APPLESS_MAIN(HeardListTest)
#include "tst_heardlist.moc"
