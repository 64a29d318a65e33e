// ZENO as an installable program: CPack makes the Debian package from this build folder, the
// package holds the program with its desktop entry, icons and AppStream metadata and depends on
// the Qt 6 runtime, and the program installed from it runs on a per-user folder.
#include "config/firstrun.h"
#include "config/settingsfile.h"
#include "support/fakeagwserver.h"
#include "support/qtwarnings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace zeno;
using namespace zeno::test;

namespace {

// Runs a tool to its end; true when it succeeded. Its output goes to output, or to the log
// when it failed.
bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    const bool done =
        p.waitForFinished(240000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    const QByteArray text = p.readAll();
    if (output)
        *output = text;
    if (!done)
        qInfo().noquote() << program << arguments.join(' ') << "failed:" << text;
    return done;
}

}  // namespace

class TestPackage : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void packageInstallsARunningProgram() {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        // Quick compression: the test needs the package's content, not its size.
        QVERIFY(run(QStringLiteral(ZENO_CPACK),
                    {"-G", "DEB", "-B", out, "--config", ZENO_BUILD_DIR "/CPackConfig.cmake", "-D",
                     "CPACK_DEBIAN_COMPRESSION_TYPE=gzip"}));
        const QStringList debs = QDir(out).entryList({QStringLiteral("*.deb")});
        QCOMPARE(debs.size(), 1);
        const QString deb = QDir(out).filePath(debs.first());

        QByteArray files;
        QVERIFY(run(QStringLiteral("dpkg-deb"), {"--contents", deb}, &files));
        for (const char* file : {"./usr/bin/zeno", "./usr/share/applications/zeno.desktop",
                                 "./usr/share/metainfo/org.example.zeno.metainfo.xml",
                                 "./usr/share/icons/hicolor/scalable/apps/zeno.svg",
                                 "./usr/share/icons/hicolor/16x16/apps/zeno.png",
                                 "./usr/share/icons/hicolor/256x256/apps/zeno.png"})
            QVERIFY2(files.contains(QByteArray(file) + '\n'), file);
        QVERIFY2(!files.contains("tst_") && !files.contains("bench"), files.constData());
        QByteArray depends;
        QVERIFY(run(QStringLiteral("dpkg-deb"), {"--field", deb, "Depends"}, &depends));
        QVERIFY2(depends.contains("libqt6widgets6") && depends.contains("libqt6multimedia6"),
                 depends.constData());

        // Unpacked into a temporary root, it runs as an installed program: no zeno.ini beside
        // it, so its files are in the per-user folder.
        const QString root = dir.filePath(QStringLiteral("root"));
        QVERIFY(run(QStringLiteral("dpkg-deb"), {"-x", deb, root}));
        FakeAgwServer engine;
        const QDir data(dir.filePath(QStringLiteral("data/ZENO")));
        const auto write = [&data](const char* name, const QByteArray& bytes) {
            QFile file(data.filePath(QLatin1String(name)));
            return data.mkpath(QStringLiteral(".")) && file.open(QIODevice::WriteOnly) &&
                   file.write(bytes) == bytes.size();
        };
        QVERIFY(
            write("zeno.ini", writeSettingsFile(firstRunSettings(QStringLiteral("PA3XYZ")), {})));
        QVERIFY(write("engine.ini", "host=127.0.0.1\nport=" + QByteArray::number(engine.port())));

        QProcess zeno;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        zeno.setProcessEnvironment(env);
        zeno.setProcessChannelMode(QProcess::MergedChannels);
        zeno.start(root + QStringLiteral("/usr/bin/zeno"), {});
        QVERIFY(zeno.waitForStarted());
        QVERIFY2(engine.waitForCount('X', 2, 10000), zeno.readAll().constData());
        QVERIFY(QFile::exists(data.filePath(QStringLiteral("alarm.wav"))));
        ::kill(zeno.processId(), SIGTERM);
        QVERIFY(zeno.waitForFinished(5000));
        QCOMPARE(zeno.exitCode(), 0);
    }
};

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
