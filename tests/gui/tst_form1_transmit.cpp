// The main window's transmit side: UI frames, the APRS position, messages, the heard list
// and the six histories, as the operator drives them and as the link is asked to send them.

#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/form1.h"

#include <QAction>
#include <QApplication>
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

const QString kTitle = QStringLiteral("ZENO");
const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");

// The "V" frames the program asked the link to send: call field and data.
class SentFrames {
public:
    explicit SentFrames(AgwLink& link) : spy_(&link, &AgwLink::sendRequested) {}
    QList<QPair<QString, QString>> ui() const {
        QList<QPair<QString, QString>> frames;
        for (const QList<QVariant>& args : spy_) {
            if (args.at(0).value<QChar>() == QLatin1Char('V'))
                frames.append({args.at(1).toString(), args.at(2).toString()});
        }
        return frames;
    }
    QStringList data() const {
        QStringList texts;
        for (const auto& frame : ui())
            texts << frame.second;
        return texts;
    }
    void clear() { spy_.clear(); }

private:
    QSignalSpy spy_;
};

QStringList items(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// A station that has run before, with these settings changed.
void startStation(ZenoFixture& f, const std::function<void(Settings&)>& change = {}) {
    Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
    if (change)
        change(s);
    f.writeSettings(s);
    QVERIFY(f.start());
}

// Acts on the modal window `name` once it is open, and closes it if it is still open then,
// so a test never hangs on it.
void whenOpen(const QString& name, const std::function<void(QDialog*)>& act, int triesLeft = 200) {
    QTimer::singleShot(0, qApp, [=] {
        QDialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible())
                dialog = qobject_cast<QDialog*>(w);
        }
        if (!dialog) {
            if (triesLeft > 0)
                whenOpen(name, act, triesLeft - 1);
            else if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

}  // namespace

class TestForm1Transmit : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // --- UI frames ---

    void txTextGoesOutWithTheCallString_data() {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("data");
        const QString eighty(80, QLatin1Char('x'));
        QTest::newRow("lower case boxes") << "cq"
                                          << "rs0iss"
                                          << "Hello"
                                          << "CQ RS0ISS"
                                          << "Hello";
        QTest::newRow("empty text sends a blank") << "CQ"
                                                  << "RS0ISS"
                                                  << ""
                                                  << "CQ RS0ISS"
                                                  << " ";
        QTest::newRow("81 characters send 80") << "CQ"
                                               << "RS0ISS" << eighty + "y"
                                               << "CQ RS0ISS" << eighty;
        QTest::newRow("no path") << "beacon"
                                 << ""
                                 << "hi"
                                 << "BEACON "
                                 << "hi";
    }

    void txTextGoesOutWithTheCallString() {
        QFETCH(QString, to);
        QFETCH(QString, via);
        QFETCH(QString, text);
        QFETCH(QString, call);
        QFETCH(QString, data);
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        auto* toBox = f.find<QComboBox>("Combo2");
        auto* viaBox = f.find<QComboBox>("Combo3");
        auto* txBox = f.find<QComboBox>("Combo1");
        toBox->setEditText(to);
        viaBox->setEditText(via);
        txBox->setEditText(text);

        f.find<QPushButton>("Command2")->click();

        QCOMPARE(sent.ui(), (QList<QPair<QString, QString>>{{call, data}}));
        QCOMPARE(toBox->currentText(), to.toUpper());
        QCOMPARE(viaBox->currentText(), via.toUpper());
        QCOMPARE(f.state().settings.toCall, to.toUpper());
        QCOMPARE(f.state().settings.digistation, via.toUpper());
        QCOMPARE(txBox->currentText(), text.left(80));  // the history cut the box
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void sendMenuItemsAndKeys() {
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        const QList<QAction*> items = f.form1().controls().menusends;
        QCOMPARE(items.at(0)->text(), QStringLiteral("UI Header only"));
        QCOMPARE(items.at(0)->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(items.at(1)->shortcut(), QKeySequence(Qt::Key_F4));
        f.find<QComboBox>("Combo1")->setEditText(QStringLiteral("via the menu"));
        const QStringList txHistory = f.state().settings.txDataHistory;

        items.at(0)->trigger();
        QCOMPARE(sent.ui(), (QList<QPair<QString, QString>>{{"CQ RS0ISS", ""}}));
        QCOMPARE(f.state().settings.txDataHistory, txHistory);  // header only: TX text untouched

        items.at(1)->trigger();
        QCOMPARE(sent.data().last(), QStringLiteral("via the menu"));
        QCOMPARE(f.state().settings.txDataHistory.last(), QStringLiteral("via the menu"));
    }

    void blankToAndViaAskForTheCall_data() {
        QTest::addColumn<int>("sendMenuItem");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("TX data") << 1 << "Enter station Call Sign or the digipeater call";
        QTest::newRow("header only")
            << 0 << "Enter Call Sign of the station or de digipeater call.";
    }

    void blankToAndViaAskForTheCall() {
        QFETCH(int, sendMenuItem);
        QFETCH(QString, prompt);
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral(" "));
        f.find<QComboBox>("Combo3")->setEditText(QString());

        f.dialogs.expectInput(kTitle, QStringLiteral("pa3abc rs0iss"));
        f.form1().menusends_Click(sendMenuItem);
        QCOMPARE(f.dialogs.shown.last().text, prompt);
        QCOMPARE(sent.ui().size(), 1);
        QCOMPARE(sent.ui().first().first, QStringLiteral("PA3ABC RS0ISS"));
        QCOMPARE(f.form1().boxText(HistoryBox::To),
                 QString());  // the blank went into the history rule

        // Cancel: nothing sent, no box and no history changed.
        sent.clear();
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("  "));
        const Settings before = f.state().settings;
        f.dialogs.expectInput(kTitle, QString());
        f.form1().menusends_Click(sendMenuItem);
        QVERIFY(sent.ui().isEmpty());
        QCOMPARE(f.form1().boxText(HistoryBox::To), QStringLiteral("  "));
        QCOMPARE(f.state().settings.toHistory, before.toHistory);
        QCOMPARE(f.state().settings.viaHistory, before.viaHistory);
        QCOMPARE(f.state().settings.txDataHistory, before.txDataHistory);
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void enterInTheBoxes() {
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        auto* to = f.find<QComboBox>("Combo2");
        auto* via = f.find<QComboBox>("Combo3");

        // To and Via only record the entry; nothing goes out.
        to->setEditText(QStringLiteral("pa3abcdefghij"));
        QTest::keyClick(to->lineEdit(), Qt::Key_Return);
        QCOMPARE(to->currentText(), QStringLiteral("PA3ABCDEFG"));
        QCOMPARE(items(to), (QStringList{"CQ", "APRS", "PCSAT", "PA3ABCDEFG"}));
        via->setEditText(QStringLiteral("wide1-1"));
        QTest::keyClick(via->lineEdit(), Qt::Key_Enter);
        QCOMPARE(items(via).last(), QStringLiteral("WIDE1-1"));
        QCOMPARE(f.state().settings.digistation, QStringLiteral("WIDE1-1"));
        QVERIFY(sent.ui().isEmpty());
        f.form1().Combo2_KeyPress(65);  // any other key: nothing
        QCOMPARE(items(to).size(), 4);

        // Enter in the TX box sends it, with the history updated.
        auto* tx = f.find<QComboBox>("Combo1");
        tx->setEditText(QStringLiteral("QST"));
        QTest::keyClick(tx->lineEdit(), Qt::Key_Return);
        QCOMPARE(sent.ui(), (QList<QPair<QString, QString>>{{"PA3ABCDEFG WIDE1-1", "QST"}}));
        QCOMPARE(f.state().settings.txDataHistory.count(QStringLiteral("QST")), 1);
        QCOMPARE(tx->lineEdit()->selectedText(), QStringLiteral("QST"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    // --- APRS position ---

    void positionRefusals() {
        ZenoFixture f;
        startStation(f);  // no position stored
        SentFrames sent(f.link());
        QVERIFY(!f.find<QPushButton>("Command9")->isEnabled());
        QVERIFY(!f.find<QComboBox>("Combo4")->isEnabled());
        QVERIFY(!f.form1().controls().menusends.at(2)->isEnabled());
        QCOMPARE(f.find<QLabel>("Label8")->toolTip(),
                 QStringLiteral("Enter your coordinates in the Setup menu to use this option"));

        f.dialogs.expectMessage(
            QStringLiteral("Send Location and Comments in APRS format"), MsgAnswer::Ok,
            QStringLiteral(
                "Please enter your coordinates in the Setup Menu before sending in APRS."));
        f.form1().Command9_Click();
        QCOMPARE(f.dialogs.shown.last().icon, MsgIcon::Exclamation);

        // The button is on but APRS was switched off since.
        f.find<QPushButton>("Command9")->setEnabled(true);
        f.dialogs.expectMessage(QStringLiteral("APRS Not Enabled"), MsgAnswer::Ok,
                                QStringLiteral("APRS is not enabled in the Setup Menu!"));
        f.form1().Command9_Click();
        QVERIFY(sent.ui().isEmpty());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void positionReport_data() {
        QTest::addColumn<int>("zenoTag");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("data");
        QTest::newRow("comment and tag")
            << 0 << "73' Via Satellite" << kHeader + "73' Via Satellite {ZENO30}";
        QTest::newRow("tag dropped")
            << -1 << " 73' Via Satellite " << kHeader + "73' Via Satellite";
        QTest::newRow("empty comment") << 0 << "" << kHeader + " {ZENO30}";
    }

    void positionReport() {
        QFETCH(int, zenoTag);
        QFETCH(QString, comment);
        QFETCH(QString, data);
        ZenoFixture f;
        startStation(f, [&](Settings& s) {
            s.aprs = kHeader + QStringLiteral("old {ZENO30}");
            s.aprsEnabled = -1;
            s.zenoTag = zenoTag;
        });
        SentFrames sent(f.link());
        QVERIFY(f.find<QPushButton>("Command9")->isEnabled());
        QVERIFY(f.form1().controls().menusends.at(2)->isEnabled());
        QCOMPARE(f.find<QLabel>("Label8")->toolTip(), QString());
        QCOMPARE(f.form1().controls().menusends.at(2)->shortcut(), QKeySequence(Qt::Key_F7));
        f.find<QComboBox>("Combo4")->setEditText(comment);
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("aprs"));

        f.form1().controls().menusends.at(2)->trigger();

        QCOMPARE(sent.ui(), (QList<QPair<QString, QString>>{{"APRS RS0ISS", data}}));
        QCOMPARE(f.state().settings.aprs, data);
        QCOMPARE(f.state().settings.toHistory,
                 (QStringList{"CQ", "APRS", "PCSAT"}));  // already there
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("APRS"));
        if (!comment.trimmed().isEmpty())
            QVERIFY(f.state().settings.aprsDataHistory.contains(comment.trimmed()));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void enterInTheCommentBoxSends() {
        ZenoFixture f;
        startStation(f, [](Settings& s) {
            s.aprs = kHeader;
            s.aprsEnabled = -1;
        });
        SentFrames sent(f.link());
        auto* box = f.find<QComboBox>("Combo4");
        box->setEditText(QString(70, QLatin1Char('c')));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(sent.data(), QStringList{kHeader + QString(60, QLatin1Char('c')) + " {ZENO30}"});
        QCOMPARE(f.state().settings.aprsDataHistory.last(), QString(60, QLatin1Char('c')));
    }

    void setupEnablesSending() {
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        f.find<QComboBox>("Combo4")->setEditText(QStringLiteral("portable"));
        f.dialogs.expectMessage(QStringLiteral("APRS Setup complete"), MsgAnswer::Yes);
        whenOpen(QStringLiteral("Form2"), [](QDialog* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Setup APRS"));
            form->findChild<QLineEdit*>("Text6")->setText(QStringLiteral("52"));
            form->findChild<QLineEdit*>("Text7")->setText(QStringLiteral("58"));
            form->findChild<QLineEdit*>("Text8")->setText(QStringLiteral("23"));
            form->findChild<QLineEdit*>("Text10")->setText(QStringLiteral("02"));
            form->findChild<QLineEdit*>("Text11")->setText(QStringLiteral("77"));
            form->findChild<QComboBox*>("Combo2")->setEditText(QStringLiteral("w"));
            QTest::mouseClick(form->findChild<QWidget*>("Picture4"), Qt::LeftButton);
            form->findChild<QPushButton*>("Command1")->click();
        });
        f.form1().menusetups_Click(1);  // keeps the comment box text as the comment first

        QCOMPARE(f.state().settings.aprs, kHeader + QStringLiteral("portable {ZENO30}"));
        QCOMPARE(f.state().settings.aprsEnabled, -1);
        QVERIFY(f.find<QPushButton>("Command9")->isEnabled());
        QVERIFY(f.find<QComboBox>("Combo4")->isEnabled());
        QVERIFY(f.form1().controls().menusends.at(2)->isEnabled());
        QCOMPARE(f.find<QLabel>("Label8")->toolTip(), QString());
        QVERIFY(
            f.dialogs.shown.last().text.contains(QStringLiteral("Your selected Icon is: Home")));

        f.form1().Command9_Click();
        QCOMPARE(sent.data(), QStringList{kHeader + QStringLiteral("portable {ZENO30}")});

        // The same window from the button; Cancel stores nothing.
        whenOpen(QStringLiteral("Form2"), [](QDialog* form) {
            QCOMPARE(form->findChild<QLineEdit*>("Text6")->text(), QStringLiteral("52"));
            form->findChild<QPushButton*>("Command2")->click();
        });
        f.find<QWidget>("Command19")->setFocus();
        f.form1().Command19_Click();
        QCOMPARE(f.state().settings.aprs, kHeader + QStringLiteral("portable {ZENO30}"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void startUpEnablingRule_data() {
        QTest::addColumn<QString>("aprs");
        QTest::addColumn<int>("enabled");
        QTest::addColumn<bool>("available");
        QTest::newRow("set up") << kHeader << -1 << true;
        QTest::newRow("19 characters") << kHeader.left(19) << -1 << false;
        QTest::newRow("switched off") << kHeader << 0 << false;
    }

    void startUpEnablingRule() {
        QFETCH(QString, aprs);
        QFETCH(int, enabled);
        QFETCH(bool, available);
        ZenoFixture f;
        startStation(f, [&](Settings& s) {
            s.aprs = aprs;
            s.aprsEnabled = enabled;
        });
        QCOMPARE(f.find<QPushButton>("Command9")->isEnabled(), available);
        QCOMPARE(f.find<QComboBox>("Combo4")->isEnabled(), available);
        QCOMPARE(f.form1().controls().menusends.at(2)->isEnabled(), available);
        QCOMPARE(f.find<QLabel>("Label8")->toolTip().isEmpty(), available);
    }

    // --- APRS messages ---

    void messageGoesOutWithItsAddressee_data() {
        QTest::addColumn<QString>("addressee");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("forAfter");
        QTest::newRow("CQ padded") << "CQ"
                                   << "Net tonight"
                                   << ":CQ       :Net tonight"
                                   << "CQ";
        QTest::newRow("nine characters") << "PA3ABC-15"
                                         << "hi"
                                         << ":PA3ABC-15:hi"
                                         << "PA3ABC-15";
        QTest::newRow("longer is cut to nine") << "BLN0QSLSXY"
                                               << "x"
                                               << ":BLN0QSLSX:x"
                                               << "BLN0QSLSX";
        QTest::newRow("text not trimmed") << "EMAIL "
                                          << " hi "
                                          << ":EMAIL    : hi "
                                          << "EMAIL";
    }

    void messageGoesOutWithItsAddressee() {
        QFETCH(QString, addressee);
        QFETCH(QString, text);
        QFETCH(QString, data);
        QFETCH(QString, forAfter);
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        f.find<QComboBox>("Combo5")->setEditText(addressee);
        f.find<QComboBox>("Combo6")->setEditText(text);
        f.find<QPushButton>("Command7")->click();
        QCOMPARE(sent.ui(), (QList<QPair<QString, QString>>{{"CQ RS0ISS", data}}));
        QCOMPARE(f.find<QComboBox>("Combo5")->currentText(), forAfter);
        QCOMPARE(f.state().settings.messageForHistory.count(forAfter), 1);
        QCOMPARE(f.state().settings.messageTextHistory.last(), text.trimmed());
        QCOMPARE(f.form1().controls().menusends.at(3)->shortcut(), QKeySequence(Qt::Key_F9));
    }

    void emptyAddresseeIsRefused() {
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        f.find<QComboBox>("Combo5")->setEditText(QStringLiteral("  "));
        const QStringList messages = f.state().settings.messageTextHistory;
        f.dialogs.expectMessage(QStringLiteral("Empty 'For:' designation"), MsgAnswer::Ok,
                                QStringLiteral("You need to enter a callsign or command the 'For:' "
                                               "input-box of the 'TX APRS Bulletin'"));
        f.form1().menusends_Click(3);
        QVERIFY(sent.ui().isEmpty());
        QCOMPARE(f.state().settings.messageTextHistory, messages);
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void enterInTheMessageBoxes() {
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        auto* forBox = f.find<QComboBox>("Combo5");
        auto* message = f.find<QComboBox>("Combo6");
        forBox->setEditText(QStringLiteral("PA3ABC-15X"));
        QTest::keyClick(forBox->lineEdit(), Qt::Key_Return);
        QVERIFY(sent.ui().isEmpty());
        QCOMPARE(forBox->currentText(), QStringLiteral("PA3ABC-15"));
        QCOMPARE(message->toolTip(), QStringLiteral("Message contents to transmit For:PA3ABC-15"));

        message->setEditText(QString(75, QLatin1Char('m')));
        QTest::keyClick(message->lineEdit(), Qt::Key_Return);
        QCOMPARE(sent.data(), QStringList{":PA3ABC-15:" + QString(70, QLatin1Char('m'))});
        QCOMPARE(f.state().settings.messageTextHistory.last(), QString(70, QLatin1Char('m')));
    }

    // --- heard list ---

    void heardListAsBulletin() {
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        auto* list = f.find<QListWidget>("List1");
        QStringList calls;
        for (int i = 0; i < 12; ++i)
            calls << QStringLiteral("PB%1ABC-%2").arg(i % 10).arg(1 + i / 10);
        list->addItems(calls);
        list->insertItem(3, QStringLiteral("PA3XYZ"));  // our own call is left out

        f.form1().controls().menusends.at(9)->trigger();
        QCOMPARE(sent.data(), (QStringList{":BLN0QSLs :" + calls.mid(0, 8).join(',') + ',',
                                           ":BLN0QSLs :" + calls.mid(8).join(',') + ",{ZENO30}"}));
        QCOMPARE(f.form1().controls().menusends.at(9)->shortcut(), QKeySequence(Qt::Key_F8));

        // The plain list; one long entry makes a text longer than a frame: two pieces.
        sent.clear();
        list->clear();
        const QString longEntry(100, QLatin1Char('L'));
        list->addItems({QStringLiteral("N0CALL"), longEntry});
        f.form1().menusends_Click(8);
        const QString text = "Heard:N0CALL," + longEntry + ",{ZENO30}";
        QCOMPARE(sent.data(), (QStringList{text.left(90), text.mid(90)}));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void heardListWithNothingToSend() {
        ZenoFixture f;
        startStation(f);
        SentFrames sent(f.link());
        f.dialogs.expectMessage(QStringLiteral("Send MHeard List"), MsgAnswer::Ok,
                                QStringLiteral("No stations heard, so nothing to send."));
        f.form1().SendMheardList(1);
        f.find<QListWidget>("List1")->addItem(QStringLiteral(" PA3XYZ "));
        f.form1().SendMheardList(0);  // only our own call: nothing, and no message
        QVERIFY(sent.ui().isEmpty());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    // --- histories ---

    void historiesFollowTheSends() {
        ZenoFixture f;
        startStation(f);
        auto* to = f.find<QComboBox>("Combo2");
        for (int i = 0; i < 7; ++i) {
            to->setEditText(QStringLiteral("call%1").arg(i));
            f.form1().Combo2_KeyPress(13);
        }
        QCOMPARE(items(to).size(), 10);
        to->setEditText(QStringLiteral("cq"));
        f.form1().Command2_Click();
        QCOMPARE(items(to).size(), 10);  // CQ was there
        to->setEditText(QStringLiteral("newest"));
        f.form1().Command2_Click();
        QCOMPARE(items(to).first(), QStringLiteral("APRS"));  // the oldest gave way
        QCOMPARE(items(to).last(), QStringLiteral("NEWEST"));
        QCOMPARE(f.state().settings.toHistory, items(to));

        // Via: the box list ends with an empty entry after loading; entries join before it.
        auto* via = f.find<QComboBox>("Combo3");
        via->setEditText(QStringLiteral("ariss"));
        f.form1().Combo3_KeyPress(13);
        QCOMPARE(items(via).last(), QStringLiteral("ARISS"));
        QCOMPARE(f.state().settings.viaHistory, items(via));
    }

    void historyEditorReplacesTheList() {
        ZenoFixture f;
        startStation(f);
        auto* tx = f.find<QComboBox>("Combo1");
        tx->setEditText(QStringLiteral("typed"));
        f.dialogs.expectInput(QStringLiteral("Add Line"), QStringLiteral("second line"));
        whenOpen(QStringLiteral("Form5"), [](QDialog* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Edit TX-Data entries"));
            form->findChild<QPushButton*>("Command5")->click();
            form->findChild<QPushButton*>("Command1")->click();
        });
        f.find<QWidget>("Command12")->setFocus();
        f.form1().Command12_Click();
        QCOMPARE(items(tx), (QStringList{"Software: ZENO 3.0", "second line"}));
        QCOMPARE(f.state().settings.txDataHistory, items(tx));
        QCOMPARE(tx->currentText(), QStringLiteral("Software: ZENO 3.0"));

        // Remove All and OK: the drop-down list is empty, the box keeps its text.
        auto* comment = f.find<QComboBox>("Combo4");
        comment->setEditText(QStringLiteral("kept"));
        whenOpen(QStringLiteral("Form5"), [](QDialog* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Edit TX-APRS Pos/Data entries"));
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
        QVERIFY(f.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm1Transmit)
#include "tst_form1_transmit.moc"
