// APRS message fields and the heard list as frames.

#include "support/testrows.h"
#include "tx/aprsmessage.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestAprsMessage : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void addresseeIsNineWide() {
        QCOMPARE(messageInformation("CQ", "  a@b.c hi  "), ":CQ       :  a@b.c hi  ");
        QCOMPARE(messageInformation("PA3XYZ-12", "hi"), ":PA3XYZ-12:hi");
        QCOMPARE(messageInformation(" BLN1   ", "x"), ": BLN1    :x");  // trailing blanks go
        QCOMPARE(messageInformation("BLN0QSLSXYZ", "x"), ":BLN0QSLSX:x");
    }

    void heardListGroups_data() {
        columns<QStringList, bool, QString, QStringList>("entries", "bulletin", "tag", "texts");
        const QString tag = QStringLiteral("{ZENO30}");
        row("example", QStringList{"N0CALL", "PA3XYZ", " N0CALL-7 "}, false, tag,
            QStringList{"Heard:N0CALL,N0CALL-7,{ZENO30}"});
        row("own call only", QStringList{"PA3XYZ"}, true, tag, QStringList{});
        row("bulletin with the tag off ends in a comma", QStringList{"N0CALL"}, true, QString(),
            QStringList{":BLN0QSLs :N0CALL,"});

        // Eight characters and a comma each: the 8th call brings the group to 72.
        QStringList twelve;
        for (int i = 0; i < 12; ++i)
            twelve << QStringLiteral("PB%1ABC-%2").arg(i % 10).arg(1 + i / 10);
        const QStringList firstEight = twelve.mid(0, 8);
        row("twelve calls in two frames", twelve, true, tag,
            QStringList{":BLN0QSLs :" + firstEight.join(',') + ',',
                        ":BLN0QSLs :" + twelve.mid(8).join(',') + ",{ZENO30}"});

        const QStringList four(4, QStringLiteral("AAAAAAAAAA-1"));  // 13 with the comma
        const QString first = "Heard:" + four.join(',');
        row("65 closes the group", four + QStringList{"BBBBBBBBBB-1", "C"}, false, QString(),
            QStringList{first + ",BBBBBBBBBB-1,", "Heard:C,"});
        row("64 does not", four + QStringList{"BBBBBBBBB-1", "C"}, false, QString(),
            QStringList{first + ",BBBBBBBBB-1,C,"});
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
