// APRS message fields and the heard list as frames.

#include "tx/aprsmessage.h"

#include <QtTest>

using namespace zeno;

class TestAprsMessage : public QObject {
    Q_OBJECT

private slots:
    void addresseeIsNineWide_data() {
        QTest::addColumn<QString>("addressee");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("CQ gets seven blanks") << "CQ"
                                              << "hi"
                                              << ":CQ       :hi";
        QTest::newRow("nine characters, no padding") << "PA3XYZ-12"
                                                     << "hi"
                                                     << ":PA3XYZ-12:hi";
        QTest::newRow("trailing blanks go") << "BLN1   "
                                            << "Net tonight"
                                            << ":BLN1     :Net tonight";
        QTest::newRow("leading blanks stay") << " BLN1"
                                             << "x"
                                             << ": BLN1    :x";
        QTest::newRow("longer is cut to nine") << "BLN0QSLSXYZ"
                                               << "x"
                                               << ":BLN0QSLSX:x";
        QTest::newRow("text as it is") << "EMAIL"
                                       << "  a@b.c hi  "
                                       << ":EMAIL    :  a@b.c hi  ";
        QTest::newRow("empty text") << "CQ"
                                    << ""
                                    << ":CQ       :";
    }

    void addresseeIsNineWide() {
        QFETCH(QString, addressee);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(messageInformation(addressee, text), field);
        QCOMPARE(field.at(10), QLatin1Char(':'));
    }

    void heardListGroups_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("bulletin");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("example") << QStringList{"N0CALL", "PA3XYZ", " N0CALL-7 "} << false
                                 << "{ZENO30}" << QStringList{"Heard:N0CALL,N0CALL-7,{ZENO30}"};
        QTest::newRow("own call only")
            << QStringList{"PA3XYZ"} << true << "{ZENO30}" << QStringList{};
        QTest::newRow("bulletin with the tag off ends in a comma")
            << QStringList{"N0CALL"} << true << "" << QStringList{":BLN0QSLs :N0CALL,"};

        // 8 characters and a comma each: the 8th call brings the group to 72 characters.
        QStringList twelve;
        for (int i = 0; i < 12; ++i)
            twelve << QStringLiteral("PB%1ABC-%2").arg(i % 10).arg(1 + i / 10);
        QStringList firstEight = twelve.mid(0, 8);
        QStringList lastFour = twelve.mid(8);
        QTest::newRow("twelve calls in two frames")
            << twelve << true << "{ZENO30}"
            << QStringList{":BLN0QSLs :" + firstEight.join(',') + ',',
                           ":BLN0QSLs :" + lastFour.join(',') + ",{ZENO30}"};
        // The group closes at 65 characters of calls, not before.
        const QStringList four(
            4, QStringLiteral("AAAAAAAAAA-1"));  // 13 characters each with its comma
        QTest::newRow("65 closes the group")
            << four + QStringList{"BBBBBBBBBB-1", "C"} << false << ""
            << QStringList{"Heard:" + four.join(',') + ",BBBBBBBBBB-1,", "Heard:C,"};
        QTest::newRow("64 does not") << four + QStringList{"BBBBBBBBB-1", "C"} << false << ""
                                     << QStringList{"Heard:" + four.join(',') + ",BBBBBBBBB-1,C,"};
        // A group that reaches 65 with the last entry is not closed early: it takes the tag.
        QTest::newRow("the last call closes with the tag")
            << twelve.mid(0, 8) << false << "{ZENO30}"
            << QStringList{"Heard:" + firstEight.join(',') + ",{ZENO30}"};
    }

    void heardListGroups() {
        QFETCH(QStringList, entries);
        QFETCH(bool, bulletin);
        QFETCH(QString, tag);
        QFETCH(QStringList, texts);
        QCOMPARE(heardListTexts(entries, QStringLiteral(" PA3XYZ "), bulletin, tag), texts);
    }
};

QTEST_GUILESS_MAIN(TestAprsMessage)
#include "tst_aprsmessage.moc"
