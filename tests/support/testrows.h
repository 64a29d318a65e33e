// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

namespace zeno::test {

// The columns of a data-driven test: columns<QString, int>("text", "count").
template <typename... T, typename... Names>
void columns(const Names&... names) {
    static_assert(sizeof...(T) == sizeof...(Names));
    (QTest::addColumn<T>(names), ...);
}

// One row of a data-driven test: row("name", a, b, c) adds a row with those column values.
template <typename... T>
void row(const char* name, const T&... values) {
    (QTest::newRow(name) << ... << values);
}

// The current row's value of a column, for a value used once: fetched<QString>("text").
template <typename T>
const T& fetched(const char* name) {
    return *static_cast<const T*>(QTest::qData(name, qMetaTypeId<T>()));
}

}  // namespace zeno::test
