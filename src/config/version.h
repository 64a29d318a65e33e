#pragma once

#include <QString>

namespace zeno {

struct ProgramVersion {
    static constexpr int major = 3;
    static constexpr int minor = 0;
    static constexpr int revision = 1;

    // "3.0.1"
    static QString text() { return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision); }
    // " {ZENO30}": major version and the first digit of the minor version.
    static QString productTag() {
        return QStringLiteral(" {ZENO%1%2}").arg(major).arg(QString::number(minor).left(1));
    }
};

}  // namespace zeno
