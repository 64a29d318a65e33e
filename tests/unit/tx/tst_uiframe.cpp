// The address and text rules every unconnected frame follows.

#include "tx/uiframe.h"

#include <QtTest>

using namespace zeno;

class TestUiFrame : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // The call field: upper case, a blank between destination and path, a question when both
    // are blank.
    void callString() {
        QCOMPARE(zeno::callString("cq", "wide1-1,rs0iss"), "CQ WIDE1-1,RS0ISS");
        QCOMPARE(zeno::callString("CQ", ""), "CQ ");
        QCOMPARE(zeno::callString("", "RS0ISS"), " RS0ISS");
        QVERIFY(!needsCallQuestion(" RS0ISS"));
        QVERIFY(needsCallQuestion(zeno::callString("  ", " ")));
    }

    void txText() {
        const QString eighty(80, QLatin1Char('a'));
        QCOMPARE(txTextPayload(""), " ");
        QCOMPARE(txTextPayload("x"), "x ");  // one character gets a blank
        QCOMPARE(txTextPayload("73"), "73");
        QCOMPARE(txTextPayload(eighty + 'b'), eighty);
    }

    void piecesOfNinety() {
        QString text;
        for (int i = 0; i < 91; ++i)
            text += QChar(u'A' + i % 26);
        QCOMPARE(monitorTextPieces(text), QStringList({text.left(90), text.mid(90)}));
        QCOMPARE(monitorTextPieces(text.left(90)), QStringList({text.left(90)}));
        QVERIFY(monitorTextPieces(QString()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUiFrame)
#include "tst_uiframe.moc"
