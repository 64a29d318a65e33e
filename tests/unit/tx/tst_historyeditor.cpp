// The history editor's lines: loading, the four buttons and the 31-line limit.

#include "tx/historyeditor.h"

#include <QtTest>

using namespace zeno;

class TestHistoryEditor : public QObject {
    Q_OBJECT

private slots:
    void modes() {
        QCOMPARE(historyEditorMode(0)->box, HistoryBox::TxData);
        QCOMPARE(historyEditorMode(0)->caption, QStringLiteral("Edit TX-Data entries"));
        QCOMPARE(historyEditorMode(1)->box, HistoryBox::AprsData);
        QCOMPARE(historyEditorMode(1)->caption, QStringLiteral("Edit TX-APRS Pos/Data entries"));
        QCOMPARE(historyEditorMode(2)->box, HistoryBox::MessageText);
        QCOMPARE(historyEditorMode(2)->caption, QStringLiteral("Edit TX APRS-Messages entries"));
        QVERIFY(!historyEditorMode(3));
        QVERIFY(!historyEditorMode(-1));
    }

    void loadsTheFirst25NonBlankEntriesTrimmed() {
        QStringList box{" one ", "", "   ", "two"};
        for (int i = 0; i < 30; ++i)
            box << QStringLiteral("x%1").arg(i);
        const HistoryEditor editor(box);
        QCOMPARE(editor.lines().mid(0, 2), (QStringList{"one", "two"}));
        QCOMPARE(editor.lines().size(), 2 + 21);  // 25 entries looked at, 2 of them blank
        QCOMPARE(editor.lines().last(), QStringLiteral("x20"));
        QCOMPARE(editor.selected(), -1);
    }

    void addLine_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("lines");
        const QStringList start{"a", "b"};
        QTest::newRow("added at the end") << -1 << "c" << QStringList{"a", "b", "c"};
        QTest::newRow("empty answer") << -1 << "" << start;
        QTest::newRow("same as the selected line") << 1 << "b" << start;
        QTest::newRow("same as another line is added") << 1 << "a" << QStringList{"a", "b", "a"};
    }

    void addLine() {
        QFETCH(int, selected);
        QFETCH(QString, answer);
        QFETCH(QStringList, lines);
        HistoryEditor editor({"a", "b"});
        editor.select(selected);
        editor.addLine(answer);
        QCOMPARE(editor.lines(), lines);
    }

    void editLine_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("lines");
        const QStringList five{"1", "2", "3", "4", "5"};
        QTest::newRow("third of five moves to the end")
            << 2 << "three" << QStringList{"1", "2", "4", "5", "three"};
        QTest::newRow("unchanged answer") << 2 << "3" << five;
        QTest::newRow("cancelled") << 2 << "" << five;
        QTest::newRow("nothing selected: added")
            << -1 << "six" << QStringList{"1", "2", "3", "4", "5", "six"};
    }

    void editLine() {
        QFETCH(int, selected);
        QFETCH(QString, answer);
        QFETCH(QStringList, lines);
        HistoryEditor editor({"1", "2", "3", "4", "5"});
        editor.select(selected);
        editor.editLine(answer);
        QCOMPARE(editor.lines(), lines);
    }

    void removeLines() {
        HistoryEditor editor({"1", "2", "3"});
        QVERIFY(!editor.removeLine());  // nothing selected
        editor.select(1);
        QVERIFY(editor.removeLine());
        QCOMPARE(editor.lines(), (QStringList{"1", "3"}));
        QCOMPARE(editor.selected(), -1);
        editor.select(7);  // beyond the end selects nothing
        QCOMPARE(editor.selected(), -1);
        editor.removeAll();
        QVERIFY(editor.lines().isEmpty());
    }

    void neverMoreThan31Lines() {
        HistoryEditor editor({});
        for (int i = 0; i < 40; ++i)
            editor.addLine(QStringLiteral("line %1").arg(i));
        QCOMPARE(editor.lines().size(), HistoryEditor::kMaxLines);
        QVERIFY(!editor.canAdd());
        QCOMPARE(editor.lines().last(), QStringLiteral("line 30"));
        // Editing a selected line keeps the count; with nothing selected there is no room.
        editor.select(0);
        QVERIFY(editor.editLine(QStringLiteral("edited")));
        QCOMPARE(editor.lines().size(), HistoryEditor::kMaxLines);
        QVERIFY(!editor.editLine(QStringLiteral("one more")));
        QCOMPARE(editor.lines().size(), HistoryEditor::kMaxLines);
    }
};

QTEST_GUILESS_MAIN(TestHistoryEditor)
#include "tst_historyeditor.moc"
