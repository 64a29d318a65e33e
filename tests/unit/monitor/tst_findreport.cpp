// What the operator does with the monitor's text: find and Find Next, and the station report.
#include "monitor/monitorfind.h"
#include "monitor/stationreport.h"
#include "support/testrows.h"

#include <QFile>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

class FindReportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // A find, then Find Next for each further expected start (-1: "Nothing found").
    void findAndFindNext_data() {
        columns<QString, QString, QList<int>>("text", "what", "starts");
        row("case ignored, after the last the first again", QString("CQ x cq"), QString("Cq"),
            QList{0, 5, 0});
        row("absent at once", QString("CQ"), QString("QRZ"), QList{-1});
    }
    void findAndFindNext() {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QList<int>, starts);
        MonitorFind find;
        QList<int> shown;
        for (int i = 0; i < starts.size(); ++i) {
            const MonitorFind::Match m = i == 0 ? find.find(what, text) : find.findNext(text);
            shown << (m.found ? int(m.start) : -1);
            QCOMPARE(m.length, m.found ? what.size() : 0);
        }
        QCOMPARE(shown, starts);
        QCOMPARE(find.canFindNext(), starts.last() >= 0);
    }

    void reportFile_data() {
        columns<QString, bool, QStringList, QString>("golden", "listener", "heard", "frames");
        row("station", QString("report-station.txt"), false, QStringList{"N0CALL", " PA3ABC-9 "},
            QString("Fm N0CALL To CQ <UI>\r\nHello\r\n"));
        row("listener, nothing heard", QString("report-listener.txt"), true, QStringList{},
            QString("selected part"));
    }
    void reportFile() {
        QFETCH(QString, golden);
        QFETCH(bool, listener);
        QFETCH(QStringList, heard);
        QFETCH(QString, frames);
        QFile file(QFINDTESTDATA("../../data/report/" + golden));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const StationReport report{QStringLiteral("PA3XYZ"), listener, heard, frames,
                                   QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9))};
        QCOMPARE(stationReportText(report).toLatin1(), file.readAll());
    }
};

QTEST_GUILESS_MAIN(FindReportTest)
#include "tst_findreport.moc"
