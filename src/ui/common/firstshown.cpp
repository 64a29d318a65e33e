// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/firstshown.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zeno {

namespace {

// Sees the window's first expose; the callbacks run once that expose has been painted.
class FirstExposeWatch : public QObject {
public:
    static constexpr const char* kName = "firstExposeWatch";

    explicit FirstExposeWatch(QWidget* window) : QObject(window) { setObjectName(kName); }

    std::vector<std::function<void()>> callbacks;

    void runAll() {
        // A callback may open a box with its own event loop: take the list first.
        const auto due = std::move(callbacks);
        setObjectName(QString());  // asked for from now on: run at once
        deleteLater();
        for (const auto& then : due)
            then();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            window->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { runAll(); });
        }
        return QObject::eventFilter(watched, event);
    }
};

void whenPainted(QWidget* window, std::function<void()> then, bool beforeTheRest) {
    auto* watch = static_cast<FirstExposeWatch*>(
        window->findChild<QObject*>(FirstExposeWatch::kName, Qt::FindDirectChildrenOnly));
    if (!watch) {
        watch = new FirstExposeWatch(window);
        QWindow* handle = window->windowHandle();
        if (handle && !handle->isExposed())
            handle->installEventFilter(watch);
        else
            QTimer::singleShot(0, watch, [watch] { watch->runAll(); });
    }
    auto& c = watch->callbacks;
    c.insert(beforeTheRest ? c.begin() : c.end(), std::move(then));
}

}  // namespace

void whenFirstShown(QWidget* window, std::function<void()> then) {
    whenPainted(window, std::move(then), false);
}

void reportFirstShown(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("ZENO_REPORT_SHOWN"))
        return;
    // Ahead of the start-up work that waits for the paint: the paint is what is timed.
    whenPainted(
        window,
        [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            // For instruction counts up to the first paint: nothing after it is counted.
            if (qEnvironmentVariable("ZENO_REPORT_SHOWN") == QLatin1String("exit"))
                std::_Exit(0);
        },
        true);
}

}  // namespace zeno
