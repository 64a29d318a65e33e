// "Setup APRS": the boxes and pictures it opens with, the checks and what OK stores. The
// coordinate rules and texts themselves are unit-tested with the position.

#include "config/appstate.h"
#include "support/qtwarnings.h"
#include "support/scripteddialogs.h"
#include "ui/aprsicons.h"
#include "ui/form2.h"

#include <QComboBox>
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

struct Rig {
    AppState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form2> form;

    explicit Rig(const QString& aprs = QString(), const QString& comment = QString()) {
        state.settings.aprs = aprs;
        form = std::make_unique<Form2>(state, dialogs, comment);
    }
    // Every box the test expected was shown.
    ~Rig() { QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n'))); }
    template <typename T = QLineEdit>
    T* find(const QString& name) const {
        return form->findChild<T*>(name);
    }
    AprsIconPicture* picture(int p) const {
        return find<AprsIconPicture>(QStringLiteral("Picture%1").arg(p));
    }
    QList<int> bordered() const {
        QList<int> pictures;
        for (int p = 2; p <= 19; ++p) {
            if (picture(p)->borderStyle() == 1)
                pictures << p;
        }
        return pictures;
    }
    // The eight coordinate boxes, in the order of the header.
    QStringList boxes() const {
        const auto text = [this](const char* name) { return find(name)->text(); };
        const auto combo = [this](const char* name) {
            return find<QComboBox>(name)->currentText();
        };
        return {text("Text6"), text("Text7"),  text("Text8"),  combo("Combo1"),
                text("Text9"), text("Text10"), text("Text11"), combo("Combo2")};
    }
    // The example position, hemispheres typed in lower case, and the Home picture.
    void enterExample() const {
        find("Text6")->setText(QStringLiteral("52"));
        find("Text7")->setText(QStringLiteral("58"));
        find("Text8")->setText(QStringLiteral("23"));
        find<QComboBox>("Combo1")->setEditText(QStringLiteral("n "));
        find("Text10")->setText(QStringLiteral("02"));
        find("Text11")->setText(QStringLiteral("77"));
        find<QComboBox>("Combo2")->setEditText(QStringLiteral("w"));
        form->SelIcoon(4);
    }
};

}  // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void opensWithTheStoredPosition_data() {
        QTest::addColumn<QString>("aprs");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QList<int>>("bordered");
        QTest::newRow("stored") << kHeader + "comment {ZENO30}"
                                << QStringList{"52", "58", "23", "N", "000", "02", "77", "W"}
                                << QList<int>{4};
        QTest::newRow("19 characters: the defaults")
            << kHeader.left(19) << QStringList{"00", "00", "00", "N", "000", "00", "00", "E"}
            << QList<int>{2};
    }

    void opensWithTheStoredPosition() {
        QFETCH(QString, aprs);
        QFETCH(QStringList, boxes);
        QFETCH(QList<int>, bordered);
        Rig rig(aprs);
        QCOMPARE(rig.boxes(), boxes);
        QCOMPARE(rig.bordered(), bordered);
    }

    void clickingAPictureSelectsOnlyIt() {
        Rig rig;
        QTest::mouseClick(rig.picture(13), Qt::LeftButton);
        QCOMPARE(rig.bordered(), QList<int>{13});
        QVERIFY(!rig.form->coordinatesChanged());  // icons are not coordinates
    }

    void picturesAreEighteenDifferentDrawings() {
        Rig rig;
        QSet<QByteArray> seen;
        for (int p = 2; p <= 19; ++p) {
            QImage image(rig.picture(p)->size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            rig.picture(p)->render(&image, {}, {}, QWidget::DrawChildren);
            const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                                  image.sizeInBytes());
            QVERIFY2(bits.count('\0') < bits.size(), qPrintable(QString::number(p)));
            seen.insert(bits);
        }
        QCOMPARE(seen.size(), 18);
    }

    void okStores_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("unchanged: no question") << false << MsgAnswer::Yes;
        QTest::newRow("changed and confirmed") << true << MsgAnswer::Yes;
        QTest::newRow("changed, not confirmed: the window stays") << true << MsgAnswer::No;
    }

    void okStores() {
        QFETCH(bool, changed);
        QFETCH(MsgAnswer, answer);
        Rig rig(changed ? QString() : kHeader, QStringLiteral("73' Via Satellite"));
        rig.form->Form_Activate();
        if (changed) {
            rig.enterExample();
            rig.dialogs.expectMessage(
                QStringLiteral("APRS Setup complete"), answer,
                QStringLiteral("Your latitude is: 52.58.23N\rYour longitude is: "
                               "000.02.77W\rYour selected Icon is: Home\r\rIs this correct?"));
        }
        rig.state.settings.aprsEnabled = -1;
        rig.form->Command1_Click();
        const bool stored = answer == MsgAnswer::Yes;
        QCOMPARE(rig.state.settings.aprs,
                 stored ? kHeader + "73' Via Satellite {ZENO30}" : QString());
        QCOMPARE(rig.state.settings.aprsEnabled, stored ? -1 : 0);
        QCOMPARE(rig.form->result(), stored ? int(QDialog::Accepted) : 0);
    }

    void wrongCoordinates_data() {
        QTest::addColumn<QString>("text8");
        QTest::addColumn<QString>("text9");
        QTest::addColumn<QString>("message");
        const QString lat = QStringLiteral("The Latitude is not in the correct format.\r");
        const QString lon = QStringLiteral("\rThe Longitude is not in the correct format.\r");
        const QString again =
            QStringLiteral("\rDo you want to try to enter your coordinates again?");
        QTest::newRow("latitude") << QStringLiteral("5") << QStringLiteral("000") << lat + again;
        QTest::newRow("both") << QStringLiteral("5") << QStringLiteral("00") << lat + lon + again;
    }

    void wrongCoordinates() {
        QFETCH(QString, text8);
        QFETCH(QString, text9);
        QFETCH(QString, message);
        Rig rig(kHeader);
        rig.state.settings.aprsEnabled = -1;
        rig.find("Text8")->setText(text8);
        rig.find("Text9")->setText(text9);

        // Yes: try again, the window stays and nothing changes.
        rig.dialogs.expectMessage(kWrongTitle, MsgAnswer::Yes, message);
        rig.form->Command1_Click();
        QCOMPARE(rig.form->result(), 0);
        QCOMPARE(rig.state.settings.aprsEnabled, -1);

        // No: APRS is switched off and the window closes.
        rig.dialogs.expectMessage(kWrongTitle, MsgAnswer::No, message);
        rig.form->Command1_Click();
        QCOMPARE(rig.form->result(), int(QDialog::Rejected));
        QCOMPARE(rig.state.settings.aprsEnabled, 0);
        QCOMPARE(rig.state.settings.aprs, kHeader);
    }

    void cancelAndHelpStoreNothing() {
        Rig rig(kHeader);
        rig.enterExample();
        rig.find("Text6")->setText(QStringLiteral("10"));
        rig.dialogs.expectMessage(QStringLiteral("Help: APRS Setup Coordinates"));
        rig.dialogs.expectMessage(QStringLiteral("Help: Icons"));
        rig.find<QPushButton>("Command9")->click();
        rig.find<QPushButton>("Command3")->click();
        rig.find<QPushButton>("Command2")->click();
        QCOMPARE(rig.form->result(), int(QDialog::Rejected));
        QCOMPARE(rig.state.settings.aprs, kHeader);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
