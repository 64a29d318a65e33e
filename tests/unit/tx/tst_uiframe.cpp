// The address and text rules every unconnected frame follows.

#include "tx/uiframe.h"

#include <QtTest>

using namespace zeno;

class TestUiFrame : public QObject {
    Q_OBJECT

private slots:
    void callStringJoinsAndUpperCases_data() {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("ask");
        QTest::newRow("lower case") << "cq"
                                    << "rs0iss"
                                    << "CQ RS0ISS" << false;
        QTest::newRow("path of two") << "APRS"
                                     << "wide1-1,wide2-1"
                                     << "APRS WIDE1-1,WIDE2-1" << false;
        QTest::newRow("no path ends in the blank") << "CQ"
                                                   << ""
                                                   << "CQ " << false;
        QTest::newRow("only a path") << ""
                                     << "RS0ISS"
                                     << " RS0ISS" << false;
        QTest::newRow("both empty") << ""
                                    << ""
                                    << " " << true;
        QTest::newRow("both blank") << "  "
                                    << " "
                                    << "    " << true;
    }

    void callStringJoinsAndUpperCases() {
        QFETCH(QString, to);
        QFETCH(QString, via);
        QFETCH(QString, call);
        QFETCH(bool, ask);
        QCOMPARE(callString(to, via), call);
        QCOMPARE(needsCallQuestion(callString(to, via)), ask);
    }

    void txTextIsPaddedAndCut_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("sent");
        const QString eighty(80, QLatin1Char('a'));
        QTest::newRow("empty sends one blank") << ""
                                               << " ";
        QTest::newRow("one character gets a blank") << "x"
                                                    << "x ";
        QTest::newRow("two characters as they are") << "73"
                                                    << "73";
        QTest::newRow("80 characters") << eighty << eighty;
        QTest::newRow("81 characters send 80") << eighty + QLatin1Char('b') << eighty;
    }

    void txTextIsPaddedAndCut() {
        QFETCH(QString, box);
        QFETCH(QString, sent);
        QCOMPARE(txTextPayload(box), sent);
    }

    void longTextGoesInPiecesOfNinety_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("pieces");
        QTest::newRow("nothing") << 0 << QList<int>{};
        QTest::newRow("one short") << 5 << QList<int>{5};
        QTest::newRow("exactly ninety") << 90 << QList<int>{90};
        QTest::newRow("ninety-one") << 91 << QList<int>{90, 1};
        QTest::newRow("two hundred") << 200 << QList<int>{90, 90, 20};
    }

    void longTextGoesInPiecesOfNinety() {
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
        QCOMPARE(sent.join(QString()), text);  // in order, nothing lost or added
    }
};

QTEST_GUILESS_MAIN(TestUiFrame)
#include "tst_uiframe.moc"
