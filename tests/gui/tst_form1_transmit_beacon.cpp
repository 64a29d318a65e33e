// The beacon of the main window: its label, its count in poll ticks and the timed beacon.

#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/colors.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/form1.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");

void startStation(ZenoFixture& f, const std::function<void(Settings&)>& change = {}) {
    Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
    s.beaconInterval = 10;
    if (change)
        change(s);
    f.writeSettings(s);
    QVERIFY(f.start());
}

int uiSends(const QSignalSpy& spy) {
    int count = 0;
    for (const QList<QVariant>& args : spy) {
        if (args.at(0).value<QChar>() == QLatin1Char('V'))
            ++count;
    }
    return count;
}

// Beacon steps until one more frame went out; the number of steps, or -1 after the limit.
int stepsUntilSent(ZenoFixture& f, const QSignalSpy& spy, int limit = 1000) {
    const int before = uiSends(spy);
    for (int step = 1; step <= limit; ++step) {
        f.form1().beaconStep();
        if (uiSends(spy) > before)
            return step;
    }
    return -1;
}

QColor background(const QWidget* w) {
    return w->palette().color(w->backgroundRole());
}
QColor foreground(const QWidget* w) {
    return w->palette().color(w->foregroundRole());
}

}  // namespace

class TestForm1TransmitBeacon : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void labelTogglesTheBeacon() {
        ZenoFixture f;
        startStation(f);
        auto* label = f.find<ClickableLabel>("Label6");
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        QCOMPARE(label->toolTip(), QStringLiteral("Double click to enable/disable Beacon"));

        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(label->text(), QStringLiteral("Beacon ON"));
        QCOMPARE(f.state().settings.beacon, -1);
        QCOMPARE(background(label), colorFromRgbNumber(paletteColor(12)));
        QCOMPARE(foreground(label), colorFromRgbNumber(paletteColor(14)));

