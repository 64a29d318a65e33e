// The six history rules, as lists before and after one entry is added.

#include "tx/histories.h"

#include <QtTest>

using namespace zeno;

Q_DECLARE_METATYPE(zeno::HistoryBox)

namespace {

QStringList numbered(const QString& stem, int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << stem + QString::number(i);
    return list;
}

}  // namespace

class TestHistories : public QObject {
    Q_OBJECT

private slots:
    void addOneEntry_data() {
        QTest::addColumn<HistoryBox>("box");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("boxAfter");

        using B = HistoryBox;
        const QString tx81 = QString(80, QLatin1Char('t')) + QLatin1Char('u');
        const QString tx80 = tx81.left(80);

        // TX text: lower case and trailing blanks do not make it new; the box keeps its text.
        QTest::newRow("TX new") << B::TxData << QStringList{"a"} << "Hello "
                                << QStringList{"a", "Hello "} << "Hello ";
        QTest::newRow("TX same but case")
            << B::TxData << QStringList{"hello"} << "Hello" << QStringList{"hello"} << "Hello";
        QTest::newRow("TX same but trailing blanks")
            << B::TxData << QStringList{"hello  "} << "hello" << QStringList{"hello  "} << "hello";
        QTest::newRow("TX leading blank is new") << B::TxData << QStringList{"hello"} << " hello"
                                                 << QStringList{"hello", " hello"} << " hello";
        QTest::newRow("TX cut to 80")
            << B::TxData << QStringList{} << tx81 << QStringList{tx80} << tx80;
        QTest::newRow("TX empty never added")
            << B::TxData << QStringList{"a"} << "" << QStringList{"a"} << "";
        QTest::newRow("TX blanks are empty")
            << B::TxData << QStringList{"a"} << "   " << QStringList{"a"} << "   ";
        QTest::newRow("TX 24 takes one more") << B::TxData << numbered("t", 24) << "new"
                                              << numbered("t", 24) + QStringList{"new"} << "new";
        QTest::newRow("TX full list keeps out the new one")
            << B::TxData << numbered("t", 25) << "new" << numbered("t", 25) << "new";

        // APRS comment: trimmed, compared in lower case.
        QTest::newRow("comment trimmed") << B::AprsData << QStringList{} << "  73 all  "
                                         << QStringList{"73 all"} << "  73 all  ";
        QTest::newRow("comment same but case") << B::AprsData << QStringList{" 73 ALL"} << "73 all"
                                               << QStringList{" 73 ALL"} << "73 all";
        QTest::newRow("comment full")
            << B::AprsData << numbered("c", 25) << "new" << numbered("c", 25) << "new";

        // To: upper case, oldest gives way at 10.
        QTest::newRow("To upper case")
            << B::To << QStringList{"CQ"} << " pa3xyz " << QStringList{"CQ", "PA3XYZ"} << "PA3XYZ";
        QTest::newRow("To cq after CQ")
            << B::To << QStringList{"CQ"} << "cq" << QStringList{"CQ"} << "CQ";
        QTest::newRow("To cut to 10") << B::To << QStringList{} << "abcdefghijkl"
                                      << QStringList{"ABCDEFGHIJ"} << "ABCDEFGHIJ";
        QTest::newRow("To full drops the oldest")
            << B::To << numbered("T", 10) << "NEW" << numbered("T", 10).mid(1) + QStringList{"NEW"}
            << "NEW";

        // Via: trimmed both sides; the empty first entry stays when the list is full.
        QStringList via11 = numbered("V", 11);
        QStringList viaEmptyFirst = QStringList{""} + numbered("V", 10);
        QTest::newRow("Via new") << B::Via << QStringList{"RS0ISS", ""} << "wide1-1"
                                 << QStringList{"RS0ISS", "", "WIDE1-1"} << "WIDE1-1";
        QTest::newRow("Via present") << B::Via << QStringList{"RS0ISS", ""} << " rs0iss "
                                     << QStringList{"RS0ISS", ""} << "RS0ISS";
        QTest::newRow("Via empty is present")
            << B::Via << QStringList{"RS0ISS"} << "" << QStringList{"RS0ISS"} << "";
        QTest::newRow("Via 10 takes one more") << B::Via << numbered("V", 10) << "NEW"
                                               << numbered("V", 10) + QStringList{"NEW"} << "NEW";
        QTest::newRow("Via full drops the oldest")
            << B::Via << via11 << "NEW" << via11.mid(1) + QStringList{"NEW"} << "NEW";
        QTest::newRow("Via full keeps an empty first entry")
            << B::Via << viaEmptyFirst << "NEW"
            << QStringList{""} + numbered("V", 10).mid(1) + QStringList{"NEW"} << "NEW";

        // Addressee and message: case kept.
        QTest::newRow("For trimmed and cut to 9")
            << B::MessageFor << QStringList{} << " BLN0QSLSXY " << QStringList{"BLN0QSLSX"}
            << "BLN0QSLSX";
        QTest::newRow("For case kept") << B::MessageFor << QStringList{"email"} << "EMAIL"
                                       << QStringList{"email", "EMAIL"} << "EMAIL";
        QTest::newRow("For full") << B::MessageFor << numbered("F", 10) << "NEW"
                                  << numbered("F", 10).mid(1) + QStringList{"NEW"} << "NEW";
        QTest::newRow("message Hello after hello")
            << B::MessageText << QStringList{"hello"} << "Hello" << QStringList{"hello", "Hello"}
            << "Hello";
        QTest::newRow("message present") << B::MessageText << QStringList{"Hello"} << " Hello "
                                         << QStringList{"Hello"} << "Hello";
        QTest::newRow("message full drops the oldest")
            << B::MessageText << numbered("m", 25) << "new"
            << numbered("m", 25).mid(1) + QStringList{"new"} << "new";
    }

    void addOneEntry() {
        QFETCH(HistoryBox, box);
        QFETCH(QStringList, before);
        QFETCH(QString, boxText);
        QFETCH(QStringList, after);
        QFETCH(QString, boxAfter);
        QStringList list = before;
        const HistoryUpdate update = addToHistory(box, list, boxText);
        QCOMPARE(list, after);
        QCOMPARE(update.boxText, boxAfter);
        if (list != before)
            QVERIFY(update.listChanged);
    }

    void sameEntryTwiceIsAddedOnce() {
        QStringList list;
        addToHistory(HistoryBox::To, list, QStringLiteral("CQ"));
        addToHistory(HistoryBox::To, list, QStringLiteral("CQ"));
        addToHistory(HistoryBox::To, list, QStringLiteral("cq"));
        QCOMPARE(list, QStringList{"CQ"});
    }

    void onlyTheFirstEntriesAreCompared() {
        // A list longer than the capacity (read from the settings file): an equal entry
        // beyond the compared ones does not count, so the newcomer is added.
        QStringList list = numbered("T", 12);
        addToHistory(HistoryBox::To, list, QStringLiteral("T11"));
        QCOMPARE(list.size(), 12);
        QCOMPARE(list.last(), QStringLiteral("T11"));
        QCOMPARE(list.first(), QStringLiteral("T1"));
    }
};

QTEST_GUILESS_MAIN(TestHistories)
#include "tst_histories.moc"
