// SPDX-License-Identifier: GPL-3.0-or-later
// ZENO as an installable program: CPack makes the Debian package from this build folder, and the
// package holds the program with its desktop entry, icons and AppStream metadata, depends on
// the Qt 6 runtime and passes lintian without an error or a warning. The executable itself,
// run from a folder without zeno.ini, is the application test's.
#include "support/qtwarnings.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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
                                 "./usr/share/icons/hicolor/256x256/apps/zeno.png",
                                 "./usr/share/man/man1/zeno.1.gz"})
            QVERIFY2(files.contains(QByteArray(file) + '\n'), file);
        QVERIFY2(!files.contains("tst_") && !files.contains("bench"), files.constData());
        QByteArray depends;
        QVERIFY(run(QStringLiteral("dpkg-deb"), {"--field", deb, "Depends"}, &depends));
        QVERIFY2(depends.contains("libqt6widgets6") && depends.contains("libc6") &&
                     depends.contains("libqt6sql6-sqlite"),
                 depends.constData());
        // Informational tags (hardening of a debug build among them) do not fail it.
        QVERIFY2(run(QStringLiteral("lintian"), {"--fail-on", "error,warning", deb}),
                 "lintian found errors or warnings; tools/setup installs lintian");
    }
};

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
