// What the operator does with the monitor's text: find and Find Next, saving, printing and the
// station report.
#include "config/settings.h"
#include "files/filedialogs.h"
#include "monitor/monitorfiles.h"
#include "monitor/monitorfind.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kWhole = QStringLiteral("Fm N0CALL To CQ <UI>\r\nHello\r\n");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The save dialog answered with a file of a fresh folder.
struct Saving {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FileDialogState files;
    QString path = dir.filePath(QStringLiteral("saved.txt"));

    // Yes or No to the selection question when one is given, then the save dialog.
    void script(const QString& question, const QString& answer) {
        if (!answer.isEmpty())
            dialogs.expectMessage(QStringLiteral("Save"),
                                  answer == "Yes" ? MsgAnswer::Yes : MsgAnswer::No, question);
        dialogs.expectSaveFile(path);
    }
    ~Saving() { QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n'))); }
};

}  // namespace

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

    // answer: to "Do you want to save the selected text only?", empty when not asked
    void saveMonitor_data() {
        columns<QString, QString, QString>("selection", "answer", "written");
        row("ten selected: not asked", QString("0123456789"), QString(), kWhole);
        row("eleven selected, Yes", QString("0123456789A"), QString("Yes"), QString("0123456789A"));
        row("eleven selected, No", QString("0123456789A"), QString("No"), kWhole);
    }
    void saveMonitor() {
        QFETCH(QString, selection);
        QFETCH(QString, answer);
        Saving s;
        s.script(QStringLiteral("Do you want to save the selected text only?"), answer);
        QVERIFY(saveMonitorText(s.files, s.dialogs, {kWhole, selection}));
        QCOMPARE(s.dialogs.shown.last().defaultText, QStringLiteral("ZENO001.txt"));
        QCOMPARE(readAll(s.path), fetched<QString>("written").toLatin1());
    }

    void reportFile_data() {
        columns<QString, int, QStringList, QString>("golden", "swlMode", "heard", "selection");
        row("station, nothing selected", QString("report-station.txt"), 0,
            QStringList{"N0CALL", " PA3ABC-9 "}, QString());
        row("listener, the selection only", QString("report-listener.txt"), 1, QStringList{},
            QString("selected part"));
    }
    void reportFile() {
        QFETCH(QString, selection);
        Saving s;
        s.script(QStringLiteral("Do you want to save the selected text in this report only?"),
                 selection.isEmpty() ? QString() : QStringLiteral("Yes"));
        Settings settings;
        settings.callsign = QStringLiteral("PA3XYZ");
        settings.swlMode = fetched<int>("swlMode");
        QVERIFY(saveStationReport(s.files, s.dialogs, {kWhole, selection}, settings,
                                  fetched<QStringList>("heard"),
                                  QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9))));
        QCOMPARE(s.dialogs.shown.last().defaultText, QStringLiteral("ZENOReport.txt"));
        QCOMPARE(readAll(s.path),
                 readAll(QFINDTESTDATA("../../data/report/" + fetched<QString>("golden"))));
    }

    // printed: empty when nothing is
    void printText_data() {
        columns<QString, bool, QString, QString>("selection", "yes", "question", "printed");
        row("nothing selected", QString(), true,
            QString("Do you want to print the entire monitor window?"), kWhole);
        row("a selection", QString("sel"), true,
            QString("Do you want to print the selected tekst?"), QString("sel"));
        row("No", QString("sel"), false, QString("Do you want to print the selected tekst?"),
            QString());
    }
    void printText() {
        QFETCH(QString, selection);
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("Print"),
                              fetched<bool>("yes") ? MsgAnswer::Yes : MsgAnswer::No,
                              fetched<QString>("question"));
        QTEST(monitorPrintText(dialogs, {kWhole, selection}).value_or(QString()), "printed");
        QVERIFY(dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(FindReportTest)
#include "tst_findreport.moc"
