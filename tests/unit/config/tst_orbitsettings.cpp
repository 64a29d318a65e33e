// SPDX-License-Identifier: GPL-3.0-or-later
// What each value of orbit.ini reads as; a value that does not read means its default.
#include "config/orbitsettings.h"
#include "support/testrows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestOrbitSettings : public QObject {
    Q_OBJECT
private slots:
    void valuesRead_data() {
        columns<QByteArray, QString, double, double>("file", "address", "altitude", "minEl");
        const QString celestrak(
            "https://celestrak.org/NORAD/elements/gp.php?GROUP=amateur&FORMAT=tle");
        row("missing: written with the defaults", QByteArray(), celestrak, 0.0, 0.0);
        row("any case, a decimal comma",
            QByteArray("tle=http://a.example/t\r\nALTITUDE = 12,5\r\nMinElevation=60\r\n"),
            QString("http://a.example/t"), 12.5, 60.0);
        row("not numbers, no address", QByteArray("tle=\naltitude=high\nminelevation=\n"),
            celestrak, 0.0, 0.0);
        row("out of range", QByteArray("altitude=9001\nminelevation=-1\n"), celestrak, 0.0, 0.0);
    }

    void valuesRead() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("orbit.ini")));
        const QByteArray text = fetched<QByteArray>("file");
        QVERIFY(text.isNull() ||
                (file.open(QIODevice::WriteOnly) && file.write(text) > 0 && file.flush()));
        const OrbitSettings s = loadOrbitSettings(dir.path());
        QTEST(s.tleAddress, "address");
        QTEST(s.altitudeM, "altitude");
        QTEST(s.minElevationDeg, "minEl");
    }
};

QTEST_GUILESS_MAIN(TestOrbitSettings)
#include "tst_orbitsettings.moc"
