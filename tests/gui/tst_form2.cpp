// SPDX-License-Identifier: GPL-3.0-or-later
// "Setup APRS": what it opens with, its checks and what OK stores (rules: tests/unit/tx).

#include "windowtest.h"

#include "ui/common/aprsicons.h"
#include "ui/windows/form2.h"

namespace {

const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");
const char* const kBoxes[] = {"Text6", "Text7",  "Text8",  "Combo1",
                              "Text9", "Text10", "Text11", "Combo2"};

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
    AprsIconPicture* picture(int p) const {
        return form->findChild<AprsIconPicture*>(QStringLiteral("Picture%1").arg(p));
    }
    QList<int> bordered() const {
        QList<int> pictures;
        for (int p = 2; p <= 19; ++p) {
            if (picture(p)->borderStyle() == 1)
                pictures << p;
        }
        return pictures;
    }
    // The eight coordinate boxes, in the order of the header: line edits and two combo boxes.
    static const char* text(const char* box) { return box[0] == 'C' ? "currentText" : "text"; }
    QStringList boxes() const {
        QStringList texts;
        for (const char* name : kBoxes)
            texts << form->findChild<QWidget*>(name)->property(text(name)).toString();
        return texts;
    }
    void enter(const QStringList& texts) const {
        for (int i = 0; i < 8; ++i)
            form->findChild<QWidget*>(kBoxes[i])->setProperty(text(kBoxes[i]), texts[i]);
    }
};

}  // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void opensWithTheStoredPositionOrTheDefaults() {
        Rig stored(kHeader + "comment {ZENO30}");
        QCOMPARE(stored.boxes(), (QStringList{"52", "58", "23", "N", "000", "02", "77", "W"}));
        QCOMPARE(stored.bordered(), QList<int>{4});
        Rig defaults(kHeader.left(19));
        QCOMPARE(defaults.boxes(), (QStringList{"00", "00", "00", "N", "000", "00", "00", "E"}));
        QCOMPARE(defaults.bordered(), QList<int>{2});

        // Eighteen different drawings; a click selects only the one clicked.
        Rig& rig = defaults;
        QSet<QByteArray> seen;
        for (int p = 2; p <= 19; ++p) {
            QImage image(rig.picture(p)->size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            rig.picture(p)->render(&image, {}, {}, QWidget::DrawChildren);
            seen.insert(
                QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(seen.size(), 18);
        QTest::mouseClick(rig.picture(13), Qt::LeftButton);
        QCOMPARE(rig.bordered(), QList<int>{13});
        QVERIFY(!rig.form->coordinatesChanged());  // icons are not coordinates
    }

    void okStores_data() {
        columns<bool, MsgAnswer>("changed", "answer");
        row("unchanged: no question", false, MsgAnswer::Yes);
        row("changed and confirmed", true, MsgAnswer::Yes);
        row("changed, not confirmed: the window stays", true, MsgAnswer::No);
    }

    void okStores() {
        QFETCH(bool, changed);
        QFETCH(MsgAnswer, answer);
        Rig rig(changed ? QString() : kHeader, QStringLiteral("73' Via Satellite"));
        rig.form->Form_Activate();
        if (changed) {
            rig.enter({"52", "58", "23", "n ", "000", "02", "77", "w"});
            rig.form->SelIcoon(4);
            rig.dialogs.expectMessage(QStringLiteral("APRS Setup complete"), answer);
        }
        rig.state.settings.aprsEnabled = -1;
        rig.form->findChild<QPushButton*>("Command1")->click();
        const bool stored = answer == MsgAnswer::Yes;
        QCOMPARE(rig.state.settings.aprs,
                 stored ? kHeader + "73' Via Satellite {ZENO30}" : QString());
        QCOMPARE(rig.state.settings.aprsEnabled, stored ? -1 : 0);
        QCOMPARE(rig.form->result(), stored ? int(QDialog::Accepted) : 0);
    }

    void wrongCoordinates() {
        const QString title = QStringLiteral("APRS coordinates not correct");
        Rig rig(kHeader);
        rig.state.settings.aprsEnabled = -1;
        rig.enter({"52", "58", "5", "N", "000", "02", "77", "W"});
        // Yes: try again, the window stays and nothing changes.
        rig.dialogs.expectMessage(title, MsgAnswer::Yes);
        rig.form->Command1_Click();
        QCOMPARE(rig.form->result(), 0);
        QCOMPARE(rig.state.settings.aprsEnabled, -1);
        // No: APRS is switched off and the window closes.
        rig.dialogs.expectMessage(title, MsgAnswer::No);
        rig.form->Command1_Click();
        QCOMPARE(rig.form->result(), int(QDialog::Rejected));
        QCOMPARE(rig.state.settings.aprsEnabled, 0);
        QCOMPARE(rig.state.settings.aprs, kHeader);
    }

    void cancelAndHelpStoreNothing() {
        Rig rig(kHeader);
        rig.enter({"10", "58", "23", "N", "000", "02", "77", "W"});
        rig.dialogs.expectMessage(QStringLiteral("Help: APRS Setup Coordinates"));
        rig.dialogs.expectMessage(QStringLiteral("Help: Icons"));
        for (const char* button : {"Command9", "Command3", "Command2"})
            rig.form->findChild<QPushButton*>(button)->click();
        QCOMPARE(rig.form->result(), int(QDialog::Rejected));
        QCOMPARE(rig.state.settings.aprs, kHeader);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
