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

}  // namespace zeno::test
