#include "platform/apppath.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace zeno {

namespace {

bool isWritableDirectory(const QString& dir) {
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return false;
    // QFileInfo::isWritable is unreliable for directories on some file systems: try it.
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".zeno-write-probe-XXXXXX")));
    return probe.open();
}

}  // namespace

QString resolveApplicationPath(const QString& executableDirectory) {
    if (isWritableDirectory(executableDirectory))
        return QDir(executableDirectory).absolutePath();
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString appFile(const QString& appPath, const QString& name) {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    return QDir(appPath).filePath(relative);
}

QStringList installDefaultFiles(const QString& appPath) {
    QStringList copied;
    QDirIterator it(QStringLiteral(":/defaults"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(QStringLiteral(":/defaults/").size());
        const QString target = appFile(appPath, relative);
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (QFile::copy(source, target)) {
            // Resource files are read-only; the operator must be able to edit the copies.
            QFile::setPermissions(
                target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            copied << relative;
        }
    }
    return copied;
}

}  // namespace zeno
