// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <map>
#include <vector>

class QMainWindow;
class QScrollArea;

namespace zeno {

struct Form1Controls;

// The main window's geometry: the monitor kept fitted to the window, expanded over the
// transmit panels or restored, the heard list taking a share of a tall window, every control
// at least as large as its text needs. Where the screen is smaller than the panels need, the
// panels scroll.
class Form1Geometry : public QObject {
    Q_OBJECT
public:
    Form1Geometry(QMainWindow& window, Form1Controls& controls, QScrollArea& scroll);

    // Opens at the design size (outer, in twips), larger where the fonts need it, never
    // larger than the screen.
    void openAtSize(double widthTwips, double heightTwips);
    // The expand box was clicked: expand the monitor or restore it.
    void expandOrRestore();
    // The window's size changed.
    void fitToWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's outer size in twips as the monitor rules count it, at least as large as
    // the panels need.
    QSizeF windowTwips(const QSize& canvasNeed) const;
    QSize minimumCanvas();
    void refit();
    // What the controls of a fitted container ask for; a refit is due only when it changes.
    static std::vector<QSize> hintsOf(const QWidget* container);
    void placeMonitor(double top, double height, double textTop, double textHeight);
    // The heard list's share of a tall window (none for 0), in pixels.
    int showHeardShare(double windowHeight);

    QMainWindow& window_;
    Form1Controls& c_;
    QScrollArea& scroll_;
    QRect heardBase_;
    QRect heardListBase_;
    // The heard list's share (pixels) in the monitor's top as last placed here; the listener
    // layout places the monitor itself, always without a share.
    int heardShareOnTop_ = 0;
    int placedTop_ = -1;
    // A window taller than it opened gives the heard list a share of the rest.
    double openingHeight_ = 1e9;
    bool fitting_ = false;
    bool refitQueued_ = false;
    std::map<const QObject*, std::vector<QSize>> fittedHints_;
};

}  // namespace zeno
