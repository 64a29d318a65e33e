// The terminal window and connected mode through the whole program: a station that connects,
// a second one, a refused one, our own connect, and each control of the terminal. The rules
// behind them are proven in tests/unit/connected.
#include "config/appstate.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "support/testrows.h"
#include "ui/editor.h"
#include "ui/form1menus.h"
#include "ui/form4.h"
#include "ui/meld.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

using Sent = ZenoFixture::Sent;
const QString kOwn = QStringLiteral("PA3XYZ");

Form4* terminal(const ZenoFixture& f) { return f.form1().findChild<Form4*>(); }

QString popup(const ZenoFixture& f) {
    const Meld* meld = f.form1().findChild<Meld*>();
    return meld ? meld->Label1->text() : QString();
}

// The data of every connected-data frame with something in it.
QStringList dataSent(const ZenoFixture& f) {
    QStringList data;
    for (const Sent& s : f.sent) {
        if (s.kind == u'D' && !s.data.isEmpty())
            data << s.data;
    }
    return data;
}

QAction* sendItem(const ZenoFixture& f, SendItem item) {
    return menuItem(f.form1().controls().menus.menusends, item);
}

// A running station with its own connect text, and N2BBB connected to it.
bool connected(ZenoFixture& f) {
    if (!f.startStation(kOwn))
        return false;
    f.writeFile(QStringLiteral("ctext.txt"), "Hello\r\n");
    f.server.sendConnected(QStringLiteral("N2BBB"), kOwn);
    return f.tickUntil([&] { return f.state().connection.IsConnected; });
}

}  // namespace

Q_DECLARE_METATYPE(zeno::test::ZenoFixture::Sent)

