// The address and text rules every unconnected frame follows.

#include "support/testrows.h"
#include "tx/uiframe.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestUiFrame : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void callString_data() {
        columns<QString, QString, QString, bool>("to", "via", "call", "ask");
        row("lower case", "cq", "wide1-1,rs0iss", "CQ WIDE1-1,RS0ISS", false);
        row("no path ends in the blank", "CQ", "", "CQ ", false);
        row("only a path", "", "RS0ISS", " RS0ISS", false);
        row("both blank", "  ", " ", "    ", true);
    }

    void callString() {
        QFETCH(QString, to);
        QFETCH(QString, via);
        QFETCH(QString, call);
        QFETCH(bool, ask);
        QCOMPARE(zeno::callString(to, via), call);
        QCOMPARE(needsCallQuestion(call), ask);
    }

    void txText_data() {
        columns<QString, QString>("box", "sent");
        const QString eighty(80, QLatin1Char('a'));
        row("empty sends one blank", "", " ");
        row("one character gets a blank", "x", "x ");
        row("two characters as they are", "73", "73");
        row("81 characters send 80", eighty + QLatin1Char('b'), eighty);
    }

    void txText() {
        QFETCH(QString, box);
        QFETCH(QString, sent);
        QCOMPARE(txTextPayload(box), sent);
    }

    void piecesOfNinety_data() {
        columns<int, QList<int>>("length", "pieces");
        row("nothing", 0, QList<int>{});
        row("exactly ninety", 90, QList<int>{90});
        row("ninety-one", 91, QList<int>{90, 1});
    }

    void piecesOfNinety() {
        QFETCH(int, length);
        QFETCH(QList<int>, pieces);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'A' + i % 26);
        const QStringList sent = monitorTextPieces(text);
        QList<int> lengths;
        for (const QString& piece : sent)
            lengths << int(piece.size());
        QCOMPARE(lengths, pieces);
        QCOMPARE(sent.join(QString()), text);
    }
};

QTEST_GUILESS_MAIN(TestUiFrame)
#include "tst_uiframe.moc"
