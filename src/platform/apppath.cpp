// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/apppath.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zeno {

QString resolveApplicationPath(const QString& executableDirectory) {
    if (!executableDirectory.isEmpty() &&
        QFileInfo(QDir(executableDirectory).filePath(QStringLiteral("zeno.ini"))).isFile())
        return QDir(executableDirectory).absolutePath();
    // Named here rather than by the application's names, so the folder is ZENO on every system.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/ZENO");
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
    QStringList missing;
    QDirIterator it(QStringLiteral(":/defaults"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(QStringLiteral(":/defaults/").size());
        const QString target = appFile(appPath, relative);
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target)) {
            missing << relative;
            continue;
        }
        // Resource files are read-only; the operator must be able to edit the copies.
        QFile::setPermissions(
            target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return missing;
}

}  // namespace zeno
