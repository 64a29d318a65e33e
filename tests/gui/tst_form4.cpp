// The terminal window and connected mode through the whole program; the rules are proven in
// tests/unit/connected, a whole conversation in tests/engine.
#include "config/appstate.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "support/testrows.h"
#include "ui/windows/editor.h"
#include "ui/windows/form4.h"
#include "ui/windows/meld.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

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

    void secondStation_data() {
        columns<bool>("takeNew");
        row("No keeps the current station", false);
        row("Yes takes the new one", true);
    }

    void secondStation() {
        QFETCH(bool, takeNew);
        ZenoFixture f;
        QVERIFY(connected(f));
        f.sent.clear();
        f.dialogs.expectMessage(
            QStringLiteral("New connection with your station"),
            takeNew ? MsgAnswer::Yes : MsgAnswer::No,
            QStringLiteral("Station N3CCC has connected to you to.\rDo you want to disconnect "
                           "with current station N2BBB to continue with N3CCC?"));
        f.server.sendConnected(QStringLiteral("N3CCC"), kOwn);
        QVERIFY(f.tickUntil([&] { return !f.sent.isEmpty(); }));
        const QString kept = takeNew ? QStringLiteral("N3CCC") : QStringLiteral("N2BBB");
        const QString dropped = takeNew ? QStringLiteral("N2BBB") : QStringLiteral("N3CCC");
        const QList<Sent> swap{{u'd', dropped, ""}, {u'D', kept, "\rHello\r"}};
        QCOMPARE(f.sent, swap.mid(0, takeNew ? 2 : 1));
        // The dropped station's disconnect is swallowed.
        f.server.sendDisconnected(dropped, kOwn);
        QVERIFY(f.tickUntil([&] { return !f.state().connection.IgnoreNextDisconnect; }));
        QVERIFY(f.state().connection.IsConnected && !f.form1().findChild<Meld*>());
        QCOMPARE(terminal(f)->windowTitle(),
                 QStringLiteral("Connected to %1 on Channel 1").arg(kept));
    }

    void refusedCaller() {
        ZenoFixture f;
        QVERIFY(f.startStation(kOwn));
        f.state().connection.RefuseIncoming = true;
        f.server.sendConnected(QStringLiteral("N4DDD"), kOwn);
        QVERIFY(f.tickUntil([&] { return f.sent.last() == Sent{u'd', "N4DDD", ""}; }));
        QVERIFY(!terminal(f));
        QCOMPARE(
            f.form1().findChild<Meld*>()->Label1->text(),
            QStringLiteral("Station N4DDD has tried to connect you.\rAuto Disconnected executed."));
    }

    // The controls, and the limits of the conversation and the history.
    void terminalControls() {
        ZenoFixture f;
        QVERIFY(connected(f));
        Form4* t = terminal(f);
        f.writeFile(QStringLiteral("sendtxt1.txt"), "text one\r\n");
        t->Command5->click();
        QCOMPARE(f.sent.last(), (Sent{u'D', "N2BBB", "\rtext one\r"}));
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
    }

    void closing_data() {
        columns<bool>("disconnectFirst");
        row("after Disconnect nothing is asked", true);
        row("during a connection No keeps the link", false);
    }

    void closing() {
        QFETCH(bool, disconnectFirst);
        ZenoFixture f;
        QVERIFY(connected(f));
        f.sent.clear();
        if (disconnectFirst)
            terminal(f)->Command1->click();
        else
            f.dialogs.expectMessage(kProgramTitle, MsgAnswer::No,
                                    QStringLiteral("Do you want to quit the connection?"));
        QVERIFY(terminal(f)->close());
        QCOMPARE(f.sent.size(), disconnectFirst ? 1 : 0);
        QVERIFY(!f.state().connection.IsConnected && f.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
