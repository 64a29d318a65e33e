// The main window's transmit side as the operator drives it: which control sends what, which
// box and history follow, and when the beacon goes. The rules themselves are unit-tested in
// tests/unit/tx.

#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/form1.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace zeno;
using namespace zeno::test;

namespace {

using Frames = QList<QPair<QString, QString>>;  // call field and data of each UI frame

const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");

// A station that has run before, with a 10 s beacon (41 poll ticks) and these settings changed.
class Station : public ZenoFixture {
public:
    explicit Station(const std::function<void(Settings&)>& change = {}) {
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.beaconInterval = 10;
        if (change)
            change(s);
        writeSettings(s);
        create();
        spy = std::make_unique<QSignalSpy>(&link(), &AgwLink::sendRequested);
        QVERIFY(start());
    }
    // Every box the test expected was shown.
    ~Station() {
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n')));
    }
    Frames sent() const {
        Frames frames;
        for (const QList<QVariant>& args : *spy) {
            if (args.at(0).value<QChar>() == QLatin1Char('V'))
                frames.append({args.at(1).toString(), args.at(2).toString()});
        }
        return frames;
    }
    QComboBox* combo(int n) const { return find<QComboBox>(QStringLiteral("Combo%1").arg(n)); }
    QAction* sendMenu(int index) const { return form1().controls().menusends.at(index); }
    // Send button, comment box, send menu item and the explaining tooltip's absence.
    QList<bool> aprsControls() const {
        return {find<QPushButton>("Command9")->isEnabled(), combo(4)->isEnabled(),
                sendMenu(2)->isEnabled(), find<QLabel>("Label8")->toolTip().isEmpty()};
    }
    // Poll ticks until one more frame went out; -1 when none did within the limit.
    int ticksUntilSent(int limit = 1000) {
        const qsizetype before = sent().size();
        for (int n = 1; n <= limit; ++n) {
            tick();
            if (sent().size() > before)
                return n;
        }
        return -1;
    }
    // One poll tick with the clock showing this time.
    void tickAt(int h, int m, int s = 0) {
        platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(h, m, s)));
        tick();
    }
    std::unique_ptr<QSignalSpy> spy;
};

const QList<bool> kAprsOn(4, true);

QStringList items(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// Acts on the modal window `name` once it runs, then closes it so a test never hangs on it.
void whenOpen(const QString& name, const std::function<void(QDialog*)>& act) {
    QTimer::singleShot(0, qApp, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name)
            act(qobject_cast<QDialog*>(modal));
        else
            QTest::qFail(qPrintable(name + QStringLiteral(" did not open")), __FILE__, __LINE__);
        if (modal && modal->isVisible())
            modal->close();
    });
}

}  // namespace

