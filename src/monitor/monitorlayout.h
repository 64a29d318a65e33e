// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zeno {

// Where the monitor panel (Frame1) and its text (Text1) sit in the main window, in twips.
// The window sizes are outer sizes; the panel heights are the heights the panels really have
// (they may be taller than designed when the fonts are).
struct MonitorPlace {
    double frameTop = 0;
    double frameHeight = 0;
    double textTop = 0;  // inside the panel
    double textHeight = 0;
    bool operator==(const MonitorPlace&) const = default;
};

struct MonitorSize {
    double frameWidth = 0;
    double frameHeight = 0;
    double textWidth = 0;
    double textHeight = 0;
    bool operator==(const MonitorSize&) const = default;
};

// The panels above the monitor that decide where it starts.
struct PanelsAbove {
    double communication = 0;  // the top row
    double txData = 0;
    double aprsMessage = 0;
};

inline constexpr double kMonitorMinimumHeight = 600;

// Expand: the monitor starts under the top row and covers the transmit panels and the heard
// list. Restore: it starts under the transmit panels again. The text starts 10 twips under
// the tool buttons.
MonitorPlace expandedMonitor(double windowHeight, const PanelsAbove& above, double buttonsBottom);
MonitorPlace restoredMonitor(double windowHeight, const PanelsAbove& above, double buttonsBottom);

// The monitor fitted to the window's size; the panel never shorter than 600.
MonitorSize fittedMonitor(double windowWidth, double windowHeight, double frameTop, double textTop);

// The heard list's share of a window taller than its design height: the extra height is split
// between the heard list and the monitor.
double heardListGrowth(double windowHeight, double designHeight);

}  // namespace zeno
