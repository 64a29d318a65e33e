// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zeno {

// The one folder connected stations may read from: "public" inside the application path.
// A remote argument names something inside it only: "/" and "\" both separate folders, a
// leading separator means the folder itself, and where no name matches exactly one that
// differs only in letter case does. Whatever would lead outside (".." segments, drive
// letters, control characters, symbolic links pointing out, files with a second hard link)
// is simply not there, and the application path itself (zeno.ini holds the BBS password) is
// never reachable.
class PublicFolder {
public:
    explicit PublicFolder(const QString& appPath);

    QString path() const { return root_; }
    // Creates the folder, with a readme telling the operator what it is for, when missing.
    void create() const;

    // The canonical path of the regular file the argument names, when that is its only name.
    std::optional<QString> findFile(const QString& argument) const;
    // The entries an argument lists, "[name]" for a folder: an empty argument or one ending
    // in a separator lists that folder; a last part with "*" or "?" lists what matches it;
    // a plain name lists that one entry. Empty when nothing matches; files findFile would not
    // give are not listed.
    QStringList list(const QString& argument) const;

private:
    std::optional<QString> canonicalRoot() const;
    std::optional<QString> resolve(const QString& root, const QStringList& segments) const;

    QString appPath_;
    QString root_;
};

// "*" any run of characters, "?" one character, letter case ignored; "*.*" matches every name.
bool wildcardMatch(const QString& pattern, const QString& name);

}  // namespace zeno
