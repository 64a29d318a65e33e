#pragma once

#include <QObject>
#include <QRect>

namespace zeno {

// The frame of a window moved and, where it must be, shrunk so that it lies wholly on the
// available part of the screen. The window's decoration (frame minus its contents) is kept.
QRect fittedOnScreen(const QRect& frame, const QRect& available);

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
