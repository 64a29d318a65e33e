// SPDX-License-Identifier: GPL-3.0-or-later
// The setup dialog from the main window: the listener layout, a new call and another engine.

#include "windowtest.h"

#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/colors.h"

#include <QGroupBox>

namespace {

// Opens "Setup..." and acts on the dialog while it runs; closes it if the test left it open.
void inSetup(ZenoFixture& f, const std::function<void(QDialog*)>& act) {
    whenModal(QStringLiteral("Form3"), act);
    menuItem(f.form1().controls().menus.menusetups, SetupItem::Setup)->trigger();
}

QLineEdit* box(QDialog* form, const char* name) {
    return form->findChild<QLineEdit*>(QLatin1String(name));
}

}  // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void newCallsignAndColoursReachTheFileTheWindowAndTheEngine() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        QVERIFY(f.server.waitForCount('X', 2));
        f.server.clearReceived();
        f.dialogs.expectColor(paletteColor(0))
            .expectMessage(QStringLiteral("New Callsign Entered"));
        QStringList ports;
        inSetup(f, [&](QDialog* form) {
            // The engine's own port names; it has no second port to offer.
            for (const char* name : {"PortName1", "PortName2"})
                ports << form->findChild<QLabel*>(name)->text();
            QVERIFY(!form->findChild<QRadioButton*>("Option2")->isEnabled());
            box(form, "Text3")->setText(QStringLiteral("pa3abc"));
            box(form, "Altitude")->setText(QStringLiteral("120"));
            box(form, "MinElevation")->setText(QStringLiteral("10"));
            run(*form, "Command13");  // box text black
            run(*form, "Command1");
        });
        QCOMPARE(ports, (QStringList{"Port1 Fake soundcard", ""}));
        QCOMPARE(f.find<QLabel>("Label4")->text(), QStringLiteral("PA3ABC"));
        QVERIFY(f.readFile(QStringLiteral("zeno.ini")).contains("[Your Call Sign]\r\nPA3ABC\r\n"));
        QVERIFY(
            f.readFile(QStringLiteral("orbit.ini")).contains("altitude=120\r\nminelevation=10"));
        QCOMPARE(f.find<QComboBox>("Combo1")->palette().color(QPalette::Text), QColor(Qt::black));
        QVERIFY(f.server.waitForFrame('X'));
        QCOMPARE(f.server.receivedOfKind('X').first().callFrom, QStringLiteral("PA3ABC"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void engineRefusingTheNewCallsignEndsInOrder() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.server.stop();
        QTRY_VERIFY(!f.link().isUp());
        f.dialogs.expectMessage(
            kProgramTitle, MsgAnswer::Ok,
            QStringLiteral("Cannot connect to AGW Packet Engine, is it running ?"));
        inSetup(f, [](QDialog* form) {
            box(form, "Text3")->setText(QStringLiteral("PA3ABC"));
            run(*form, "Check4");
            run(*form, "Command1");
        });
        QVERIFY(f.hasEnded());
        const QByteArray ini = f.readFile(QStringLiteral("zeno.ini"));
        QVERIFY(ini.contains("[Your Call Sign]\r\nPA3ABC\r\n"));
        QVERIFY(ini.contains("[SavePosition]\r\n-1\r\n"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void listenerLayout_data() {
        columns<bool>("atStartUp");
        row("stored: at start-up", true);
        row("switched on in the setup", false);
    }

    void listenerLayout() {
        QFETCH(bool, atStartUp);
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.swlMode = atStartUp ? 1 : 0;
        s.aprs = QStringLiteral("=5258.23N/00002.77W-73 {ZENO30}");
        s.aprsEnabled = s.beacon = -1;  // a beacon that could go
        QVERIFY(f.startStation(s));
        if (!atStartUp) {
            f.dialogs.expectMessage(QStringLiteral("SWL Mode"));
            inSetup(f, [](QDialog* form) {
                run(*form, "Check6");
                run(*form, "Command1");
            });
        }
        // The beacon and incoming connects are switched off by the setup's rules; nothing is
        // left to send with.
        for (const char* panel : {"Frame2", "Frame3", "Frame7", "Frame8"})
            QVERIFY2(f.find<QGroupBox>(panel)->isHidden(), panel);
        QVERIFY(!f.find<QGroupBox>("SWLFrame")->isHidden());
        const auto* beacon = f.find<QLabel>("Label6");
        QVERIFY(beacon->text() == QStringLiteral("Beacon OFF") && !beacon->isEnabled());
        QCOMPARE(f.find<QLabel>("SWLlabel1")->text(), QStringLiteral("PA3XYZ"));
        auto* expand = f.find<QCheckBox>("Check5");
        QVERIFY(expand->isChecked() && expand->isHidden());
        // Under the top row, which is taller than designed where its fonts need it.
        QCOMPARE(f.find<QGroupBox>("Frame1")->y(),
                 std::max(f.find<QGroupBox>("Frame3")->height(),
                          f.find<QGroupBox>("Frame6")->geometry().bottom() + 1));
        QCOMPARE(f.find<QGroupBox>("Frame5")->pos(), QPoint(1, 0));
        for (QAction* item : f.form1().controls().menus.menusends)
            QVERIFY(!item->isEnabled());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void newEngineAddressMovesTheLink() {
        ZenoFixture f;
        FakeAgwServer second;
        QVERIFY(f.startStation());
        const QString where = QStringLiteral("127.0.0.1:%1").arg(second.port());
        f.dialogs.expectMessage(QStringLiteral("Engine address"));
        bool stayedOpen = false;
        inSetup(f, [&](QDialog* form) {
            box(form, "EnginePort")->setText(QStringLiteral("0"));
            run(*form, "Command1");
            stayedOpen = form->isVisible();
            box(form, "EnginePort")->setText(QString::number(second.port()));
            run(*form, "Command1");
        });
        QVERIFY(stayedOpen);
        QVERIFY(second.waitForFrame('X'));
        QCOMPARE(second.receivedOfKind('X').first().callFrom, QStringLiteral("PA3XYZ"));
        QVERIFY(f.server.waitForClients(0));
        QTRY_VERIFY(f.find<QLabel>("linkStatus")->text().contains(where));
        QVERIFY(f.tickUntil([&] { return f.monitorText().contains(where); }));
        QVERIFY(f.readFile(QStringLiteral("engine.ini"))
                    .contains("port=" + QByteArray::number(second.port())));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    // Named in the status bar and as the monitor's first line until Setup writes the file
    // again; Setup offers the file's own values to mend.
    void damagedEngineFileIsNamedUntilMended() {
        ZenoFixture f;
        f.writeStationSettings();
        f.create();
        // As a damaged file leaves it, but with the in-test engine's address.
        f.state().engine.problem = EngineFileProblem{"engine.ini bad", "127.0.0.1", "80o0"};
        QVERIFY(f.start());
        auto* status = f.find<QLabel>("engineFileStatus");
        QCOMPARE(status->text(), "engine.ini bad");
        QVERIFY(f.monitorText().startsWith("engine.ini bad\n"));
        inSetup(f, [&](QDialog* form) {
            QCOMPARE(box(form, "EnginePort")->text(), QStringLiteral("80o0"));
            box(form, "EnginePort")->setText(QString::number(f.server.port()));
            run(*form, "Command1");
        });
        QVERIFY(status->isHidden());
        QVERIFY(f.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
