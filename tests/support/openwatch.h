// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QStringList>

#include <sys/inotify.h>
#include <unistd.h>

namespace zeno::test {

// The names of what is opened directly inside the watched folders, files and folders alike
// (empty for a watched folder itself). Linux inotify: the kernel sees every open, whatever
// the program opened it with.
class OpenWatch {
public:
    ~OpenWatch() { ::close(fd_); }
    bool watch(const QString& folder) {
        return inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN) >= 0;
    }
    // What was opened since the last call.
    QStringList opened() {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                names << (event->len ? QFile::decodeName(event->name) : QString());
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

private:
    int fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
};

}  // namespace zeno::test
