// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zenoversion.h"

#include <QString>

namespace zeno {

// What the main window's boxes show before any settings are read.
struct FormDefaults {
    static QString txText() {
        return QStringLiteral("Software: ZENO %1.%2")
            .arg(ProgramVersion::major)
            .arg(ProgramVersion::minor);
    }
    static QString toText() { return QStringLiteral("CQ"); }
    static QString viaText() { return QStringLiteral("RS0ISS"); }
    static QString aprsComment() { return QStringLiteral("73' Via Satellite"); }
    static QString messageFor() { return QStringLiteral("EMAIL"); }
    static QString messageText() { return QStringLiteral("sysop@example.com Hello..."); }
};

}  // namespace zeno