class TestForm4 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void stationConnectsIsAnsweredAndLeaves() {
        ZenoFixture f;
        QVERIFY(connected(f));
        f.writeFile(QStringLiteral("info.txt"), "QTH here\r\n");
        Form4* t = terminal(f);
        QVERIFY(t && t->isVisible());
        QCOMPARE(t->windowTitle(), QStringLiteral("Connected to N2BBB on Channel 1"));
        QCOMPARE(f.form1().windowTitle(), f.state().MainCaption + QStringLiteral(" ->N2BBB"));
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("N2BBB"));
        QVERIFY(sendItem(f, SendItem::Disconnect)->isEnabled());
        QCOMPARE(dataSent(f), QStringList{"\rHello\r"});
        const QString bell = f.file(QStringLiteral("bell.wav"));
        QCOMPARE(f.platform.played, (QStringList{bell, bell}));
        QCOMPARE(f.platform.waits, QList<int>{1000});

        f.server.sendData(QStringLiteral("N2BBB"), kOwn, "//I\r");
        QVERIFY(f.tickUntil([&] { return dataSent(f).size() == 2; }));
        QCOMPARE(dataSent(f).last(), QStringLiteral("\rQTH here\r"));
        QVERIFY(t->conversation().text().contains(QStringLiteral("//I\r\n")));

        f.server.sendDisconnected(QStringLiteral("N2BBB"), kOwn);
        QVERIFY(f.tickUntil([&] { return !f.state().connection.IsConnected; }));
        QCOMPARE(t->windowTitle(), QStringLiteral("Disconnected"));
        QCOMPARE(popup(f), QStringLiteral("Disconnected from station N2BBB"));
        QCOMPARE(f.form1().windowTitle(), f.state().MainCaption);
    }

    void secondStation_data() {
        QTest::addColumn<bool>("takeNew");
        row("No keeps the current station", false);
        row("Yes takes the new one", true);
    }

    void secondStation() {
        QFETCH(bool, takeNew);
        ZenoFixture f;
        QVERIFY(connected(f));
        f.sent.clear();
        f.dialogs.expectMessage(QStringLiteral("New connection with your station"),
                                takeNew ? MsgAnswer::Yes : MsgAnswer::No,
                                QStringLiteral("Station N3CCC has connected to you to.\rDo you "
                                               "want to disconnect with current station N2BBB "
                                               "to continue with N3CCC?"));
        f.server.sendConnected(QStringLiteral("N3CCC"), kOwn);
        QVERIFY(f.tickUntil([&] { return f.dialogs.pending() == 0; }));
        const QString kept = takeNew ? QStringLiteral("N3CCC") : QStringLiteral("N2BBB");
        const QString dropped = takeNew ? QStringLiteral("N2BBB") : QStringLiteral("N3CCC");
        QCOMPARE(f.sent.first(), (Sent{u'd', dropped, QString()}));
        QCOMPARE(dataSent(f), takeNew ? QStringList{"\rHello\r"} : QStringList());
        QCOMPARE(f.state().connection.RemoteStation, kept);
        QCOMPARE(f.state().link.LinkAddress, kept);
        const QString caption = QStringLiteral("Connected to %1 on Channel 1").arg(kept);
        QCOMPARE(terminal(f)->windowTitle(), caption);

        // The dropped station's disconnect is swallowed.
        f.server.sendDisconnected(dropped, kOwn);
        QVERIFY(f.tickUntil([&] { return !f.state().connection.IgnoreNextDisconnect; }));
        QVERIFY(f.state().connection.IsConnected);
        QCOMPARE(terminal(f)->windowTitle(), caption);
        QCOMPARE(popup(f), QString());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void refusedCaller() {
        ZenoFixture f;
        QVERIFY(f.startStation(kOwn));
        f.state().connection.RefuseIncoming = true;
        f.server.sendConnected(QStringLiteral("N4DDD"), kOwn);
        QVERIFY(f.tickUntil([&] { return !f.sent.isEmpty() && f.sent.last().kind == u'd'; }));
        QCOMPARE(f.sent.last(), (Sent{u'd', "N4DDD", QString()}));
        QCOMPARE(popup(f), QStringLiteral("Station N4DDD has tried to connect you.\r"
                                          "Auto Disconnected executed."));
        QVERIFY(!terminal(f));
    }

    void connectTo_data() {
        QTest::addColumn<QString>("via");
        QTest::addColumn<Sent>("request");
        row("direct", QString(), Sent{u'c', "N2BBB ", QString()});
        row("through a digipeater", QString("rs0iss"), Sent{u'v', "N2BBB RS0ISS", QString()});
    }

    // Connect To, a typed line, the answer, and the Send menu's Disconnect.
    void connectTo() {
        QFETCH(QString, via);
        ZenoFixture f;
        QVERIFY(f.startStation(kOwn));
        f.find<QComboBox>("Combo2")->setEditText(QString());
        f.find<QComboBox>("Combo3")->setEditText(QString());
        f.dialogs.expectInput(kProgramTitle, QString());
        f.form1().Command10_Click();  // nobody to call: nothing is sent
        QCOMPARE(f.sent.last().kind, u'P');
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("n2bbb"));
        f.find<QComboBox>("Combo3")->setEditText(via);
        sendItem(f, SendItem::Connect)->trigger();
        QTEST(f.sent.last(), "request");
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("N2BBB"));
        QVERIFY(sendItem(f, SendItem::Disconnect)->isEnabled());

        f.server.sendConnected(QStringLiteral("N2BBB"), kOwn, false);
        QVERIFY(f.tickUntil([&] { return f.state().connection.IsConnected; }));
        Form4* t = terminal(f);
        QCOMPARE(t->windowTitle(), QStringLiteral("Connected to N2BBB on Channel 1"));
        QCOMPARE(dataSent(f), QStringList());  // no greeting for the station we called
        QVERIFY(f.platform.played.isEmpty());
        t->Text2->setText(QStringLiteral("hi there"));
        QTest::keyClick(t->Text2, Qt::Key_Return);
        QCOMPARE(dataSent(f), QStringList{"hi there\r"});
        QVERIFY(t->Text2->text().isEmpty());
        f.server.sendData(QStringLiteral("N2BBB"), kOwn, "fine\r");
        QVERIFY(f.tickUntil([&] { return t->conversation().text().contains(u"fine"); }));
        sendItem(f, SendItem::Disconnect)->trigger();
        QCOMPARE(f.sent.last(), (Sent{u'd', "N2BBB", QString()}));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void terminalControls() {
        ZenoFixture f;
        QVERIFY(connected(f));
        Form4* t = terminal(f);
        f.writeFile(QStringLiteral("sendtxt1.txt"), "text one\r\n");
        t->Command5->click();
        QCOMPARE(dataSent(f).last(), QStringLiteral("\rtext one\r"));
        t->findChild<QAction*>("editsend1")->trigger();
        QCOMPARE(f.platform.editorFiles.last(), f.file(QStringLiteral("sendtxt1.txt")));

        f.dialogs.expectMessage(QStringLiteral("No BBS Password entered"));
        t->findChild<QAction*>("bbs2")->trigger();
        QCOMPARE(f.state().settings.bbsMode, 0);
        QVERIFY(t->bbs[0]->isChecked() && !t->bbs[2]->isChecked());
        t->findChild<QAction*>("bbs1")->trigger();
        QCOMPARE(f.state().settings.bbsMode, 1);

        t->Command9->click();
        const Editor* notes = t->findChild<Editor*>();
        QVERIFY(notes && notes->isVisible());
        QCOMPARE(notes->windowTitle(), QStringLiteral("Notebook: PMS(1) Info, commands etc..."));
        QCOMPARE(f.state().notebookFile, f.file(QStringLiteral("pmsinfo1.txt")));

        t->Command2->click();
        QCOMPARE(f.platform.clipboard, t->conversation().text());
        const QString saved = f.file(QStringLiteral("saved.txt"));
        f.dialogs.expectSaveFile(saved);
        t->Command3->click();
        QCOMPARE(f.dialogs.shown.last().defaultText, QStringLiteral("connect1.txt"));
        QCOMPARE(QString::fromLatin1(f.readFile(QStringLiteral("saved.txt"))),
                 t->conversation().text());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void closing_data() {
        QTest::addColumn<bool>("disconnectFirst");
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
        const QList<Sent> request{{u'd', "N2BBB", QString()}};
        QCOMPARE(f.sent, disconnectFirst ? request : QList<Sent>());
        QVERIFY(!f.state().connection.IsConnected);
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void textLimits() {
        ZenoFixture f;
        QVERIFY(connected(f));
        Form4* t = terminal(f);
        t->conversation().append(QString(31001, u'x'));
        QCOMPARE(t->conversation().length(), 26000);
        t->history().append(QString(50001, u'x'));
        QCOMPARE(t->history().length(), 45000);
    }

    void editBbsAndTerminalFiles() {
        ZenoFixture f;
        QVERIFY(f.startStation(kOwn));
        for (QAction* item : f.form1().controls().menus.menuoptionsopens)
            item->trigger();
        QStringList files;
        for (const char* name :
             {"help", "info", "ctext", "bye", "sendtxt1", "sendtxt2", "sendtxt3"})
            files << f.file(QLatin1String(name) + QStringLiteral(".txt"));
        QCOMPARE(f.platform.editorFiles, files);
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
