// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/monitorlayout.h"

#include <algorithm>

namespace zeno {

namespace {

MonitorPlace placed(double windowHeight, double frameTop, double bottomMargin,
                    double buttonsBottom) {
    MonitorPlace p;
    p.frameTop = frameTop;
    p.frameHeight = windowHeight - frameTop - bottomMargin;
    p.textTop = buttonsBottom + 10;
    // Twenty twips of the panel stay free under the text.
    p.textHeight = p.frameHeight - p.textTop - 20;
    return p;
}

}  // namespace

MonitorPlace expandedMonitor(double windowHeight, const PanelsAbove& above, double buttonsBottom) {
    return placed(windowHeight, above.communication, 750, buttonsBottom);
}

MonitorPlace restoredMonitor(double windowHeight, const PanelsAbove& above, double buttonsBottom) {
    const double top = above.txData + above.communication + above.aprsMessage + 590;
    return placed(windowHeight, top, 700, buttonsBottom);
}

MonitorSize fittedMonitor(double windowWidth, double windowHeight, double frameTop,
                          double textTop) {
    MonitorSize s;
    s.frameWidth = windowWidth - 160;
    s.textWidth = windowWidth - 340;
    const double h = std::max(windowHeight - frameTop - 720, kMonitorMinimumHeight + 20);
    s.frameHeight = h - 20;
    s.textHeight = s.frameHeight - textTop;
    return s;
}

double heardListGrowth(double windowHeight, double designHeight) {
    return std::max(0.0, (windowHeight - designHeight) / 2);
}

}  // namespace zeno
