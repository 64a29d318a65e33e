// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from starting the program to its main window painted on the screen, for ZENO and
// for a bare Qt window with the same widgets (startup_bare), started in turn so that both meet
// the same load. Prints each median and their ratio. ZENO runs on settings of its own in a
// temporary folder, with an engine that takes the connection and says nothing (where nothing
// listens at all, ZENO's start-up rightly stops at its "not running" box).
//   Xvfb :57 -screen 0 1920x1080x24 &  DISPLAY=:57 build/release/bench/startup [rounds]
// ZENO_STARTUP_PROGRAM names another ZENO build to time instead (before and after a change).
#include "benchplatform.h"
#include "config/firstrun.h"
#include "config/settingsfile.h"
#include "platform/replacefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kShownWithinMs = 30000;

// Milliseconds from start to the line "shown"; negative when it never came.
double timeToShown(const QString& program, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    double shownMs = -1;
    while (process.state() != QProcess::NotRunning && clock.elapsed() < kShownWithinMs) {
        if (process.waitForReadyRead(100) && process.readAll().contains("shown\n")) {
            shownMs = double(clock.nsecsElapsed()) / 1e6;
            break;
        }
    }
    process.terminate();  // ZENO ends as on SIGTERM from the desktop
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
    return shownMs;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    zeno::bench::choosePlatform();
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    QTemporaryDir home;
    QTcpServer engine;
    engine.listen(QHostAddress::LocalHost);
    const QString appPath = home.filePath(QStringLiteral("data/ZENO"));
    QDir().mkpath(appPath);
    zeno::SettingsDiagnostics diagnostics;
    diagnostics.appPath = appPath;
    QString failed = zeno::replaceFile(
        appPath + QStringLiteral("/zeno.ini"),
        zeno::writeSettingsFile(zeno::firstRunSettings(QStringLiteral("PA3XYZ")), diagnostics));
    if (failed.isEmpty())
        failed = zeno::replaceFile(
            appPath + QStringLiteral("/engine.ini"),
            QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(engine.serverPort()).toLatin1());
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "cannot write the settings in %s: %s\n", qPrintable(appPath),
                     qPrintable(failed));
        return 2;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("ZENO_REPORT_SHOWN"), QStringLiteral("1"));

    std::printf("platform: %s\n", qgetenv("QT_QPA_PLATFORM").constData());
    const QString zenoProgram =
        qEnvironmentVariable("ZENO_STARTUP_PROGRAM", QStringLiteral(ZENO_PROGRAM));
    std::vector<double> zeno;
    std::vector<double> bare;
    for (int i = 0; i < rounds; ++i) {
        const double z = timeToShown(zenoProgram, environment);
        const double b = timeToShown(QStringLiteral(ZENO_BARE_WINDOW), environment);
        while (engine.waitForNewConnection(0) && engine.hasPendingConnections())
            delete engine.nextPendingConnection();
        if (z < 0 || b < 0) {
            std::fprintf(stderr, "a window was not shown within %d ms\n", kShownWithinMs);
            return 1;
        }
        zeno.push_back(z);
        bare.push_back(b);
        std::printf("round %2d: ZENO %7.1f ms, bare window %7.1f ms\n", i + 1, z, b);
    }
    const double zenoMs = median(zeno);
    const double bareMs = median(bare);
    std::printf("median of %d: ZENO %.1f ms, bare window %.1f ms, ratio %.2f\n", rounds, zenoMs,
                bareMs, zenoMs / bareMs);
    return 0;
}
