// SPDX-License-Identifier: GPL-3.0-or-later
// Help > "Listen to a Recorded Pass" against the real direwolf: ZENO starts an engine of its
// own, the pass played into it reaches the monitor, and nothing goes on the air.
#include "config/appstate.h"
#include "link/recordedpass.h"
#include "support/direwolf.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class RecordedPassEngineTest : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void passIsHeardAndNothingIsTransmitted() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        auto* pass = f.form1().findChild<RecordedPass*>(QStringLiteral("recordedPass"));
        QSignalSpy ready(pass, &RecordedPass::ready);
        f.form1().controls().menus.menuhelpdemo->trigger();
        QVERIFY(ready.wait(10000));
        QCOMPARE(f.find<QLabel>(QStringLiteral("linkStatus"))->text(),
                 QStringLiteral("Demo: a recorded pass, nothing is transmitted"));
        QVERIFY(f.state().connection.RefuseIncoming);

        // A second client sees every frame the engine sends on the air ('T') and hears.
        EngineClient watcher(pass->agwPort());
        watcher.send('m');
        QVERIFY2(f.tickUntil(
                     [&] {
                         return f.monitorText().contains(QLatin1String("Hello from Zwolle")) &&
                                watcher.frames().size() > 1;
                     },
                     30000),
                 qPrintable(f.monitorText()));
        for (const EngineFrame& frame : watcher.frames())
            QVERIFY2(frame.kind == 'U', qPrintable(frame.toString()));
        for (const ZenoFixture::Sent& sent : f.sent)
            QCOMPARE(sent.kind, QChar(u'P'));
    }
};

QTEST_MAIN(RecordedPassEngineTest)
#include "tst_recordedpass_engine.moc"
