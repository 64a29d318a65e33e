// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary received texts (one a line, in one connection) to the remote command
// processor, in each BBS mode, with a real public folder beside the application path's own
// files and a folder outside it, symbolic links in the folder pointing out, a hard link to the
// settings and files around the size limit. Traps when a file or folder outside the public
// folder is opened, when a reply carries anything from outside it, when the path rules hand
// out a path that is not inside, when "//R" sends more than 8 KiB, or when "//ECHO" sends a
// control character other than CR.
#include "config/appstate.h"
#include "connected/connectedview.h"
#include "connected/publicfolder.h"
#include "connected/remotecommands.h"
#include "connected/steps.h"
#include "connected/transfer.h"
#include "support/fakeplatform.h"
#include "support/openwatch.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUuid>
#include <cstddef>
#include <cstdint>

namespace {

using namespace zeno;

void check(bool ok) {
    if (!ok)
        __builtin_trap();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

struct Recorder : FrameSink, ConnectedView {
    QString sent;
    void send(QChar, const QString&, const QString& data) override { sent += data; }
};

// root/app (the application path), root/app/public, root/outside. The settings and the
// outside file hold a secret no input can spell.
struct World {
    QTemporaryDir root;
    QString secret = QUuid::createUuid().toString();
    QString app = root.filePath(QStringLiteral("app"));
    QString pub = app + QStringLiteral("/public");
    QString outside = root.filePath(QStringLiteral("outside"));
    QString canonicalPublic;
    test::OpenWatch watch;

    World() {
        check(QDir().mkpath(pub + QStringLiteral("/sub/deeper")) && QDir().mkpath(outside));
        for (const char* name : {"/help.txt", "/info.txt", "/bye.txt"})
            write(app + QLatin1String(name), name);
        write(app + QStringLiteral("/zeno.ini"), secret.toLatin1());
        write(outside + QStringLiteral("/secret.txt"), secret.toLatin1());
        // A folder whose name merely begins like the public folder's.
        check(QDir().mkpath(app + QStringLiteral("/publicity")));
        write(app + QStringLiteral("/publicity/secret.txt"), secret.toLatin1());
        QFile::link(app + QStringLiteral("/publicity"), pub + QStringLiteral("/sub/tosibling"));
        write(pub + QStringLiteral("/readme.txt"), "public\r\n");
        write(pub + QStringLiteral("/Notes.TXT"), "notes\r\n");
        write(pub + QStringLiteral("/sub/deeper/deep.txt"), "deep\r\n");
        write(pub + QStringLiteral("/full.txt"), QByteArray(8190, 'x') + "\r\n");
        write(pub + QStringLiteral("/over.txt"), QByteArray(8191, 'x') + "\n");
        write(pub + QStringLiteral("/lines.txt"), QByteArray(12000, '\n'));
        write(pub + QStringLiteral("/huge.txt"), QByteArray(100000, 'x'));
        check(::link(QFile::encodeName(app + QStringLiteral("/zeno.ini")).constData(),
                     QFile::encodeName(pub + QStringLiteral("/hard.ini")).constData()) == 0);
        QFile::link(app, pub + QStringLiteral("/toapp"));
        QFile::link(app + QStringLiteral("/zeno.ini"), pub + QStringLiteral("/sub/tosettings"));
        QFile::link(outside, pub + QStringLiteral("/sub/tooutside"));
        QFile::link(QStringLiteral(".."), pub + QStringLiteral("/up"));
        QFile::link(QStringLiteral("/etc"), pub + QStringLiteral("/etc"));
        canonicalPublic = QFileInfo(pub).canonicalFilePath();
        // Names are enough: no file of the public folder shares its name with one of these.
        check(watch.watch(app) && watch.watch(outside) && watch.watch(root.path()));
    }

    bool inside(const QString& path) const {
        return path == canonicalPublic || path.startsWith(canonicalPublic + QLatin1Char('/'));
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World world;
    if (size == 0)
        return 0;
    // The first byte picks the BBS mode and whether the password was given.
    const QString input =
        QString::fromLatin1(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    AppState state;
    state.appPath = world.app;
    state.settings.bbsMode = data[0] % 3;
    state.settings.bbsPassword = QStringLiteral("SECRET");
    state.connection.BbsUnlocked = data[0] & 4;
    state.link.LinkAddress = QStringLiteral("N2BBB");
    test::FakePlatform platform;
    Recorder recorder;
    StepQueue steps(platform);
    Senders senders(state, recorder, recorder);
    RemoteCommands commands(state, senders, steps, recorder, platform, [] {});

    const PublicFolder folder(world.app);
    QStringList listed;
    for (const QString& text : input.split(u'\n')) {
        recorder.sent.clear();
        commands.PackCommand(text);
        const QString upper = text.toUpper();
        if (upper.startsWith(QLatin1String("//R")))
            check(recorder.sent.size() <= kPublicFileLimit);
        if (upper.startsWith(QLatin1String("//ECHO"))) {
            for (const QChar c : recorder.sent)
                check((c.unicode() >= 0x20 && c.unicode() != 0x7F) || c == u'\r');
        }
        check(!recorder.sent.contains(world.secret));
        // The path rules themselves, on the whole text.
        if (const auto file = folder.findFile(text))
            check(world.inside(*file) && QFileInfo(*file).isFile());
        listed << folder.list(text);
    }

    // Among the watched folders only the public folder and ZENO's own reply files are opened.
    const QStringList allowed = {QStringLiteral("public"), QStringLiteral("help.txt"),
                                 QStringLiteral("info.txt"), QStringLiteral("bye.txt")};
    for (const QString& opened : world.watch.opened())
        check(allowed.contains(opened));
    for (const QString& entry : listed)
        check(!entry.isEmpty() && !entry.contains(u'/'));
    return 0;
}
