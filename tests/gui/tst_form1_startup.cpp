// Start-up and shut-down of the program: the first-run callsign, the engine question, the
// "P" frame, and settings saved before the link closes.

#include "config/appstate.h"
#include "link/agwlink.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/zenoprogram.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kCallTitle = QStringLiteral("ZENO Monitor: Your Call Sign please");
const QString kNoEngineTitle = QStringLiteral("ZENO: AGWPE Not running");

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void firstRunAsksForTheCallsign_data() {
        QTest::addColumn<QByteArray>("settingsFile");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("invalidCallMessage");
        QTest::newRow("no settings file") << QByteArray() << false << false;
        QTest::newRow("MYCALL stored")
            << QByteArray(";ZENO v.3.0.1\r\n;\r\n[Your Call Sign]\r\nMYCALL\r\n") << true << false;
        // An empty file cannot be read: the reader says so before the question.
        QTest::newRow("empty file") << QByteArray() << true << true;
    }

    void firstRunAsksForTheCallsign() {
        QFETCH(QByteArray, settingsFile);
        QFETCH(bool, fileExists);
        QFETCH(bool, invalidCallMessage);
        ZenoFixture f;
        if (fileExists)
            f.writeFile(QStringLiteral("zeno.ini"), settingsFile);
        if (invalidCallMessage)
            f.dialogs.expectMessage(QStringLiteral("No valid Callsign"));
        f.dialogs.expectInput(kCallTitle, QStringLiteral("pa3xyz"));

        QVERIFY(f.start());
        QCOMPARE(
            f.dialogs.shown.last().text,
            QStringLiteral("Before you can use this program you\rneed to enter your Call Sign:"));
        QCOMPARE(f.state().settings.callsign, QStringLiteral("PA3XYZ"));
        QCOMPARE(f.find<QLabel>("Label4")->text(), QStringLiteral("PA3XYZ"));
        QVERIFY(f.readFile(QStringLiteral("zeno.ini")).contains("[Your Call Sign]\r\nPA3XYZ\r\n"));
        // First-run defaults are in the boxes.
        QCOMPARE(f.find<QComboBox>("Combo3")->currentText(), QStringLiteral("RS0ISS"));
        QCOMPARE(f.find<QComboBox>("Combo2")->count(), 3);
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void answerOfTwoCharactersOrFewerEndsSilently_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("two letters") << QStringLiteral("AB");
        QTest::newRow("cancel") << QString();
        QTest::newRow("letter and blank") << QStringLiteral("a ");
    }

    void answerOfTwoCharactersOrFewerEndsSilently() {
        QFETCH(QString, answer);
        ZenoFixture f;
        f.dialogs.expectInput(kCallTitle, answer);
        QVERIFY(!f.start());
        QVERIFY(f.hasEnded());
        QVERIFY(!QFile::exists(f.file(QStringLiteral("zeno.ini"))));
        QCOMPARE(f.server.countOfKind('X'), 0);
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void blanksCountInTheLengthAndAreTrimmed() {
        ZenoFixture f;
        f.dialogs.expectInput(kCallTitle, QStringLiteral("ab "));
        QVERIFY(f.start());
        QCOMPARE(f.state().settings.callsign, QStringLiteral("AB"));
        QVERIFY(f.server.waitForFrame('X'));
        QCOMPARE(f.server.receivedOfKind('X').first().callFrom, QStringLiteral("AB"));
    }

    void withEngineTheCallsignIsRegisteredAndPIsSent() {
        ZenoFixture f;
        f.writeStationSettings(QStringLiteral("PA3XYZ"));
        QVERIFY(f.start());
        QVERIFY(f.link().isUp());
        // start registers once; the "P" frame registers again.
        QVERIFY(f.server.waitForCount('X', 2));
        for (const auto& frame : f.server.receivedOfKind('X'))
            QCOMPARE(frame.callFrom, QStringLiteral("PA3XYZ"));
        QCOMPARE(f.state().link.LinkAddress, QStringLiteral("PA3XYZ"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void noEngineAndNoEndsTheProgram() {
        ZenoFixture f;
        f.writeStationSettings();
        f.withoutEngine();
        f.dialogs.expectMessage(kNoEngineTitle, MsgAnswer::No);
        QVERIFY(!f.start());
        QVERIFY(f.hasEnded());
        const auto& box = f.dialogs.shown.first();
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(box.text,
                 QStringLiteral("Cannot connect to AGW Packet Engine! Is it running?\r\r"
                                "ZENO need the AGW Packet Engine to communicate with your modem or "
                                "soundcard.\r\rDo you want to run ZENO anyway?"));
    }

    void noEngineAndYesRunsWithoutIt() {
        ZenoFixture f;
        f.writeStationSettings();
        f.withoutEngine();
        f.dialogs.expectMessage(kNoEngineTitle, MsgAnswer::Yes);
        f.create();
        QSignalSpy sends(&f.link(), &AgwLink::sendRequested);
        QVERIFY(f.start());
        QCOMPARE(f.monitorText(), QStringLiteral("RUNNING WITHOUT AGW PACKET ENGINE DETECTED!"));
        QCOMPARE(f.state().link.EngineInitText, QStringLiteral("No AGW Detected"));
        // The "P" frame goes to the link whether or not an engine answered.
        QCOMPARE(sends.count(), 1);
        QCOMPARE(sends.first().at(0).value<QChar>(), QLatin1Char('P'));
        QCOMPARE(sends.first().at(1).toString(), QStringLiteral("PA3XYZ"));
        QVERIFY(!f.find<QLabel>("linkStatus")->text().isEmpty());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void pollTimerTicksEvery250ms() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        auto* timer = f.find<QTimer>("Timer1");
        QCOMPARE(timer->interval(), 250);
    }

    void closingSavesBeforeTheLinkCloses() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("apRS"));
        f.find<QComboBox>("Combo3")->setEditText(QStringLiteral("wide2-2"));

        QByteArray fileWhenLinkCloses;
        QObject::connect(&f.link(), &AgwLink::closing, &f.link(),
                         [&] { fileWhenLinkCloses = f.readFile(QStringLiteral("zeno.ini")); });
        f.close();
        QVERIFY(f.hasEnded());
        QVERIFY(fileWhenLinkCloses.contains("[To call]\r\nAPRS\r\n[Digistation]\r\nWIDE2-2\r\n"));
        // The boxes were upper-cased in place.
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("APRS"));
        QVERIFY(f.server.waitForClients(0));
    }

    void unwritableSettingsFileIsReportedAndTheProgramStillEnds() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        // A directory in the file's place cannot be replaced by a file, even by root.
        QVERIFY(QFile::remove(f.file(QStringLiteral("zeno.ini"))));
        QVERIFY(QDir(f.appPath()).mkdir(QStringLiteral("zeno.ini")));
        f.dialogs.expectMessage(
            kProgramTitle, MsgAnswer::Ok,
            QStringLiteral("Could not write to disk. Is the disk write-protected (CD-ROM)? "
                           "If so, then please install this program to your HD first."));
        f.close();
        QVERIFY(f.hasEnded());
        QVERIFY(f.server.waitForClients(0));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void linkStateIsShownAndTheLinkComesBack() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        auto* status = f.find<QLabel>("linkStatus");
        QTRY_VERIFY(status->text().contains(QStringLiteral("connected to 127.0.0.1")));
        QVERIFY(f.server.waitForCount('X', 2));  // start and the "P" frame
        f.server.dropClients();
        QTRY_VERIFY(status->text().contains(QStringLiteral("lost")));
        // The link re-opens by itself and registers again; no box is shown.
        QVERIFY(f.server.waitForCount('X', 3));
        QTRY_VERIFY(status->text().contains(QStringLiteral("connected to 127.0.0.1")));
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void garbageFromTheEngineNeverStopsTheProgram() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        QVERIFY(f.server.waitForCount('X', 2));
        f.server.sendRaw(QByteArray(36, '\xff') + QByteArray("garbage"));
        // The link drops the connection it cannot read and opens a new one.
        QVERIFY(f.server.waitForCount('X', 3));
        f.tick(10);
        QVERIFY(!f.hasEnded());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void endingTwiceSavesOnce() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        f.program().shutdown();
        QFile::remove(f.file(QStringLiteral("zeno.ini")));
        f.close();  // the window closing after the program ended
        QVERIFY(!QFile::exists(f.file(QStringLiteral("zeno.ini"))));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_form1_startup.moc"
