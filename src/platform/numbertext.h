// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

// Numbers in ZENO's settings file, its replies on the air and its error titles carry a blank
// in the sign position when they are not negative (" 60", "-1").
inline QString signedNumberText(const QString& digits) {
    return digits.startsWith(QLatin1Char('-')) ? digits : QLatin1Char(' ') + digits;
}
inline QString signedNumberText(qint64 number) { return signedNumberText(QString::number(number)); }

}  // namespace zeno
