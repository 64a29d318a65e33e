// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

namespace zeno {

// Window geometry in twips (outer frame of the main window).
struct TwipsGeometry {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The main window as the settings reader and writer see it. The window implements it;
// tests use a recording fake.
class SettingsView {
public:
    virtual ~SettingsView() = default;

    // Label4 and Label5 (and the listener labels) show the callsign.
    virtual void showCallsign(const QString& callsign) = 0;
    // Refill a drop-down box with these entries (the box's own text is kept).
    virtual void setHistory(HistoryBox box, const QStringList& entries) = 0;
    // Select entry 0, so the box shows it.
    virtual void selectFirstEntry(HistoryBox box) = 0;
    virtual QString boxText(HistoryBox box) const = 0;
    virtual void setBoxText(HistoryBox box, const QString& text) = 0;

    virtual void setMonitorFont(const QString& family) = 0;
    virtual void setMonitorColors(int textRgb, int backgroundRgb) = 0;
    // The six drop-down boxes and the heard list.
    virtual void setDataBoxColors(int foreRgb, int backRgb) = 0;
    virtual void setAutoScrollChecked(bool checked) = 0;
    // Beacon label in its "on" look ("Beacon ON", yellow on light red).
    virtual void showBeaconOn() = 0;

    virtual TwipsGeometry windowGeometry() const = 0;
    virtual QSizeF screenSize() const = 0;  // twips
    virtual void setWindowLeft(double twips) = 0;
    virtual void setWindowTop(double twips) = 0;
    virtual void setWindowSize(double widthTwips, double heightTwips) = 0;
    virtual void maximizeWindow() = 0;
};

}  // namespace zeno
