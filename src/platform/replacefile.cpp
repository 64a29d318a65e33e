// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/replacefile.h"

#include <QSaveFile>

namespace zeno {

QString replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The explicit flush matters: commit() does not notice when its own final flush of the
    // buffered bytes fails (a full disk would pass as a good save).
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    return file.commit() ? QString() : file.errorString();
}

}  // namespace zeno