class TestForm1Transmit : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void blankToAndViaAskForTheCall_data() {
        QTest::addColumn<int>("menuItem");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("data");
        QTest::newRow("TX data") << 1 << "Enter station Call Sign or the digipeater call"
                                 << "typed";
        QTest::newRow("header only")
            << 0 << "Enter Call Sign of the station or de digipeater call." << QString();
    }

    void blankToAndViaAskForTheCall() {
        QFETCH(int, menuItem);
        QFETCH(QString, prompt);
        QFETCH(QString, data);
        Station f;
        f.combo(1)->setEditText(QStringLiteral("typed"));
        f.combo(2)->setEditText(QStringLiteral(" "));
        f.combo(3)->setEditText(QString());
        f.dialogs.expectInput(QStringLiteral("ZENO"), QStringLiteral("pa3abc rs0iss"));
        f.sendMenu(menuItem)->trigger();
        QCOMPARE(f.dialogs.shown.last().text, prompt);
        QCOMPARE(f.sent(), (Frames{{"PA3ABC RS0ISS", data}}));
        QCOMPARE(f.form1().boxText(HistoryBox::To), QString());
        // The header alone leaves the TX text and its history alone.
        QCOMPARE(f.state().settings.txDataHistory.contains("typed"), !data.isEmpty());

        // An empty answer: nothing sent, no box and no history changed.
        const Settings& s = f.state().settings;
        const auto histories = [&] { return QList{s.toHistory, s.viaHistory, s.txDataHistory}; };
        const auto before = histories();
        f.spy->clear();
        f.combo(2)->setEditText(QStringLiteral("  "));
        f.dialogs.expectInput(QStringLiteral("ZENO"), QString());
        f.sendMenu(menuItem)->trigger();
        QVERIFY(f.sent().isEmpty());
        QCOMPARE(f.form1().boxText(HistoryBox::To), QStringLiteral("  "));
        QCOMPARE(histories(), before);
    }

    void enterInTheBoxes() {
        Station f;
        auto* to = f.combo(2);
        auto* via = f.combo(3);
        auto* tx = f.combo(1);
        // To and Via only record the entry; nothing goes out.
        to->setEditText(QStringLiteral("pa3abcdefghij"));
        QTest::keyClick(to->lineEdit(), Qt::Key_Return);
        QCOMPARE(to->currentText(), QStringLiteral("PA3ABCDEFG"));
        QCOMPARE(items(to), (QStringList{"CQ", "APRS", "PCSAT", "PA3ABCDEFG"}));
        QCOMPARE(f.state().settings.toHistory, items(to));
        via->setEditText(QStringLiteral("wide1-1"));
        QTest::keyClick(via->lineEdit(), Qt::Key_Enter);
        QCOMPARE(items(via).last(), QStringLiteral("WIDE1-1"));
        QCOMPARE(f.state().settings.viaHistory, items(via));
        QVERIFY(f.sent().isEmpty());

        // Enter in the TX box sends it; the boxes go upper case, the text is cut to 80.
        const QString eighty(80, QLatin1Char('x'));
        to->setEditText(QStringLiteral("cq"));
        tx->setEditText(eighty + QLatin1Char('y'));
        QTest::keyClick(tx->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.sent(), (Frames{{"CQ WIDE1-1", eighty}}));
        QCOMPARE(to->currentText(), QStringLiteral("CQ"));
        QCOMPARE(f.state().settings.toCall, QStringLiteral("CQ"));
        QCOMPARE(f.state().settings.digistation, QStringLiteral("WIDE1-1"));
        QCOMPARE(f.state().settings.txDataHistory.count(eighty), 1);
        QCOMPARE(tx->lineEdit()->selectedText(), eighty);
        f.find<QPushButton>("Command2")->click();
        QCOMPARE(f.sent().size(), 2);
    }

    void positionReport_data() {
        QTest::addColumn<int>("zenoTag");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("data");
        const QString seventy(70, QLatin1Char('c'));
        QTest::newRow("with tag") << 0 << "73' Via Satellite" << false
                                  << kHeader + "73' Via Satellite {ZENO30}";
        QTest::newRow("tag dropped")
            << -1 << " 73' Via Satellite " << false << kHeader + "73' Via Satellite";
        QTest::newRow("Enter cuts to 60")
            << 0 << seventy << true << kHeader + seventy.left(60) + " {ZENO30}";
    }

    void positionReport() {
        QFETCH(int, zenoTag);
        QFETCH(QString, comment);
        QFETCH(bool, byEnter);
        QFETCH(QString, data);
        Station f([&](Settings& s) {
            s.aprs = kHeader + QStringLiteral("old {ZENO30}");
            s.aprsEnabled = -1;
            s.zenoTag = zenoTag;
        });
        QCOMPARE(f.aprsControls(), kAprsOn);
        f.combo(4)->setEditText(comment);
        f.combo(2)->setEditText(QStringLiteral("aprs"));
        if (byEnter)
            QTest::keyClick(f.combo(4)->lineEdit(), Qt::Key_Return);
        else
            f.sendMenu(2)->trigger();
        QCOMPARE(f.sent(), (Frames{{"APRS RS0ISS", data}}));
        QCOMPARE(f.state().settings.aprs, data);
        QCOMPARE(f.state().settings.toHistory, (QStringList{"CQ", "APRS", "PCSAT"}));
        QCOMPARE(f.state().settings.aprsDataHistory.last(), comment.trimmed().left(60));
    }

    void setupEnablesSending() {
        Station f;  // no position stored
        QCOMPARE(f.aprsControls(), QList<bool>(4, false));
        f.dialogs.expectMessage(
            QStringLiteral("Send Location and Comments in APRS format"), MsgAnswer::Ok,
            QStringLiteral(
                "Please enter your coordinates in the Setup Menu before sending in APRS."));
        f.form1().Command9_Click();

        f.combo(4)->setEditText(QStringLiteral("portable"));
        f.dialogs.expectMessage(QStringLiteral("APRS Setup complete"), MsgAnswer::Yes);
        whenOpen(QStringLiteral("Form2"), [](QDialog* form) {
            form->findChild<QLineEdit*>("Text6")->setText(QStringLiteral("52"));
            form->findChild<QLineEdit*>("Text7")->setText(QStringLiteral("58"));
            form->findChild<QLineEdit*>("Text8")->setText(QStringLiteral("23"));
            form->findChild<QLineEdit*>("Text10")->setText(QStringLiteral("02"));
            form->findChild<QLineEdit*>("Text11")->setText(QStringLiteral("77"));
            form->findChild<QComboBox*>("Combo2")->setEditText(QStringLiteral("w"));
            QTest::mouseClick(form->findChild<QWidget*>("Picture4"), Qt::LeftButton);
            form->findChild<QPushButton*>("Command1")->click();
        });
        f.form1().menusetups_Click(1);  // takes the comment box text as the comment first
        const QString stored = kHeader + QStringLiteral("portable {ZENO30}");
        QCOMPARE(f.state().settings.aprs, stored);
        QCOMPARE(f.aprsControls(), kAprsOn);
        f.form1().Command9_Click();
        QCOMPARE(f.sent(), (Frames{{"CQ RS0ISS", stored}}));

        // The button is on but APRS was switched off since.
        f.state().settings.aprsEnabled = 0;
        f.dialogs.expectMessage(QStringLiteral("APRS Not Enabled"), MsgAnswer::Ok,
                                QStringLiteral("APRS is not enabled in the Setup Menu!"));
        f.form1().Command9_Click();
        QCOMPARE(f.sent().size(), 1);
    }

    void messages() {
        Station f;
        auto* forBox = f.combo(5);
        auto* message = f.combo(6);
        forBox->setEditText(QStringLiteral("  "));
        const QStringList texts = f.state().settings.messageTextHistory;
        f.dialogs.expectMessage(QStringLiteral("Empty 'For:' designation"), MsgAnswer::Ok,
                                QStringLiteral("You need to enter a callsign or command the 'For:' "
                                               "input-box of the 'TX APRS Bulletin'"));
        f.sendMenu(3)->trigger();
        QCOMPARE(f.state().settings.messageTextHistory, texts);

        // Enter in the For box only records it.
        forBox->setEditText(QStringLiteral("PA3ABC-15X"));
        QTest::keyClick(forBox->lineEdit(), Qt::Key_Return);
        QVERIFY(f.sent().isEmpty());
        QCOMPARE(forBox->currentText(), QStringLiteral("PA3ABC-15"));
        QCOMPARE(message->toolTip(), QStringLiteral("Message contents to transmit For:PA3ABC-15"));

        const QString seventy(70, QLatin1Char('m'));
        message->setEditText(seventy + QStringLiteral("mmmmm"));
        QTest::keyClick(message->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.sent(), (Frames{{"CQ RS0ISS", ":PA3ABC-15:" + seventy}}));
        QCOMPARE(f.state().settings.messageTextHistory.last(), seventy);

        // The button sends the text as it stands.
        message->setEditText(QStringLiteral(" hi "));
        f.find<QPushButton>("Command7")->click();
        QCOMPARE(f.sent().last().second, QStringLiteral(":PA3ABC-15: hi "));
        QCOMPARE(f.state().settings.messageTextHistory.last(), QStringLiteral("hi"));
    }

    void heardList() {
        Station f;
        auto* list = f.find<QListWidget>("List1");
        f.dialogs.expectMessage(QStringLiteral("Send MHeard List"), MsgAnswer::Ok,
                                QStringLiteral("No stations heard, so nothing to send."));
        f.sendMenu(9)->trigger();
        list->addItem(QStringLiteral(" PA3XYZ "));
        f.sendMenu(8)->trigger();  // only our own call: nothing, and no message
        QVERIFY(f.sent().isEmpty());

        // Our own call is left out; a text longer than a frame goes in pieces of 90.
        list->clear();
        const QString longEntry(100, QLatin1Char('L'));
        list->addItems({QStringLiteral("N0CALL"), QStringLiteral("PA3XYZ"), longEntry});
        f.sendMenu(9)->trigger();
        f.sendMenu(8)->trigger();
        const QString calls = "N0CALL," + longEntry + ",{ZENO30}";
        const QString bulletin = ":BLN0QSLs :" + calls;
        const QString heard = "Heard:" + calls;
        const QString cq = QStringLiteral("CQ RS0ISS");
        QCOMPARE(f.sent(), (Frames{{cq, bulletin.left(90)},
                                   {cq, bulletin.mid(90)},
                                   {cq, heard.left(90)},
                                   {cq, heard.mid(90)}}));
    }

    void historyEditorReplacesTheList() {
        Station f;
        auto* tx = f.combo(1);
        tx->setEditText(QStringLiteral("typed"));
        f.dialogs.expectInput(QStringLiteral("Add Line"), QStringLiteral("second line"));
        whenOpen(QStringLiteral("Form5"), [](QDialog* form) {
            form->findChild<QPushButton*>("Command5")->click();
            form->findChild<QPushButton*>("Command1")->click();
        });
        f.form1().Command12_Click();
        QCOMPARE(items(tx), (QStringList{"Software: ZENO 3.0", "second line"}));
        QCOMPARE(f.state().settings.txDataHistory, items(tx));
        QCOMPARE(tx->currentText(), QStringLiteral("Software: ZENO 3.0"));

        // Remove All and OK: the drop-down list is empty, the box keeps its text.
        auto* comment = f.combo(4);
        comment->setEditText(QStringLiteral("kept"));
        whenOpen(QStringLiteral("Form5"), [](QDialog* form) {
            form->findChild<QPushButton*>("Command3")->click();
            form->findChild<QPushButton*>("Command1")->click();
        });
        f.form1().menusetups_Click(4);
        QCOMPARE(comment->count(), 0);
        QVERIFY(f.state().settings.aprsDataHistory.isEmpty());
        QCOMPARE(comment->currentText(), QStringLiteral("kept"));

        // Cancel changes nothing.
        const QStringList messages = f.state().settings.messageTextHistory;
        whenOpen(QStringLiteral("Form5"), [](QDialog* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Edit TX APRS-Messages entries"));
            form->findChild<QPushButton*>("Command3")->click();
            form->findChild<QPushButton*>("Command2")->click();
        });
        f.form1().Command17_Click();
        QCOMPARE(f.state().settings.messageTextHistory, messages);
    }

    void beaconCountsWhileOnAndFree() {
        Station f([](Settings& s) { s.beacon = -1; });  // stored on: runs from start-up
        f.combo(1)->setEditText(QStringLiteral("beacon text"));
        f.tick(30);
        f.form1().Label6_DblClick();
        f.tick(200);
        QVERIFY(f.sent().isEmpty());
        f.form1().Label6_DblClick();
        QCOMPARE(f.ticksUntilSent(), 11);
        QCOMPARE(f.ticksUntilSent(), 41);
        QCOMPARE(f.sent(), Frames(2, {"CQ RS0ISS", "beacon text"}));
        QVERIFY(f.state().settings.txDataHistory.contains(QStringLiteral("beacon text")));

        // The poll tick goes on while the APRS setup is open; the beacon due then is skipped.
        f.tick(40);
        whenOpen(QStringLiteral("Form2"), [&](QDialog*) { f.tick(); });
        f.form1().Command19_Click();
        QCOMPARE(f.sent().size(), 2);
        QCOMPARE(f.ticksUntilSent(), 41);
    }

    void positionBeacon_data() {
        QTest::addColumn<bool>("aprsSetUp");
        QTest::addColumn<int>("frames");
        QTest::newRow("set up") << true << 2;
        QTest::newRow("not set up: nothing, no message") << false << 0;
    }

    void positionBeacon() {
        QFETCH(bool, aprsSetUp);
        QFETCH(int, frames);
        Station f([&](Settings& s) {
            s.beacon = -1;
            s.selectedBeacon = 2;
            s.aprs = aprsSetUp ? kHeader : QString();
            s.aprsEnabled = -1;
        });
        f.tick(2 * 41);
        QCOMPARE(f.sent(), Frames(frames, {"CQ RS0ISS", kHeader + "73' Via Satellite {ZENO30}"}));
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void timedBeacon() {
        Station f;
        auto* label = f.find<ClickableLabel>("Label6");
        f.find<QLineEdit>("Text5")->setText(QStringLiteral("12:00:00"));
        f.find<QLineEdit>("Text6")->setText(QStringLiteral("12:30:00"));
        f.tickAt(12, 0);
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));  // Auto Beacon not checked

        f.find<QCheckBox>("Check4")->setChecked(true);
        f.tickAt(11, 59, 59);
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        f.tickAt(12, 0);
        QCOMPARE(label->text(), QStringLiteral("Beacon ON"));
        QCOMPARE(f.state().settings.beacon, -1);
        QCOMPARE(f.ticksUntilSent(), 40);  // the clock comes first: that tick counted

        // The label switches it by hand; the stop time switches it off.
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        QCOMPARE(f.state().settings.beacon, 0);
        QTest::mouseDClick(label, Qt::LeftButton);
        f.tickAt(12, 30);
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        QCOMPARE(f.state().settings.beacon, 0);

        // The same start and stop: on, and at once off again.
        f.form1().Label6_DblClick();
        f.find<QLineEdit>("Text5")->setText(QStringLiteral("12:45:00"));
        f.find<QLineEdit>("Text6")->setText(QStringLiteral("12:45:00"));
        f.tickAt(12, 45);
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
    }

    void listenerModeSwitchesTheBeaconOff() {
        Station f([](Settings& s) {
            s.beacon = -1;
            s.swlMode = 1;
        });
        auto* label = f.find<ClickableLabel>("Label6");
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        QVERIFY(!label->isEnabled());
        QCOMPARE(f.state().settings.beacon, 0);
    }
};

QTEST_MAIN(TestForm1Transmit)
#include "tst_form1_transmit.moc"
