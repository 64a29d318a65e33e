// The monitor's place in the main window, in twips: expand, restore and the resize rules.
#include "monitor/monitorlayout.h"
#include "support/testrows.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

class MonitorLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void expandAndRestore_data() {
        columns<bool, double, double, double, double, double>("expand", "window", "topRow",
                                                              "txData", "message", "buttonsBottom");
        columns<double, double, double, double>("frameTop", "frameHeight", "textTop", "textHeight");
        row("expand", true, 8265.0, 1455.0, 585.0, 580.0, 570.0, 1455.0, 6060.0, 580.0, 5460.0);
        // Restored, the monitor starts under the three panels plus 590, not where it was.
        row("restore", false, 8265.0, 1455.0, 585.0, 580.0, 570.0, 3210.0, 4355.0, 580.0, 3755.0);
        row("restore under taller panels", false, 9000.0, 1605.0, 645.0, 640.0, 600.0, 3480.0,
            4820.0, 610.0, 4190.0);
    }
    void expandAndRestore() {
        QFETCH(bool, expand);
        QFETCH(double, window);
        QFETCH(double, topRow);
        QFETCH(double, txData);
        QFETCH(double, message);
        QFETCH(double, buttonsBottom);
        QFETCH(double, frameTop);
        QFETCH(double, frameHeight);
        QFETCH(double, textTop);
        QFETCH(double, textHeight);
        const PanelsAbove above{topRow, txData, message};
        const MonitorPlace place = expand ? expandedMonitor(window, above, buttonsBottom)
                                          : restoredMonitor(window, above, buttonsBottom);
        QCOMPARE(place, (MonitorPlace{frameTop, frameHeight, textTop, textHeight}));
    }

    void resize_data() {
        columns<double, double, double, double>("width", "height", "frameTop", "textTop");
        columns<double, double, double, double>("frameWidth", "frameHeight", "textWidth",
                                                "textHeight");
        row("design size", 10360.0, 8265.0, 3190.0, 580.0, 10200.0, 4335.0, 10020.0, 3755.0);
        row("one twip above the floor", 10360.0, 4531.0, 3190.0, 580.0, 10200.0, 601.0, 10020.0,
            21.0);
        row("at the floor", 10360.0, 4530.0, 3190.0, 580.0, 10200.0, 600.0, 10020.0, 20.0);
        row("never shorter than 600", 6000.0, 4000.0, 3190.0, 580.0, 5840.0, 600.0, 5660.0, 20.0);
    }
    void resize() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, frameTop);
        QFETCH(double, textTop);
        QFETCH(double, frameWidth);
        QFETCH(double, frameHeight);
        QFETCH(double, textWidth);
        QFETCH(double, textHeight);
        QCOMPARE(fittedMonitor(width, height, frameTop, textTop),
                 (MonitorSize{frameWidth, frameHeight, textWidth, textHeight}));
    }

    void heardListTakesHalfOfATallerWindow() {
        QCOMPARE(heardListGrowth(7000, 8265), 0.0);
        QCOMPARE(heardListGrowth(10265, 8265), 1000.0);
    }
};

QTEST_APPLESS_MAIN(MonitorLayoutTest)
#include "tst_monitorlayout.moc"
