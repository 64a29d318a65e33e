#include "support/openwatch.h"

#include <sys/inotify.h>
#include <unistd.h>

namespace zeno::test {

OpenWatch::OpenWatch() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

OpenWatch::~OpenWatch() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool OpenWatch::watch(const QString& folder) {
    const int wd = inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN);
    if (wd >= 0)
        folders_.insert(wd, folder);
    return wd >= 0;
}

QStringList OpenWatch::opened() {
    QStringList names;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const QString folder = folders_.value(event->wd);
            names << (event->len ? folder + u'/' + QFile::decodeName(event->name) : folder);
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    return names;
}

}  // namespace zeno::test
