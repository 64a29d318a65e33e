#pragma once

#include <QFile>
#include <QHash>
#include <QStringList>

namespace zeno::test {

// Reports what is opened directly inside the watched folders, files and folders alike
// ("folder/name"; the folder itself opened as "folder"). Linux inotify: the kernel sees every
// open, whatever the program opened it with.
class OpenWatch {
public:
    OpenWatch();
    ~OpenWatch();
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool watch(const QString& folder);
    // What was opened since the last call.
    QStringList opened();

private:
    int fd_ = -1;
    QHash<int, QString> folders_;
};

}  // namespace zeno::test
