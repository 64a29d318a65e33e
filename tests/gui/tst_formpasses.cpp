// SPDX-License-Identifier: GPL-3.0-or-later
// Satellite passes in the program: the status line, the pass list with its plot, the timed
// beacon set to a pass, tle.txt updated from a file or the web. The texts' rules are unit-tested.
#include "config/firstrun.h"
#include "support/fixture/zenofixture.h"
#include "support/httpfileserver.h"
#include "support/qtwarnings.h"
#include "ui/common/polarplot.h"
#include "ui/main/form1menus.h"
#include "ui/windows/formpasses.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QByteArray kIss =
    "ISS (ZARYA)\r\n"
    "1 25544U 98067A   26338.54791667  .00014232  00000+0  25733-3 0  9991\r\n"
    "2 25544  51.6339 176.4162 0006213 104.7731 255.3987 15.49851837596517\r\n";

void at(ZenoFixture& f, const QDateTime& t) {
    f.platform.setNow(t.toLocalTime());
    f.tick();
}

// At the APRS example position, the ISS in the Via box, two days after the shipped epoch.
bool startPassStation(ZenoFixture& f) {
    Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
    s.aprs = QStringLiteral("=5258.23N/00002.77W-");
    if (!f.startStation(s))
        return false;
    at(f, QDateTime(QDate(2026, 12, 6), QTime(12, 0, 0)));
    return true;
}

FormPasses* openPasses(ZenoFixture& f) {
    menuItem(f.form1().controls().menus.menuoptions, OptionItem::Passes)->trigger();
    return f.find<FormPasses>(QStringLiteral("FormPasses"));
}

}  // namespace

class TestFormPasses : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void statusLineFollowsTheClockAndTheViaBox() {
        ZenoFixture f;
        QVERIFY(startPassStation(f));
        const auto* status = f.find<QLabel>(QStringLiteral("passStatus"));
        const Pass next = openPasses(f)->passes().value(1);
        at(f, next.aos.addSecs(-12 * 60 - 10));
        const QRegularExpression before(QStringLiteral(
            "^ISS: AOS (\\d\\d:\\d\\d:\\d\\d) in 12 min, max \\d+° [NESW]+→[NESW]+$"));
        QCOMPARE(before.match(status->text()).captured(1),
                 next.aos.toLocalTime().toString(QStringLiteral("HH:mm:ss")));
        at(f, next.tca);
        const QRegularExpression up(QStringLiteral(
            "^ISS up: el \\d+° az \\d+°, LOS in .+, Doppler [+-]\\d+\\.\\d kHz at 145\\.825 MHz$"));
        QVERIFY2(up.match(status->text()).hasMatch(), qPrintable(status->text()));
        at(f, QDateTime(QDate(2026, 12, 27), QTime(14, 0), Qt::UTC));
        QCOMPARE(f.find<QLabel>(QStringLiteral("tleAge"))->text(),
                 QStringLiteral("ISS elements are 23 days old: Setup > Update TLEs..."));
        f.find<QComboBox>(QStringLiteral("Combo3"))->setEditText(QStringLiteral("WIDE,WIDE"));
        at(f, f.platform.now().addSecs(1));
        QCOMPARE(status->text(), QString());
    }

    void passListPlotsTheSelectedPass() {
        ZenoFixture f;
        QVERIFY(startPassStation(f));
        FormPasses* window = openPasses(f);
        auto* list = window->findChild<QTableWidget*>(QStringLiteral("PassList"));
        QVERIFY2(list->rowCount() >= 4, "the ISS passes over England several times in two days");
        const auto* plot = window->findChild<PolarPlot*>(QStringLiteral("PassPlot"));
        list->selectRow(2);
        QVERIFY(qAbs(plot->track().first().y()) < 0.5);  // it rises at the horizon
        QVERIFY(qAbs(plot->track().first().x() - window->passes()[2].aosAzimuthDeg) < 0.5);
    }

    void aPassSetsTheTimedBeaconWhichThenRunsAsEver() {
        ZenoFixture f;
        QVERIFY(startPassStation(f));
        FormPasses* window = openPasses(f);
        auto* list = window->findChild<QTableWidget*>(QStringLiteral("PassList"));
        list->selectRow(2);
        window->findChild<QPushButton*>(QStringLiteral("UseForBeacon"))->click();
        const auto* start = f.find<QLineEdit>(QStringLiteral("Text5"));
        const auto* stop = f.find<QLineEdit>(QStringLiteral("Text6"));
        QCOMPARE(start->text(), list->item(2, 0)->text().right(8));
        QCOMPARE(stop->text(), list->item(2, 5)->text());
        QVERIFY(f.find<QCheckBox>(QStringLiteral("Check4"))->isChecked());
        const QDate day = window->passes()[2].aos.toLocalTime().date();
        const auto* beacon = f.find<QLabel>(QStringLiteral("Label6"));
        at(f, QDateTime(day, QTime::fromString(start->text())));
        QCOMPARE(beacon->text(), QStringLiteral("Beacon ON"));
        at(f, QDateTime(day, QTime::fromString(stop->text())));
        QCOMPARE(beacon->text(), QStringLiteral("Beacon OFF"));
        f.find<QPushButton>(QStringLiteral("NextPass"))->click();
        QCOMPARE(start->text(), list->item(3, 0)->text().right(8));
    }

    void tlesAreReplacedOnlyByFilesThatRead() {
        HttpFileServer server(kIss);
        ZenoFixture f;
        f.writeFile(QStringLiteral("orbit.ini"), "tle=" + server.address().toLatin1() + "\r\n");
        QVERIFY(startPassStation(f));
        const QByteArray shipped = f.readFile(QStringLiteral("tle.txt"));
        f.writeFile(QStringLiteral("broken.tle"), QByteArray(kIss).replace("596517", "596510"));
        f.dialogs.expectOpenFile(f.file(QStringLiteral("broken.tle")))
            .expectMessage(QStringLiteral("Update TLEs"));
        QAction* update = menuItem(f.form1().controls().menus.menusetups, SetupItem::UpdateTles);
        update->trigger();
        QCOMPARE(f.readFile(QStringLiteral("tle.txt")), shipped);
        f.dialogs.expectOpenFile(QString()).expectMessage(QStringLiteral("Update TLEs"),
                                                          MsgAnswer::Yes);
        update->trigger();
        QTRY_COMPARE(f.readFile(QStringLiteral("tle.txt")), kIss);
    }
};

QTEST_MAIN(TestFormPasses)
#include "tst_formpasses.moc"
