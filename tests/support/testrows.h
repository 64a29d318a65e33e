#pragma once

#include <QTest>

namespace zeno::test {

// One row of a data-driven test: row("name", a, b, c) adds a row with those column values.
template <typename... T>
void row(const char* name, const T&... values) {
    (QTest::newRow(name) << ... << values);
}

}  // namespace zeno::test
