// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the benchmarks paint: on the X server when there is one (what the operator pays for a
// repaint includes talking to it), offscreen otherwise. QT_QPA_PLATFORM still decides when set.
//   Xvfb :57 -screen 0 1920x1080x24 &  DISPLAY=:57 build/release/bench/bench_polltick

#include <QGuiApplication>
#include <QString>
#include <cstdio>

namespace zeno::bench {

// Before the application is made.
inline void choosePlatform() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
}

// After it is made: every figure printed is for this platform.
inline void reportPlatform() {
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::fflush(stdout);
}

}  // namespace zeno::bench
