// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/firstshown.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace zeno {

namespace {

// Sees the window's first expose; the line goes out once that expose has been painted.
class FirstExposeWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            window->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                // For instruction counts up to the first paint: nothing after it is counted.
                if (qEnvironmentVariable("ZENO_REPORT_SHOWN") == QLatin1String("exit"))
                    std::_Exit(0);
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void reportFirstShown(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("ZENO_REPORT_SHOWN") || !window->windowHandle())
        return;
    window->windowHandle()->installEventFilter(new FirstExposeWatch(window));
}

}  // namespace zeno
