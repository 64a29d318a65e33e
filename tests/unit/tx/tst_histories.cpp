// The six history rules, as lists before and after one entry is added, the Enter rules of the
// six boxes, and the history editor's lines: loading, the four buttons and the 31-line limit.

#include "support/testrows.h"
#include "tx/enterrules.h"
#include "tx/histories.h"
#include "tx/historyeditor.h"

#include <QtTest>

using namespace zeno;
using zeno::test::columns;
using zeno::test::fetched;
using zeno::test::row;

Q_DECLARE_METATYPE(zeno::HistoryBox)
Q_DECLARE_METATYPE(zeno::EnterSend)

namespace {

void row(const char* name, HistoryBox box, const QStringList& before, const QString& boxText,
         const QStringList& after, const QString& boxAfter) {
    QTest::newRow(name) << box << before << boxText << after << boxAfter;
}

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
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void addOneEntry_data() {
        columns<HistoryBox, QStringList, QString, QStringList, QString>("box", "before", "boxText",
                                                                        "after", "boxAfter");
        using B = HistoryBox;
        using L = QStringList;
        const QString tx81 = QString(80, QLatin1Char('t')) + QLatin1Char('u');
        const QString tx80 = tx81.left(80);
        const L t24 = numbered("t", 24), t25 = numbered("t", 25);
        const L v10 = numbered("V", 10), v11 = numbered("V", 11), m25 = numbered("m", 25);

        // TX text: lower case and trailing blanks do not make it new; the box keeps its text.
        row("TX same but case", B::TxData, {"hello"}, "Hello", {"hello"}, "Hello");
        row("TX same but trailing blanks", B::TxData, {"hello  "}, "hello", {"hello  "}, "hello");
        row("TX leading blank is new, blanks kept", B::TxData, {"hello"}, " hello ",
            {"hello", " hello "}, " hello ");
        row("TX cut to 80", B::TxData, {}, tx81, {tx80}, tx80);
        row("TX empty never added", B::TxData, {"a"}, "", {"a"}, "");
        row("TX 24 takes one more", B::TxData, t24, "new", t24 + L{"new"}, "new");
        row("TX full list keeps out the new one", B::TxData, t25, "new", t25, "new");

        // APRS comment: trimmed, compared in lower case.
        row("comment trimmed", B::AprsData, {}, "  73 all  ", {"73 all"}, "  73 all  ");
        row("comment same but case", B::AprsData, {" 73 ALL"}, "73 all", {" 73 ALL"}, "73 all");

        // To: upper case, oldest gives way at 10.
        row("To upper case", B::To, {"CQ"}, " pa3xyz ", {"CQ", "PA3XYZ"}, "PA3XYZ");
        row("To cut to 10", B::To, {}, "abcdefghijkl", {"ABCDEFGHIJ"}, "ABCDEFGHIJ");
        row("To full drops the oldest", B::To, v10, "NEW", v10.mid(1) + L{"NEW"}, "NEW");

        // Via: trimmed both sides; the empty first entry stays when the list is full.
        row("Via present", B::Via, {"RS0ISS", ""}, " rs0iss ", {"RS0ISS", ""}, "RS0ISS");
        row("Via empty is present", B::Via, {"RS0ISS"}, "", {"RS0ISS"}, "");
        row("Via full drops the oldest", B::Via, v11, "NEW", v11.mid(1) + L{"NEW"}, "NEW");
        row("Via full keeps an empty first entry", B::Via, L{""} + v10, "NEW",
            L{""} + v10.mid(1) + L{"NEW"}, "NEW");

        // Addressee and message: case kept.
        row("For trimmed and cut to 9", B::MessageFor, {}, " BLN0QSLSXY ", {"BLN0QSLSX"},
            "BLN0QSLSX");
        row("For case kept", B::MessageFor, {"email"}, "EMAIL", {"email", "EMAIL"}, "EMAIL");
        row("message present", B::MessageText, {"Hello"}, " Hello ", {"Hello"}, "Hello");
        row("message full drops the oldest", B::MessageText, m25, "new", m25.mid(1) + L{"new"},
            "new");
    }

    void addOneEntry() {
        QFETCH(QStringList, before);
        QStringList list = before;
        const HistoryUpdate update =
            addToHistory(fetched<HistoryBox>("box"), list, fetched<QString>("boxText"));
        QTEST(list, "after");
        QTEST(update.boxText, "boxAfter");
        if (list != before)
            QVERIFY(update.listChanged);
    }

