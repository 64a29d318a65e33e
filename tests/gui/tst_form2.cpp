// "Setup APRS": the coordinate boxes, the 18 pictures, the checks and what OK stores.

#include "config/appstate.h"
#include "support/qtwarnings.h"
#include "support/scripteddialogs.h"
#include "ui/aprsicons.h"
#include "ui/form2.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");
const QString kWrongTitle = QStringLiteral("APRS coordinates not correct");
const QString kCompleteTitle = QStringLiteral("APRS Setup complete");

struct Rig {
    AppState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form2> form;

    explicit Rig(const QString& aprs = QString(), const QString& comment = QStringLiteral("73")) {
        state.settings.aprs = aprs;
        form = std::make_unique<Form2>(state, dialogs, comment);
    }
    template <typename T>
    T* find(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(QLatin1String(name)); }
    QList<int> bordered() const {
        QList<int> pictures;
        for (int p = 2; p <= 19; ++p) {
            if (find<AprsIconPicture>(QStringLiteral("Picture%1").arg(p))->borderStyle() == 1)
                pictures << p;
        }
        return pictures;
    }
    void enterExample() const {
        box("Text6")->setText(QStringLiteral("52"));
        box("Text7")->setText(QStringLiteral("58"));
        box("Text8")->setText(QStringLiteral("23"));
        box("Text10")->setText(QStringLiteral("02"));
        box("Text11")->setText(QStringLiteral("77"));
        find<QComboBox>(QStringLiteral("Combo2"))->setEditText(QStringLiteral("W"));
        form->SelIcoon(4);
    }
};

}  // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("text");
        QTest::newRow("Text6") << "Text6"
                               << "two digits for degrees" << 2 << "00";
        QTest::newRow("Text7") << "Text7"
                               << "two digits for minutes" << 2 << "00";
        QTest::newRow("Text8") << "Text8"
                               << "two digits for decimal minutes" << 2 << "00";
        QTest::newRow("Text9") << "Text9"
                               << "three digits for degrees" << 3 << "000";
        QTest::newRow("Text10") << "Text10"
                                << "two digits for minutes" << 2 << "00";
        QTest::newRow("Text11") << "Text11"
                                << "two digits for decimal minutes" << 2 << "00";
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, tooltip);
        QFETCH(int, maxLength);
        QFETCH(QString, text);
        Rig rig;
        QLineEdit* box = rig.find<QLineEdit>(name);
        QVERIFY(box);
        QCOMPARE(box->toolTip(), tooltip);
        QCOMPARE(box->maxLength(), maxLength);
        QCOMPARE(box->text(), text);
    }

    void windowAndHemisphereBoxes() {
        Rig rig;
        QCOMPARE(rig.form->windowTitle(), QStringLiteral("Setup APRS"));
        QVERIFY(rig.form->isModal());
        QCOMPARE(rig.find<QGroupBox>("Frame9")->title(), QStringLiteral("APRS: your location"));
        QCOMPARE(rig.find<QGroupBox>("Frame1")->title(), QStringLiteral("Select your APRS Icon"));
        auto* ns = rig.find<QComboBox>("Combo1");
        auto* ew = rig.find<QComboBox>("Combo2");
        QCOMPARE(ns->toolTip(), QStringLiteral("'N' for North or 'S' for South"));
        QCOMPARE(ew->toolTip(), QStringLiteral("'E' for East or 'W' for West"));
        QCOMPARE(ns->count(), 2);
        QCOMPARE(ns->itemText(1), QStringLiteral("S"));
        QCOMPARE(ew->itemText(1), QStringLiteral("W"));
        for (const char* name : {"Command1", "Command2", "Command3", "Command9"})
            QVERIFY(rig.find<QPushButton>(QLatin1String(name)));
        QCOMPARE(rig.find<QPushButton>("Command3")->text(), QStringLiteral("Info"));
    }

    void shortStoredValueOpensWithDefaults() {
        Rig rig(kHeader.left(19));
        QCOMPARE(rig.box("Text6")->text(), QStringLiteral("00"));
        QCOMPARE(rig.box("Text9")->text(), QStringLiteral("000"));
        QCOMPARE(rig.bordered(), QList<int>{2});
    }

    void storedValueFillsTheBoxes() {
        Rig rig(kHeader + QStringLiteral("comment {ZENO30}"));
        QCOMPARE(rig.box("Text6")->text(), QStringLiteral("52"));
        QCOMPARE(rig.box("Text7")->text(), QStringLiteral("58"));
        QCOMPARE(rig.box("Text8")->text(), QStringLiteral("23"));
        QCOMPARE(rig.find<QComboBox>("Combo1")->currentText(), QStringLiteral("N"));
        QCOMPARE(rig.box("Text9")->text(), QStringLiteral("000"));
        QCOMPARE(rig.box("Text10")->text(), QStringLiteral("02"));
        QCOMPARE(rig.box("Text11")->text(), QStringLiteral("77"));
        QCOMPARE(rig.find<QComboBox>("Combo2")->currentText(), QStringLiteral("W"));
        QCOMPARE(rig.bordered(), QList<int>{4});
        QVERIFY(!rig.form->coordinatesChanged());
    }

    void clickingAPictureSelectsOnlyIt() {
        Rig rig;
        QTest::mouseClick(rig.find<AprsIconPicture>("Picture13"), Qt::LeftButton);
        QCOMPARE(rig.bordered(), QList<int>{13});
        QCOMPARE(rig.find<AprsIconPicture>("Picture13")->toolTip(), QStringLiteral("Yacht"));
        QVERIFY(!rig.form->coordinatesChanged());  // icons are not coordinates
    }

    void picturesAreEighteenDifferentDrawings() {
        Rig rig;
        QSet<QByteArray> seen;
        for (int p = 2; p <= 19; ++p) {
            auto* picture = rig.find<AprsIconPicture>(QStringLiteral("Picture%1").arg(p));
            QImage image(picture->size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            picture->render(&image, {}, {}, QWidget::DrawChildren);
            const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                                  image.sizeInBytes());
            QVERIFY2(bits.count('\0') < bits.size(), qPrintable(picture->objectName()));
            seen.insert(bits);
        }
        QCOMPARE(seen.size(), 18);
    }

    void okWithoutChangesStoresAtOnce() {
        Rig rig(kHeader, QStringLiteral("73' Via Satellite"));
        rig.form->Form_Activate();
        rig.form->Command1_Click();
        QVERIFY(rig.dialogs.shown.isEmpty());
        QCOMPARE(rig.form->result(), int(QDialog::Accepted));
        QCOMPARE(rig.state.settings.aprs, kHeader + QStringLiteral("73' Via Satellite {ZENO30}"));
        QCOMPARE(rig.state.settings.aprsEnabled, -1);
    }

    void changedCoordinatesAreConfirmed_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("yes") << MsgAnswer::Yes;
        QTest::newRow("no") << MsgAnswer::No;
    }

    void changedCoordinatesAreConfirmed() {
        QFETCH(MsgAnswer, answer);
        Rig rig{QString(), QString()};
        rig.form->Form_Activate();
        rig.enterExample();
        rig.state.settings.aprsEnabled = -1;
        rig.dialogs.expectMessage(
            kCompleteTitle, answer,
            QStringLiteral("Your latitude is: 52.58.23N\rYour longitude is: "
                           "000.02.77W\rYour selected Icon is: Home\r\rIs this correct?"));
        rig.form->Command1_Click();
        QCOMPARE(rig.dialogs.shown.last().icon, MsgIcon::Information);
        QCOMPARE(rig.dialogs.shown.last().buttons, MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) {
            QCOMPARE(rig.state.settings.aprs, kHeader + QStringLiteral(" {ZENO30}"));
            QCOMPARE(rig.state.settings.aprsEnabled, -1);
            QCOMPARE(rig.form->result(), int(QDialog::Accepted));
        } else {
            QCOMPARE(rig.state.settings.aprs, QString());  // nothing stored, window stays
            QCOMPARE(rig.state.settings.aprsEnabled, 0);
            QCOMPARE(rig.form->result(), 0);
        }
        QVERIFY(rig.dialogs.problems().isEmpty());
    }

    void lowerCaseHemisphereIsStoredUpperCase() {
        Rig rig;
        rig.enterExample();
        rig.find<QComboBox>("Combo1")->setEditText(QStringLiteral("n "));
        rig.find<QComboBox>("Combo2")->setEditText(QStringLiteral("w"));
        rig.dialogs.expectMessage(kCompleteTitle, MsgAnswer::Yes);
        rig.form->Command1_Click();
        QCOMPARE(rig.state.settings.aprs.left(20), kHeader);
    }

    void wrongCoordinates_data() {
        QTest::addColumn<QString>("text8");
        QTest::addColumn<QString>("text9");
        QTest::addColumn<QString>("message");
        QTest::newRow("latitude") << "5"
                                  << "000"
                                  << "The Latitude is not in the correct format.\r\r"
                                     "Do you want to try to enter your coordinates again?";
        QTest::newRow("longitude") << "23"
                                   << "00"
                                   << "\rThe Longitude is not in the correct format.\r\r"
                                      "Do you want to try to enter your coordinates again?";
        QTest::newRow("both") << "5"
                              << "00"
                              << "The Latitude is not in the correct format.\r\r"
                                 "The Longitude is not in the correct format.\r\r"
                                 "Do you want to try to enter your coordinates again?";
    }

    void wrongCoordinates() {
        QFETCH(QString, text8);
        QFETCH(QString, text9);
        QFETCH(QString, message);
        Rig rig(kHeader);
        rig.state.settings.aprsEnabled = -1;
        rig.box("Text8")->setText(text8);
        rig.box("Text9")->setText(text9);

        // Yes: try again, the window stays and nothing changes.
        rig.dialogs.expectMessage(kWrongTitle, MsgAnswer::Yes, message);
        rig.form->Command1_Click();
        QCOMPARE(rig.dialogs.shown.last().icon, MsgIcon::Exclamation);
        QCOMPARE(rig.form->result(), 0);
        QCOMPARE(rig.state.settings.aprs, kHeader);
        QCOMPARE(rig.state.settings.aprsEnabled, -1);

        // No: APRS is switched off and the window closes.
        rig.dialogs.expectMessage(kWrongTitle, MsgAnswer::No, message);
        rig.form->Command1_Click();
        QCOMPARE(rig.form->result(), int(QDialog::Rejected));
        QCOMPARE(rig.state.settings.aprsEnabled, 0);
        QCOMPARE(rig.state.settings.aprs, kHeader);
        QVERIFY(rig.dialogs.problems().isEmpty());
    }

    void cancelStoresNothing() {
        Rig rig(kHeader);
        rig.enterExample();
        rig.box("Text6")->setText(QStringLiteral("10"));
        rig.find<QPushButton>("Command2")->click();
        QCOMPARE(rig.form->result(), int(QDialog::Rejected));
        QCOMPARE(rig.state.settings.aprs, kHeader);
        QVERIFY(rig.dialogs.shown.isEmpty());
    }

    void helpButtons() {
        Rig rig;
        rig.dialogs.expectMessage(QStringLiteral("Help: APRS Setup Coordinates"));
        rig.dialogs.expectMessage(QStringLiteral("Help: Icons"));
        rig.find<QPushButton>("Command9")->click();
        rig.find<QPushButton>("Command3")->click();
        const QString coordinates = rig.dialogs.shown.at(0).text;
        QVERIFY(coordinates.startsWith(
            QStringLiteral("Latitude - input your station latitude. The format is dd.mm.nn<NS>.")));
        QVERIFY(coordinates.contains(QStringLiteral("Example - 52.58.23N\r\rLongitude - input")));
        QVERIFY(coordinates.endsWith(QStringLiteral("Example - 000.02.77W\r\r")));
        const QString icons = rig.dialogs.shown.at(1).text;
        QVERIFY(icons.startsWith(QStringLiteral(
            "Select your icon that will be transmitted along with your coordinates.\rYour icon")));
        QVERIFY(icons.endsWith(QStringLiteral("will have no problem to put you on the map also!")));
        QCOMPARE(rig.dialogs.shown.at(1).icon, MsgIcon::Information);
        QVERIFY(rig.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
