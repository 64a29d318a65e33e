// The history editor's lines: loading, the four buttons and the 31-line limit.

#include "support/testrows.h"
#include "tx/historyeditor.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestHistoryEditor : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

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
        QFETCH(bool, edit);
        QFETCH(int, selected);
        QFETCH(QString, answer);
        QFETCH(QStringList, lines);
        HistoryEditor editor({"1", "2", "3"});
        editor.select(selected);
        edit ? editor.editLine(answer) : editor.addLine(answer);
        QCOMPARE(editor.lines(), lines);
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

QTEST_GUILESS_MAIN(TestHistoryEditor)
#include "tst_historyeditor.moc"
