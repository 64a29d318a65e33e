// SPDX-License-Identifier: GPL-3.0-or-later
#include "connected/publicfolder.h"

#include "files/textfiles.h"
#include "platform/apppath.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace zeno {

namespace {

const QString kReadmeText = QStringLiteral(
    "Stations connected to ZENO can read every file in this folder and its sub-folders:\r\n"
    "//DIR lists them and //R followed by a name sends one.\r\n"
    "Put nothing here that you would not send over the air.\r\n");

bool isInside(const QString& canonical, const QString& root) {
    return canonical == root || canonical.startsWith(root + QLatin1Char('/'));
}

// The folder names of an argument; none when one of them could lead outside.
std::optional<QStringList> segmentsOf(const QString& text) {
    QStringList segments;
    QString segment;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text.at(i) : QLatin1Char('/');
        if (c.unicode() < 32 || c == QLatin1Char(':'))
            return std::nullopt;  // NUL, CR and friends; drive letters and streams
        if (c != QLatin1Char('/') && c != QLatin1Char('\\')) {
            segment += c;
            continue;
        }
        if (segment == QLatin1String(".."))
            return std::nullopt;
        if (!segment.isEmpty() && segment != QLatin1String("."))
            segments << segment;
        segment.clear();
    }
    return segments;
}

// The entry of a folder with that name, or else the first that differs only in case.
std::optional<QString> entryNamed(const QString& folder, const QString& name) {
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

// A regular file known by this one name. A second hard link could be any file of the disk
// (zeno.ini with the BBS password), and nothing in the folder tells which.
bool isSingleFile(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           info.st_nlink == 1;
}

bool sameLetter(QChar a, QChar b) { return a == b || a.toCaseFolded() == b.toCaseFolded(); }

}  // namespace

PublicFolder::PublicFolder(const QString& appPath)
    : appPath_(appPath), root_(appFile(appPath, QStringLiteral("public"))) {}

void PublicFolder::create() const {
    QDir().mkpath(root_);
    const QString readme = root_ + QStringLiteral("/readme.txt");
    if (!QFileInfo::exists(readme))
        writeTextFile(readme, kReadmeText);
}

std::optional<QString> PublicFolder::canonicalRoot() const {
    const QString root = QFileInfo(root_).canonicalFilePath();
    const QString app = QFileInfo(appPath_).canonicalFilePath();
    // A folder that is, or holds, the application path would give away the settings.
    if (root.isEmpty() || app.isEmpty() || isInside(app, root) || !QFileInfo(root).isDir())
        return std::nullopt;
    return root;
}

std::optional<QString> PublicFolder::resolve(const QString& root,
                                             const QStringList& segments) const {
    QString current = root;
    for (const QString& segment : segments) {
        const std::optional<QString> name = entryNamed(current, segment);
        if (!name)
            return std::nullopt;
        // Checked at every step: a folder is only looked into once it is known to be inside.
        const QString next = QFileInfo(current + QLatin1Char('/') + *name).canonicalFilePath();
        if (next.isEmpty() || !isInside(next, root))
            return std::nullopt;
        current = next;
    }
    return current;
}

std::optional<QString> PublicFolder::findFile(const QString& argument) const {
    const std::optional<QString> root = canonicalRoot();
    const std::optional<QStringList> segments = segmentsOf(argument);
    if (!root || !segments || segments->isEmpty())
        return std::nullopt;
    const std::optional<QString> found = resolve(*root, *segments);
    if (!found || !isSingleFile(*found))
        return std::nullopt;
    return found;
}

QStringList PublicFolder::list(const QString& argument) const {
    const qsizetype cut =
        qMax(argument.lastIndexOf(QLatin1Char('/')), argument.lastIndexOf(QLatin1Char('\\')));
    const QString pattern = argument.mid(cut + 1);
    const std::optional<QString> root = canonicalRoot();
    const std::optional<QStringList> segments = segmentsOf(argument.left(cut + 1));
    const std::optional<QStringList> last = segmentsOf(pattern);
    if (!root || !segments || !last)
        return {};
    const std::optional<QString> folder = resolve(*root, *segments);
    if (!folder || !QFileInfo(*folder).isDir())
        return {};

    QStringList entries;
    const QFileInfoList infos = QDir(*folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::DirsFirst | QDir::IgnoreCase);
    for (const QFileInfo& info : infos) {
        if (!pattern.isEmpty() && !wildcardMatch(pattern, info.fileName()))
            continue;
        const QString canonical = info.canonicalFilePath();
        if (canonical.isEmpty() || !isInside(canonical, *root))
            continue;  // broken, or pointing out
        if (info.isDir())
            entries << QLatin1Char('[') + info.fileName() + QLatin1Char(']');
        else if (isSingleFile(canonical))
            entries << info.fileName();
    }
    return entries;
}

bool wildcardMatch(const QString& pattern, const QString& name) {
    if (pattern == QLatin1String("*.*"))
        return true;
    // Greedy, going back to the last "*" on a mismatch: linear in practice, never exponential.
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype star = -1;
    qsizetype resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            star = p++;
            resume = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == QLatin1Char('?') || sameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

}  // namespace zeno
