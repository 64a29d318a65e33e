// SPDX-License-Identifier: GPL-3.0-or-later
// The "Stations" window: each control reaches its rule once and the poll tick fills it; what
// zeno.db keeps (stations, messages, our own messages) comes back after a restart.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/main/form1menus.h"
#include "ui/main/stationsside.h"
#include "ui/windows/formstations.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

template <typename T = QWidget>
T* openWindow(const QString& name = QString()) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<T*>(widget);
        if (window && window->isVisible() && (name.isEmpty() || name == window->objectName()))
            return window;
    }
    return nullptr;
}

}  // namespace

class TestFormStations : public QObject {
    Q_OBJECT

private slots:
    void init() {
        failOnUnexpectedWarnings();
        f_ = std::make_unique<ZenoFixture>();
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.aprs = QStringLiteral("=5200.00N/00500.00E-");
        QVERIFY(f_->startStation(s));
        QVERIFY(
            f_->hear({"N0CALL>APRS,RS0ISS*:=5258.23N/00002.77W-Portable",
                      "PA0ABC>APRS:>QRV tonight", "N2BBB-7>APRS,PCSAT-1*:!4903.50N/07201.75W>"}));
    }

    void cleanup() {
        QVERIFY2(f_->dialogs.problems().isEmpty(), qPrintable(f_->dialogs.problems().join('\n')));
        f_.reset();
    }

    void eachControlOnce() {
        QAction* menu = menuItem(f_->form1().controls().menus.menuoptions, OptionItem::Stations);
        QCOMPARE(menu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        menu->trigger();
        FormStations* form = openWindow<FormStations>();
        QVERIFY(form);
        auto* table = form->findChild<QTableView*>(QStringLiteral("stationsTable"));
        QCOMPARE(table->model()->rowCount(), 3);
        QVERIFY(f_->hear({"N3CDE>APRS:>new"}));  // the tick adds a row to the open window
        QCOMPARE(table->model()->rowCount(), 4);

        auto* filter = form->findChild<QLineEdit*>(QStringLiteral("stationsFilter"));
        filter->setText("io9");  // N0CALL's locator
        QCOMPARE(table->model()->rowCount(), 1);
        const QPoint first = table->visualRect(table->model()->index(0, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(f_->find<QComboBox>(QStringLiteral("Combo5"))->currentText(), "N0CALL");
        filter->setText("n");  // callsigns: N0CALL, N2BBB-7 and N3CDE, two via a satellite
        form->findChild<QCheckBox*>(QStringLiteral("satelliteOnly"))->click();
        QCOMPARE(table->model()->rowCount(), 2);

        click(form, "copyStations");
        QVERIFY(f_->platform.clipboard.startsWith("Callsign\tSymbol\tLast heard"));
        f_->dialogs.expectSaveFile(f_->file(QStringLiteral("stations.csv")))
            .expectMessage(QStringLiteral("Forget all stations"), MsgAnswer::Yes);
        click(form, "saveStations");
        QCOMPARE(f_->readFile(QStringLiteral("stations.csv")).count("\r\n"), 3);
        click(form, "forgetStations");
        QCOMPARE(table->model()->rowCount(), 0);

        QPointer<FormStations> closed(form);
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(closed.isNull());
    }

    // Should the program be killed, a message that reached us is on the disk already; a station
    // heard waits for the store's next write, once a minute.
    void writtenWhenDue() {
        const auto rows = [this](const char* table) {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reader");
            db.setDatabaseName(f_->file(QStringLiteral("zeno.db")));
            QSqlQuery q(db);
            const bool counted =
                db.open() &&
                q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)) && q.next();
            const int count = counted ? q.value(0).toInt() : -1;
            q = QSqlQuery();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase("reader");
            return count;
        };
        QVERIFY(f_->hear({"N2BBB>APZ123,RS0ISS*::PA3XYZ   :are you there"}));
        QCOMPARE(rows("messages"), 1);
        const int stations = rows("stations");
        QVERIFY(f_->hear({"G4XYZ>APZ123:>QRV"}));
        QCOMPARE(rows("stations"), stations);
        for (int i = 0; i < zeno::StationsSide::kTicksPerStationCommit; ++i)
            f_->tick();
        QCOMPARE(rows("stations"), stations + 1);
    }

    // What zeno.db keeps comes back after a restart: the stations, the messages logged and our
    // own messages with how they fared (resent as first sent, then stopped by the operator).
    void keptAcrossRestart() {
        QVERIFY(f_->hear({"N2BBB>APZ123,RS0ISS*::PA3XYZ   :see you on the next pass"}));
        f_->state().engine.acknowledgeMessages = true;
        f_->find<QComboBox>(QStringLiteral("Combo5"))->setEditText("N2BBB");
        f_->find<QComboBox>(QStringLiteral("Combo6"))->setEditText("hello");
        f_->form1().Command7_Click();
        const qsizetype sent = f_->sentUiFrames().size();
        f_->platform.advance(30000);
        f_->tick();
        QCOMPARE(f_->sentUiFrames().size(), sent + 1);
        QCOMPARE(f_->sentUiFrames().last(), f_->sentUiFrames().at(sent - 1));
        f_->form1().Command18_Click();
        auto* own = openWindow(QStringLiteral("Form7"))->findChild<QListWidget*>("ownMessagesList");
        own->setCurrentRow(0);
        click(openWindow(QStringLiteral("Form7")), "stopRetrying");
        f_->platform.advance(600000);
        f_->tick();
        QCOMPARE(f_->sentUiFrames().size(), sent + 1);

        QVERIFY(f_->restart());
        f_->form1().menuoptions_Click(int(OptionItem::Stations));
        QCOMPARE(openWindow<FormStations>()->findChild<QTableView*>()->model()->rowCount(), 4);
        f_->form1().Command18_Click();
        const QWidget* form7 = openWindow(QStringLiteral("Form7"));
        QCOMPARE(form7->findChild<QListWidget*>(QStringLiteral("List1"))->count(), 1);
        own = form7->findChild<QListWidget*>(QStringLiteral("ownMessagesList"));
        QCOMPARE(own->count(), 1);
        QVERIFY(own->item(0)->text().endsWith("sent 2 times, not acknowledged, retrying stopped"));
    }

    // The store opens once the window is painted: a damaged zeno.db is moved aside and the
    // operator told then, not before the window is there.
    void damagedStoreNamedOncePainted() {
        ZenoFixture g;
        g.writeStationSettings();
        g.writeFile(QStringLiteral("zeno.db"), QByteArray(8192, 'x'));
        g.dialogs.expectMessage(QStringLiteral("ZENO"));
        QVERIFY(g.start());
        QCOMPARE(g.dialogs.pending(), 1);
        QTRY_COMPARE(g.dialogs.pending(), 0);
        QVERIFY(g.dialogs.shown.last().text.contains("moved it aside as zeno.db.bad"));
        QVERIFY(QFile::exists(g.file(QStringLiteral("zeno.db.bad"))));
        QVERIFY(g.dialogs.problems().isEmpty());
    }

private:
    static void click(QWidget* form, const char* name) {
        form->findChild<QPushButton*>(QLatin1String(name))->click();
    }

    std::unique_ptr<ZenoFixture> f_;
};

QTEST_MAIN(TestFormStations)
#include "tst_formstations.moc"
