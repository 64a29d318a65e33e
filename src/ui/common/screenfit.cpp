// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/screenfit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace zeno {

QRect fittedOnScreen(const QRect& frame, const QRect& available) {
    QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(),
                               available.left() + available.width() - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), available.top(),
                              available.top() + available.height() - fitted.height()));
    return fitted;
}

QWidget* scrollingPage(QWidget* window) {
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("pageScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    scroll->setWidget(page);
    auto* whole = new QVBoxLayout(window);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroll);
    return page;
}

void openAtPageSize(QWidget* window, const QSize& atLeast) {
    const auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("pageScroll"));
    // What the window holds beside the page (a row of buttons under it).
    const QSize beside = (window->layout()->sizeHint() - scroll->sizeHint()).expandedTo({0, 0});
    window->resize((scroll->widget()->sizeHint() + beside).expandedTo(atLeast));
}

ScreenFit::ScreenFit() { qApp->installEventFilter(this); }

ScreenFit::~ScreenFit() { qApp->removeEventFilter(this); }

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    const QScreen* screen = window->screen();
    if (!window->isWindow() || window->isMaximized() || window->isFullScreen() || !screen ||
        window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
        return false;
    const QRect frame = window->frameGeometry();
    const QRect available = screen->availableGeometry();
    const QRect fitted = fittedOnScreen(frame, available);
    if (fitted == frame)
        return false;
    const QSize size = window->size() - (frame.size() - fitted.size());
    window->setMinimumSize(window->minimumSize().boundedTo(size));
    window->resize(size);
    window->move(fitted.topLeft());
    return false;
}

}  // namespace zeno