    void onlyTheFirstEntriesAreCompared() {
        // A longer list (read from the settings file): an equal entry past the compared
        // ones does not count, so the newcomer is added.
        QStringList list = numbered("T", 12);
        addToHistory(HistoryBox::To, list, QStringLiteral("T11"));
        QCOMPARE(list, numbered("T", 12).mid(1) + QStringList{"T11"});
    }

    void enterRule_data() {
        columns<HistoryBox, int, EnterSend, int, QString>("box", "cutTo", "sends", "next", "tip");
        using B = HistoryBox;
        row("TX text", B::TxData, 80, EnterSend::TxText, -1, "");
        row("To", B::To, 10, EnterSend::Nothing, -1, "");
        row("Via", B::Via, 50, EnterSend::Nothing, -1, "");
        row("APRS comment", B::AprsData, 60, EnterSend::Position, -1, "");
        row("addressee", B::MessageFor, 9, EnterSend::Nothing, int(B::MessageText),
            "Message contents to transmit For:");
        row("message", B::MessageText, 70, EnterSend::Message, -1, "");
    }

    // Each box records into its own history; only the addressee moves the keyboard on.
    void enterRule() {
        QFETCH(HistoryBox, box);
        const EnterRule rule = zeno::enterRule(box);
        QTEST(rule.cutTo, "cutTo");
        QCOMPARE(rule.history, box);
        QTEST(rule.sends, "sends");
        QTEST(rule.next ? int(*rule.next) : -1, "next");
        QTEST(rule.nextTip, "tip");
    }

    void loadsTheFirst25NonBlankEntriesTrimmed() {
        QCOMPARE(historyEditorMode(2)->box, HistoryBox::MessageText);
        QVERIFY(!historyEditorMode(3));
        QStringList box{" one ", "", "   ", "two"};
        for (int i = 0; i < 30; ++i)
            box << QStringLiteral("x%1").arg(i);
        const HistoryEditor editor(box);
        QCOMPARE(editor.lines().mid(0, 2), (QStringList{"one", "two"}));
        QCOMPARE(editor.lines().size(), 2 + 21);  // 25 entries looked at, 2 of them blank
        QCOMPARE(editor.lines().last(), QStringLiteral("x20"));
    }

    void addAndEditLine_data() {
        columns<bool, int, QString, QStringList>("edit", "selected", "answer", "lines");
        const QStringList three{"1", "2", "3"};
        row("add at the end", false, -1, "4", three + QStringList{"4"});
        row("add the selected line", false, 1, "2", three);
        row("add another line again", false, 1, "1", three + QStringList{"1"});
        row("edit moves the line to the end", true, 1, "two", QStringList{"1", "3", "two"});
        row("edit unchanged", true, 1, "2", three);
        row("edit cancelled", true, 1, "", three);
        row("edit with nothing selected adds", true, -1, "4", three + QStringList{"4"});
    }

    void addAndEditLine() {
        QFETCH(QString, answer);
        HistoryEditor editor({"1", "2", "3"});
        editor.select(fetched<int>("selected"));
        fetched<bool>("edit") ? editor.editLine(answer) : editor.addLine(answer);
        QTEST(editor.lines(), "lines");
    }

    void removeLines() {
        HistoryEditor editor({"1", "2", "3"});
        QVERIFY(!editor.removeLine());  // nothing selected
        editor.select(1);
        QVERIFY(editor.removeLine());
        QCOMPARE(editor.lines(), (QStringList{"1", "3"}));
        QVERIFY(!editor.removeLine());  // the selection went with the line
        editor.select(2);               // beyond the end selects nothing
        QCOMPARE(editor.selected(), -1);
        editor.removeAll();
        QVERIFY(editor.lines().isEmpty());
    }

    void neverMoreThan31Lines() {
        HistoryEditor editor({});
        for (int i = 0; i < 40; ++i)
            editor.addLine(QStringLiteral("line %1").arg(i));
        QCOMPARE(editor.lines().size(), 31);
        QCOMPARE(editor.lines().last(), QStringLiteral("line 30"));
        // Editing a selected line keeps the count; with nothing selected there is no room.
        editor.select(0);
        QVERIFY(editor.editLine(QStringLiteral("edited")));
        QVERIFY(!editor.editLine(QStringLiteral("one more")));
        QCOMPARE(editor.lines().size(), 31);
    }
};

QTEST_GUILESS_MAIN(TestHistories)
#include "tst_histories.moc"
