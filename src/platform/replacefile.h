// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace zeno {

// Replaces a file with these bytes in one step: written beside it and renamed over it only when
// complete, so a full disk or a crash never leaves a cut file and never destroys the previous
// one. Returns why it failed, empty on success. zeno.ini, engine.ini and the texts the operator
// saves are written through it.
QString replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace zeno