        f.form1().Label6_DblClick();
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        QCOMPARE(f.state().settings.beacon, 0);
        QCOMPARE(background(label), colorFromRgbNumber(paletteColor(7)));
        QCOMPARE(foreground(label), colorFromRgbNumber(paletteColor(1)));
    }

    void storedBeaconRunsFromStartUp() {
        ZenoFixture f;
        startStation(f, [](Settings& s) { s.beacon = -1; });
        QSignalSpy sent(&f.link(), &AgwLink::sendRequested);
        QCOMPARE(f.find<ClickableLabel>("Label6")->text(), QStringLiteral("Beacon ON"));
        f.find<QComboBox>("Combo1")->setEditText(QStringLiteral("beacon text"));

        QCOMPARE(stepsUntilSent(f, sent), 41);
        QCOMPARE(stepsUntilSent(f, sent), 41);
        const QList<QVariant> last = sent.last();
        QCOMPARE(last.at(1).toString(), QStringLiteral("CQ RS0ISS"));
        QCOMPARE(last.at(2).toString(), QStringLiteral("beacon text"));
        // A complete send: the history took the text.
        QVERIFY(f.state().settings.txDataHistory.contains(QStringLiteral("beacon text")));
    }

    void switchingOffKeepsTheCount() {
        ZenoFixture f;
        startStation(f);
        QSignalSpy sent(&f.link(), &AgwLink::sendRequested);
        f.form1().Label6_DblClick();
        for (int i = 0; i < 30; ++i)
            f.form1().beaconStep();
        f.form1().Label6_DblClick();
        for (int i = 0; i < 200; ++i)
            f.form1().beaconStep();
        QCOMPARE(uiSends(sent), 0);
        f.form1().Label6_DblClick();
        QCOMPARE(stepsUntilSent(f, sent), 11);
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
        ZenoFixture f;
        startStation(f, [&](Settings& s) {
            s.beacon = -1;
            s.selectedBeacon = 2;
            if (aprsSetUp) {
                s.aprs = kHeader;
                s.aprsEnabled = -1;
            }
        });
        QSignalSpy sent(&f.link(), &AgwLink::sendRequested);
        for (int i = 0; i < 2 * 41; ++i)
            f.form1().beaconStep();
        QCOMPARE(uiSends(sent), frames);
        if (frames > 0)
            QCOMPARE(sent.last().at(2).toString(), kHeader + "73' Via Satellite {ZENO30}");
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void noBeaconWhileAWindowOfOursIsOpen() {
        ZenoFixture f;
        startStation(f, [](Settings& s) { s.beacon = -1; });
        QSignalSpy sent(&f.link(), &AgwLink::sendRequested);
        for (int i = 0; i < 40; ++i)
            f.form1().beaconStep();
        // The poll tick goes on while the APRS setup is open; a beacon due then is skipped
        // rather than sent from under the operator's window.
        int sentWhileOpen = -1;
        QTimer::singleShot(0, qApp, [&] {
            f.form1().beaconStep();
            sentWhileOpen = uiSends(sent);
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        f.form1().Command19_Click();
        QCOMPARE(sentWhileOpen, 0);
        QCOMPARE(stepsUntilSent(f, sent), 41);
    }

    void timedBeacon() {
        ZenoFixture f;
        startStation(f);
        auto* label = f.find<ClickableLabel>("Label6");
        auto* autoBeacon = f.find<QCheckBox>("Check4");
        QCOMPARE(autoBeacon->text(), QStringLiteral("Auto Beacon"));
        f.find<QLineEdit>("Text5")->setText(QStringLiteral("12:00:00"));
        f.find<QLineEdit>("Text6")->setText(QStringLiteral("12:30:00"));
        const QDate today(2024, 5, 1);

        // Unchecked: the start time changes nothing.
        f.platform.setNow(QDateTime(today, QTime(12, 0)));
        f.form1().Klok_Change();
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));

        autoBeacon->setChecked(true);
        f.platform.setNow(QDateTime(today, QTime(11, 59, 59)));
        f.form1().Klok_Change();
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        f.platform.setNow(QDateTime(today, QTime(12, 0)));
        f.form1().Klok_Change();
        QCOMPARE(label->text(), QStringLiteral("Beacon ON"));
        QCOMPARE(f.state().settings.beacon, -1);

        // In between the operator may still switch it by hand.
        f.platform.setNow(QDateTime(today, QTime(12, 10)));
        f.form1().Label6_DblClick();
        f.form1().Klok_Change();
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        f.form1().Label6_DblClick();

        f.platform.setNow(QDateTime(today, QTime(12, 30)));
        f.form1().Klok_Change();
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        QCOMPARE(f.state().settings.beacon, 0);
    }

    void sameStartAndStopSwitchOnAndOffAgain() {
        ZenoFixture f;
        startStation(f);
        f.find<QCheckBox>("Check4")->setChecked(true);
        f.platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(0, 0)));  // the box defaults
        f.form1().Klok_Change();
        QCOMPARE(f.find<ClickableLabel>("Label6")->text(), QStringLiteral("Beacon OFF"));
        QCOMPARE(f.state().settings.beacon, 0);
    }

    void pollTickDrivesTheBeacon() {
        ZenoFixture f;
        startStation(f);
        QSignalSpy sent(&f.link(), &AgwLink::sendRequested);
        f.find<QCheckBox>("Check4")->setChecked(true);
        f.find<QLineEdit>("Text5")->setText(QStringLiteral("21:00:00"));
        f.platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(20, 59, 59)));
        f.tick();
        QCOMPARE(f.find<ClickableLabel>("Label6")->text(), QStringLiteral("Beacon OFF"));
        f.platform.advance(1000);
        f.tick();  // the clock shows 21:00:00: the timed beacon switches on
        QCOMPARE(f.find<ClickableLabel>("Label6")->text(), QStringLiteral("Beacon ON"));
        // That tick counted already (the clock comes before the beacon step): 41 in all.
        f.tick(39);
        QCOMPARE(uiSends(sent), 0);
        f.tick();
        QCOMPARE(uiSends(sent), 1);
    }

    void listenerModeSwitchesTheBeaconOff() {
        ZenoFixture f;
        startStation(f, [](Settings& s) {
            s.beacon = -1;
            s.swlMode = 1;
        });
        auto* label = f.find<ClickableLabel>("Label6");
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));
        QVERIFY(!label->isEnabled());
        QCOMPARE(f.state().settings.beacon, 0);
    }
};

QTEST_MAIN(TestForm1TransmitBeacon)
#include "tst_form1_transmit_beacon.moc"
