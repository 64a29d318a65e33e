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

    // in: window height, top row, TX-data and message panel heights, tool buttons' foot.
    // out: panel top and height, text top and height.
    void expandAndRestore_data() {
        columns<bool, QList<double>, QList<double>>("expand", "in", "out");
        row("expand", true, QList<double>{8265, 1455, 585, 580, 570},
            QList<double>{1455, 6060, 580, 5460});
        // Restored, the monitor starts under the three panels plus 590, not where it was.
        row("restore", false, QList<double>{8265, 1455, 585, 580, 570},
            QList<double>{3210, 4355, 580, 3755});
        row("restore under taller panels", false, QList<double>{9000, 1605, 645, 640, 600},
            QList<double>{3480, 4820, 610, 4190});
    }
    void expandAndRestore() {
        QFETCH(bool, expand);
        QFETCH(QList<double>, in);
        QFETCH(QList<double>, out);
        const PanelsAbove above{in[1], in[2], in[3]};
        const MonitorPlace place =
            expand ? expandedMonitor(in[0], above, in[4]) : restoredMonitor(in[0], above, in[4]);
        QCOMPARE(place, (MonitorPlace{out[0], out[1], out[2], out[3]}));
    }

    // in: window width and height, panel top, text top. out: panel width and height, text
    // width and height.
    void resize_data() {
        columns<QList<double>, QList<double>>("in", "out");
        row("design size", QList<double>{10360, 8265, 3190, 580},
            QList<double>{10200, 4335, 10020, 3755});
        row("one twip above the floor", QList<double>{10360, 4531, 3190, 580},
            QList<double>{10200, 601, 10020, 21});
        row("at the floor", QList<double>{10360, 4530, 3190, 580},
            QList<double>{10200, 600, 10020, 20});
        row("never shorter than 600", QList<double>{6000, 4000, 3190, 580},
            QList<double>{5840, 600, 5660, 20});
    }
    void resize() {
        QFETCH(QList<double>, in);
        QFETCH(QList<double>, out);
        QCOMPARE(fittedMonitor(in[0], in[1], in[2], in[3]),
                 (MonitorSize{out[0], out[1], out[2], out[3]}));
    }

    void heardListTakesHalfOfATallerWindow() {
        QCOMPARE(heardListGrowth(7000, 8265), 0.0);
        QCOMPARE(heardListGrowth(10265, 8265), 1000.0);
    }
};

QTEST_APPLESS_MAIN(MonitorLayoutTest)
#include "tst_monitorlayout.moc"
