// The heard stations list: who is added, the 350 remembered calls, copy, save and clear.
#include "monitor/heardlist.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QString header(const QString& call) {
    return QStringLiteral("Fm %1 To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]").arg(call);
}

}  // namespace

class HeardListTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void firstHeardOrderWithoutDuplicates() {
        HeardList list;
        QStringList added;
        for (const QString& line :
             {header("PA3XYZ"), header("N0CALL"), header("PA3XYZ"), header("N0CALL-7"),
              header("n0call"), QStringLiteral("fM N0CALL To CQ"),
              // No blank within the 10 characters taken: those 10 characters are the call.
              header("ABCDEFGHIJKLMNOP"), QStringLiteral("Fm AB"),
              // Not a sender: connected data, nothing after "Fm".
              QString(), QStringLiteral("Fm  To CQ"), QStringLiteral("Fm")}) {
            if (const auto call = list.update(line))
                added << *call;
        }
        // Letter case and SSID make a different station.
        const QStringList expected{"PA3XYZ", "N0CALL", "N0CALL-7", "n0call", "ABCDEFGHIJ", "AB"};
        QCOMPARE(added, expected);
        QCOMPARE(list.entries(), expected);
        QCOMPARE(list.HeardCount(), 6);
    }

    void callsBeyond350() {
        const auto nthCall = [](int n) {
            return QStringLiteral("N%1AB").arg(n, 4, 10, QChar('0'));
        };
        HeardList list;
        for (int n = 0; n < 350; ++n)
            QVERIFY(list.update(header(nthCall(n))));
        QVERIFY(!list.update(header(nthCall(349))));
        // The 351st call takes slot 350; the count stays and the list grows.
        QVERIFY(list.update(header("LATE1")));
        QCOMPARE(list.HeardCount(), 350);
        QVERIFY(!list.update(header("LATE1")));
        // The next new call overwrites it, so the one before is forgotten and listed again.
        QVERIFY(list.update(header("LATE2")));
        QVERIFY(list.update(header("LATE1")));
        QVERIFY(!list.update(header(nthCall(200))));  // the first 350 are still remembered
        QCOMPARE(list.entries().mid(349), (QStringList{nthCall(349), "LATE1", "LATE2", "LATE1"}));
    }

    void copySaveAndClear() {
        HeardList list;
        ScriptedDialogs dialogs;
        FakePlatform platform;
        platform.clipboard = QStringLiteral("keep me");
        dialogs.expectMessage(QStringLiteral("Empty MHeard List"), MsgAnswer::Ok,
                              QStringLiteral("No heard list to copy to clipboard"));
        QVERIFY(!copyHeardList(list, dialogs, platform));
        QCOMPARE(platform.clipboard, QStringLiteral("keep me"));
        dialogs.expectMessage(QStringLiteral("Clear Heard List"), MsgAnswer::Ok,
                              QStringLiteral("No stations heard. Nothing to clear"));
        QVERIFY(!clearHeardList(list, dialogs));
        QCOMPARE(list.saveText(), QStringLiteral("\r\n"));

        list.update(header("QZ9ZZZ"));
        list.update(header("N0CALL-7"));
        QVERIFY(copyHeardList(list, dialogs, platform));
        QCOMPARE(platform.clipboard, QStringLiteral("QZ9ZZZ,N0CALL-7,"));
        QCOMPARE(list.saveText(), QStringLiteral("QZ9ZZZ\r\nN0CALL-7\r\n\r\n"));

        const QString question = QStringLiteral("Do you want to erase the Heard Stations List?");
        dialogs.expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::No, question);
        QVERIFY(!clearHeardList(list, dialogs));
        QCOMPARE(list.entries().size(), 2);
        dialogs.expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::Yes, question);
        QVERIFY(clearHeardList(list, dialogs));
        QVERIFY(list.entries().isEmpty());
        QCOMPARE(list.HeardCount(), 0);
        QVERIFY(list.update(header("QZ9ZZZ")));  // forgotten calls are new again
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n')));
        QCOMPARE(dialogs.shown.at(0).icon, MsgIcon::Exclamation);
        QCOMPARE(dialogs.shown.at(1).icon, MsgIcon::Information);
        QCOMPARE(dialogs.shown.at(2).buttons, MsgButtons::YesNo);
    }
};

QTEST_APPLESS_MAIN(HeardListTest)
#include "tst_heardlist.moc"
