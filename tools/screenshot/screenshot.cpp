// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures the main window with real traffic: ZENO on a temporary application path, fed by the
// in-test AGWPE engine with the plain TNC2 frames of a frame list (tools/record-frames input).
// Run on the offscreen platform: zeno_screenshot <frames.txt> <picture.png>
// With --recorded-pass instead of a frame list: ZENO hears the first 40 s of Help > Listen to
// a Recorded Pass through a real direwolf (about a minute).

#include "link/recordedpass.h"
#include "support/fixture/zenofixture.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QSignalSpy>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zeno_screenshot <frames.txt> <picture.png>\n");
        return 2;
    }
    if (QByteArray(argv[1]) == "--recorded-pass") {
        zeno::test::ZenoFixture station;
        station.withoutEngine();
        station.writeStationSettings(QStringLiteral("PA3XYZ"));
        // The first run's way in: no engine, "run anyway?" Yes.
        station.dialogs.expectMessage(QStringLiteral("ZENO: AGWPE Not running"),
                                      zeno::MsgAnswer::Yes);
        if (!station.start())
            return 1;
        auto* pass = station.form1().findChild<zeno::RecordedPass*>(QStringLiteral("recordedPass"));
        QSignalSpy ready(pass, &zeno::RecordedPass::ready);
        station.form1().menuhelpdemo_Click();
        if (!ready.wait(10000) ||
            !station.tickUntil([&] { return station.monitorText().contains("ack4"); }, 60000)) {
            std::fprintf(stderr, "the recorded pass was not heard\n");
            return 1;
        }
        QApplication::processEvents();
        return station.form1().grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList frames;
    while (!list.atEnd()) {
        const QString line = QString::fromLatin1(list.readLine()).trimmed();
        // Comments, raw frames and escaped bytes are for the engine tests only.
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')) &&
            !line.startsWith(QLatin1String("raw ")) && !line.contains(QLatin1String("<0x")))
            frames << line;
    }

    zeno::test::ZenoFixture station;
    if (!station.startStation(QStringLiteral("PA3XYZ")) || !station.hear(frames)) {
        std::fprintf(stderr, "the program did not take the frames\n");
        return 1;
    }
    QApplication::processEvents();
    if (!station.form1().grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
