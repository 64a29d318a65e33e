// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal and connected mode in the whole program (rules: tests/unit/connected).

#include "windowtest.h"

#include "ui/windows/editor.h"
#include "ui/windows/form4.h"
#include "ui/windows/meld.h"

namespace {

using Sent = ZenoFixture::Sent;
const QString kOwn = QStringLiteral("PA3XYZ");

Form4* terminal(const ZenoFixture& f) { return f.form1().findChild<Form4*>(); }

// A running station with its own connect text; N2BBB connects to it.
bool connected(ZenoFixture& f) {
    if (!f.startStation(kOwn))
        return false;
    f.writeFile(QStringLiteral("ctext.txt"), "Hello\r\n");
    f.server.sendConnected(QStringLiteral("N2BBB"), kOwn);
    return f.tickUntil([&] { return f.state().connection.IsConnected; });
}

}  // namespace

class TestForm4 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // A second caller taken; the dropped one's disconnect, coming during the swap's pauses,
    // waits for them and is swallowed. Closing then asks first.
    void secondCallerAndClosing() {
        ZenoFixture f;
        QVERIFY(connected(f));
        f.sent.clear();
        f.platform.setRealPauses(true);
        f.dialogs.expectMessage(QStringLiteral("New connection with your station"), MsgAnswer::Yes);
        f.server.sendConnected(QStringLiteral("N3CCC"), kOwn);
        QVERIFY(f.tickUntil([&] { return !f.sent.isEmpty(); }));  // answered: N2BBB sent off
        f.server.sendDisconnected(QStringLiteral("N2BBB"), kOwn);
        QVERIFY(f.tickUntil([&] { return f.sent.size() == 2; }));
        QCOMPARE(f.sent, (QList<Sent>{{u'd', "N2BBB", ""}, {u'D', "N3CCC", "\rHello\r"}}));
        QTest::qWait(400);  // past the second pause
        QVERIFY(f.tickUntil([&] { return !f.state().connection.IgnoreNextDisconnect; }));
        QVERIFY(f.state().connection.IsConnected && !f.form1().findChild<Meld*>());
        QCOMPARE(terminal(f)->windowTitle(), QStringLiteral("Connected to N3CCC on Channel 1"));

        f.dialogs.expectMessage(kProgramTitle, MsgAnswer::No,
                                QStringLiteral("Do you want to quit the connection?"));
        QVERIFY(terminal(f)->close());
        QCOMPARE(f.sent.size(), 2);
        QVERIFY(!f.state().connection.IsConnected && f.dialogs.problems().isEmpty());
    }

    // The new station leaving during the swap's pauses is heard after them: not connected.
    void newCallerLeavingDuringTheSwap() {
        ZenoFixture f;
        QVERIFY(connected(f));
        f.sent.clear();
        f.platform.setRealPauses(true);
        f.dialogs.expectMessage(QStringLiteral("New connection with your station"), MsgAnswer::Yes);
        f.server.sendConnected(QStringLiteral("N3CCC"), kOwn);
        QVERIFY(f.tickUntil([&] { return !f.sent.isEmpty(); }));
        f.server.sendDisconnected(QStringLiteral("N3CCC"), kOwn);
        QTest::qWait(600);  // past both pauses
        QVERIFY(f.tickUntil([&] { return !f.state().connection.IsConnected; }));
        QCOMPARE(terminal(f)->windowTitle(), QStringLiteral("Disconnected"));
    }

    // The controls, the limits of the conversation and the history, and Disconnect.
    void terminalControls() {
        ZenoFixture f;
        QVERIFY(connected(f));
        Form4* t = terminal(f);
        f.writeFile(QStringLiteral("sendtxt1.txt"), "text one\r\n");
        f.writeFile(QStringLiteral("sendtxt2.txt"), "text two\r\n");
        t->Command5->click();
        QCOMPARE(f.sent.last(), (Sent{u'D', "N2BBB", "\rtext one\r"}));
        t->Command7->click();
        QCOMPARE(f.sent.last(), (Sent{u'D', "N2BBB", "\rtext two\r"}));
        f.dialogs.expectMessage(QStringLiteral("No BBS Password entered"));
        t->findChild<QAction*>("bbs2")->trigger();
        QVERIFY(f.state().settings.bbsMode == 0 && !t->bbs[2]->isChecked());
        t->Command9->click();
        auto* notebook = f.form1().findChild<Editor*>(QStringLiteral("Editor"));
        QVERIFY(notebook && notebook->isVisible());
        QCOMPARE(notebook->windowTitle(), QStringLiteral("Notebook: PMS(1) Info, commands etc..."));
        QCOMPARE(notebook->currentFile(), f.file(QStringLiteral("pmsinfo1.txt")));
        t->editsend[2]->trigger();
        QCOMPARE(f.platform.editorFiles, QStringList{f.file(QStringLiteral("sendtxt3.txt"))});
        t->conversation().append(QString(31001, u'x'));
        QCOMPARE(t->conversation().length(), 26000);
        t->history().append(QString(50001, u'x'));
        QCOMPARE(t->history().length(), 45000);

        // After Disconnect the terminal closes without a question.
        t->Command1->click();
        QCOMPARE(f.sent.last(), (Sent{u'd', "N2BBB", ""}));
        QVERIFY(t->close());
        QVERIFY(!f.state().connection.IsConnected && f.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
