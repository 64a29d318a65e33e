// The real executable: copied alone into an empty folder it is a complete install, and
// SIGTERM or SIGINT end it the orderly way (settings written, link closed).

#include "config/firstrun.h"
#include "config/settingsfile.h"
#include "support/fakeagwserver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace zeno;
using namespace zeno::test;

class TestApplication : public QObject {
    Q_OBJECT

private:
    struct Install {
        QTemporaryDir dir;
        QString executable;
    };

    static void installInto(Install& install, quint16 enginePort) {
        install.executable = install.dir.filePath(QStringLiteral("zeno"));
        QVERIFY(QFile::copy(QStringLiteral(ZENO_EXECUTABLE), install.executable));
        QFile engine(install.dir.filePath(QStringLiteral("engine.ini")));
        QVERIFY(engine.open(QIODevice::WriteOnly));
        engine.write(QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(enginePort).toLatin1());
        engine.close();
        QFile settings(install.dir.filePath(QStringLiteral("zeno.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(writeSettingsFile(firstRunSettings(QStringLiteral("PA3XYZ")), {}));
    }

    static QByteArray readAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void terminationSignalsEndTheProgramInOrder_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void terminationSignalsEndTheProgramInOrder() {
        QFETCH(int, signal);
        FakeAgwServer engine;
        Install install;
        installInto(install, engine.port());
        if (QTest::currentTestFailed())
            return;

        QProcess zeno;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        zeno.setProcessEnvironment(env);
        zeno.setProcessChannelMode(QProcess::MergedChannels);
        zeno.start(install.executable, {});
        QVERIFY(zeno.waitForStarted());
        // Registered twice: at start and by its "P" frame.
        QVERIFY2(engine.waitForCount('X', 2, 10000), zeno.readAll().constData());

        // The executable alone brought its texts and sounds.
        for (const char* name : {"alarm.wav", "bell.wav", "ctext.txt", "bye.txt", "help.txt",
                                 "info.txt", "sendtxt1.txt", "pmsinfo1.txt"})
            QVERIFY2(QFile::exists(install.dir.filePath(QLatin1String(name))), name);

        ::kill(zeno.processId(), signal);
        QVERIFY(zeno.waitForFinished(10000));
        QCOMPARE(zeno.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zeno.exitCode(), 0);
        // Written at the end (the file given to it had no application path in it).
        const QByteArray ini = readAll(install.dir.filePath(QStringLiteral("zeno.ini")));
        QVERIFY2(ini.contains(";apppath " + install.dir.path().toLatin1() + "\r\n"),
                 ini.constData());
        QTRY_COMPARE(engine.clientCount(), 0);
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
