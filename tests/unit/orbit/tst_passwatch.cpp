// SPDX-License-Identifier: GPL-3.0-or-later
// The Via path's satellite, the status bar's pass texts, and when new sets may replace tle.txt.
#include "orbit/passwatch.h"
#include "support/testrows.h"

#include <QtTest>

Q_DECLARE_METATYPE(zeno::LookAngles)

using namespace zeno;
using namespace zeno::test;

namespace {

QDateTime local(int hour, int minute, int second) {
    return QDateTime(QDate(2026, 12, 6), QTime(hour, minute, second));
}

QDateTime utc(int month, int day, int hour, int minute) {
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), Qt::UTC);
}

}  // namespace

class TestPassWatch : public QObject {
    Q_OBJECT
private slots:
    void satelliteFromTheViaPath_data() {
        columns<QString, QString, int>("via", "name", "number");
        row("lower case, more digipeaters", "rs0iss,WIDE2-1", "ISS", 25544);
        row("PCSAT-2 aboard the ISS", "W3ADO-1", "ISS", 25544);
        row("PCSAT, after a terrestrial digipeater", "WIDE1-1 PCSAT-1", "NO-44", 26931);
        row("a terrestrial path", "WIDE,WIDE", "", 0);
    }

    void satelliteFromTheViaPath() {
        const std::optional<Satellite> s = satelliteForVia(fetched<QString>("via"));
        QTEST(s ? s->name : QString(), "name");
        QTEST(s ? s->catalogNumber : 0, "number");
    }

    void statusTexts_data() {
        columns<QDateTime, double, double, double, LookAngles, QString>("now", "aosAz", "losAz",
                                                                        "maxEl", "look", "text");
        const LookAngles none;
        row("before a pass, whole minutes", local(13, 49, 20), 315.0, 90.0, 54.4, none,
            "ISS: AOS 14:02:10 in 12 min, max 54° NW→E");
        row("hours away", local(11, 0, 0), 359.9, 180.0, 3.2, none,
            "ISS: AOS 14:02:10 in 3 h 2 min, max 3° N→S");
        row("the last minute", local(14, 1, 25), 210.0, 250.0, 10.0, none,
            "ISS: AOS 14:02:10 in 45 s, max 10° SW→W");
        row("up, approaching", local(14, 6, 30), 0.0, 0.0, 0.0, LookAngles{140.2, 23.4, 900, -4.32},
            "ISS up: el 23° az 140°, LOS in 6 min, Doppler +2.1 kHz at 145.825 MHz");
        row("up, moving away", local(14, 11, 0), 0.0, 0.0, 0.0, LookAngles{359.6, 2.0, 2100, 6.9},
            "ISS up: el 2° az 0°, LOS in 1 min, Doppler -3.4 kHz at 145.825 MHz");
        row("up, overhead", local(14, 7, 0), 0.0, 0.0, 0.0, LookAngles{10.0, 88.0, 420, 0.0001},
            "ISS up: el 88° az 10°, LOS in 5 min, Doppler +0.0 kHz at 145.825 MHz");
    }

    void statusTexts() {
        const Pass pass{local(14, 2, 10),         {}, local(14, 12, 40),
                        fetched<double>("aosAz"), 0,  fetched<double>("losAz"),
                        fetched<double>("maxEl")};
        const QDateTime now = fetched<QDateTime>("now");
        QTEST(now < pass.aos ? nextPassText("ISS", pass, now)
                             : passUpText("ISS", fetched<LookAngles>("look"), pass.los, now),
              "text");
    }

    void oldElementsAreFlagged_data() {
        columns<QDateTime, QString>("now", "text");
        row("just over 14 days", utc(12, 18, 13, 10),
            "ISS elements are 14 days old: Setup > Update TLEs...");
        row("14 days", utc(12, 18, 13, 9), "");
        row("from the future", utc(11, 1, 0, 0), "");
    }

    void oldElementsAreFlagged() {
        QTEST(elementAgeText("ISS", utc(12, 4, 13, 9), fetched<QDateTime>("now")), "text");
    }

    void anUpdateNeedsEverySetToRead_data() {
        columns<QString, QString>("text", "refusal");
        const QString iss =
            "ISS (ZARYA)\n"
            "1 25544U 98067A   26338.54791667  .00014232  00000+0  25733-3 0  9991\n"
            "2 25544  51.6339 176.4162 0006213 104.7731 255.3987 15.49851837596517\n";
        row("every set reads", iss, "");
        row("a broken checksum", iss + QString(iss).replace("596517", "596510"),
            "These sets did not read:\rline 4 (ISS (ZARYA)): ");
        row("no sets", "\r\n\r\n", "It holds no element sets.");
        row("a web page", "<html>\n" + iss, "These sets did not read:\rline 1: ");
    }

    void anUpdateNeedsEverySetToRead() {
        const QString refusal = tleUpdateRefusal(parseTleText(fetched<QString>("text")));
        const QString& want = fetched<QString>("refusal");
        QVERIFY2(refusal.left(want.size()) == want && refusal.isEmpty() == want.isEmpty(),
                 qPrintable(refusal));
    }
};

QTEST_GUILESS_MAIN(TestPassWatch)
#include "tst_passwatch.moc"
