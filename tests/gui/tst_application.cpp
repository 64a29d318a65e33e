// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable alone in a folder is a portable install; SIGTERM and SIGINT end it in
// order, also while a box is open.

#include "windowtest.h"

#include "config/firstrun.h"
#include "config/settingsfile.h"

#include <csignal>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

}  // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void terminationSignalsEndTheProgramInOrder_data() {
        columns<int, QString>("signal", "situation");
        row("SIGTERM while running", int(SIGTERM), "running");
        row("SIGINT while running", int(SIGINT), "running");
        row("SIGTERM at the callsign question", int(SIGTERM), "first run");
        row("SIGTERM at the engine question", int(SIGTERM), "no engine");
    }

    void terminationSignalsEndTheProgramInOrder() {
        QFETCH(QString, situation);
        FakeAgwServer engine;
        QTemporaryDir dir;
        const QString executable = dir.filePath(QStringLiteral("zeno"));
        QVERIFY(QFile::copy(QStringLiteral(ZENO_EXECUTABLE), executable));
        const quint16 port = situation == QLatin1String("no engine") ? 1 : engine.port();
        writeFile(dir.filePath(QStringLiteral("engine.ini")),
                  QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(port).toLatin1());
        // Without a zeno.ini beside it the program keeps its files in the per-user folder.
        const bool firstRun = situation == QLatin1String("first run");
        const QString ini = dir.filePath(firstRun ? QStringLiteral("data/ZENO/zeno.ini")
                                                  : QStringLiteral("zeno.ini"));
        if (!firstRun)
            writeFile(ini, writeSettingsFile(firstRunSettings(QStringLiteral("PA3XYZ")), {}));

        QProcess zeno;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("zeno.dialogs.debug=true"));
        zeno.setProcessEnvironment(env);
        zeno.setProcessChannelMode(QProcess::MergedChannels);
        QByteArray output;
        QObject::connect(&zeno, &QProcess::readyRead, &zeno, [&] { output += zeno.readAll(); });
        zeno.start(executable, {});
        QVERIFY(zeno.waitForStarted());
        if (situation == QLatin1String("running")) {
            // Registered twice: at start and by its "P" frame.
            QVERIFY2(engine.waitForCount('X', 2, 10000), output.constData());
            // The executable alone brought its texts and sounds.
            for (const char* name : {"alarm.wav", "bell.wav", "ctext.txt", "help.txt"})
                QVERIFY2(QFile::exists(dir.filePath(QLatin1String(name))), name);
        } else {
            QTRY_VERIFY2_WITH_TIMEOUT(output.contains("opens:"), output.constData(), 10000);
        }

        ::kill(zeno.processId(), fetched<int>("signal"));
        QVERIFY2(zeno.waitForFinished(5000), output.constData());
        QCOMPARE(zeno.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zeno.exitCode(), 0);
        QFile iniFile(ini);
        const QByteArray written = iniFile.open(QIODevice::ReadOnly) ? iniFile.readAll() : "";
        if (firstRun) {
            QVERIFY2(written.isEmpty(), written.constData());  // nothing to save yet
            QVERIFY(QFile::exists(dir.filePath(QStringLiteral("data/ZENO/engine.ini"))));
        } else {
            QVERIFY(written.contains("[Your Call Sign]\r\nPA3XYZ\r\n"));
        }
        if (situation == QLatin1String("running")) {
            // Written at the end (the file given to it had no application path in it).
            QVERIFY(written.contains(";apppath " + dir.path().toLatin1() + "\r\n"));
            QTRY_COMPARE(engine.clientCount(), 0);
        }
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
