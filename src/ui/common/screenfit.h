// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace zeno {

// The frame of a window moved and, where it must be, shrunk so that it lies wholly on the
// available part of the screen. The window's decoration (frame minus its contents) is kept.
QRect fittedOnScreen(const QRect& frame, const QRect& available);

// The page on which a window whose controls may not fit a small screen builds its layout: the
// page scrolls inside the window where the screen is smaller than it.
QWidget* scrollingPage(QWidget* window);
// Once the page is built: the window opens as large as the page wants (at least atLeast).
void openAtPageSize(QWidget* window, const QSize& atLeast = {});

// Every window of the program opens fully on the screen it opens on.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    // Watches the whole application while it lives.
    ScreenFit();
    ~ScreenFit() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zeno
