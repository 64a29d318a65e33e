// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QTest>

namespace zeno::test {

// Any Qt warning fails the running test, except what the offscreen platform itself says
// about window features it does not have.
inline void failOnUnexpectedWarnings() {
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support (propagateSizeHints|raise|grabbing)).*$"),
        QRegularExpression::DotMatchesEverythingOption));
}

}  // namespace zeno::test
