// SPDX-License-Identifier: GPL-3.0-or-later
// Composition root: the real dialogs and platform services, the program, and the ways it
// can be asked to end (window, Exit, SIGTERM/SIGINT, end of the desktop session), all of
// which run the orderly shut-down so the settings are never lost.

#include "platform/apppath.h"
#include "ui/common/desktopplatform.h"
#include "ui/common/firstshown.h"
#include "ui/common/qtdialogs.h"
#include "ui/main/form1.h"
#include "ui/main/zenoprogram.h"
#include "zenoversion.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace {

int signalPipe[2] = {-1, -1};
// Set by the handler at once; the poll tick reads it between frames, long before the event
// loop gets round to the pipe during a flood of frames.
volatile std::sig_atomic_t endSignalled = 0;

void onTerminationSignal(int) {
    endSignalled = 1;
    const char byte = 1;
    // Only async-signal-safe work here: the event loop picks it up.
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

// Turns SIGTERM and SIGINT into a call on the event loop.
void watchTerminationSignals(QObject* context, const std::function<void()>& onSignal) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [onSignal] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[1], &byte, 1);
        onSignal();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZENO"));
    QApplication::setOrganizationName(QStringLiteral("ZENO"));
    QApplication::setApplicationVersion(zeno::ProgramVersion::text());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zeno-64.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("zeno"));  // the installed zeno.desktop
    QApplication::setQuitOnLastWindowClosed(false);  // the program decides when it ends

    zeno::QtDialogs dialogs;
    zeno::DesktopPlatform platform(dialogs);
    const QString appPath = zeno::resolveApplicationPath(QCoreApplication::applicationDirPath());
    zeno::ZenoProgram program(appPath, dialogs, platform);

    QObject::connect(&program, &zeno::ZenoProgram::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &program,
                     [&program] { program.shutdown(); });
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &program,
        [&program](QSessionManager&) { program.shutdown(); }, Qt::DirectConnection);
    watchTerminationSignals(&app, [&program] { program.requestEnd(); });
    program.form1().setEndPending([] { return endSignalled != 0; });

    if (!program.start())
        return 0;
    zeno::reportFirstShown(&program.form1());
    return app.exec();
}
