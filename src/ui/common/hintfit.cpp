// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/hintfit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRect>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace zeno {

namespace {

const char* const kPlaceProperty = "zenoPlace";
const char* const kShadowProperty = "zenoShadowOf";

// Neighbours that touch or overlap by this much still count as side by side (the twips of
// adjacent panels often overlap by a pixel).
constexpr int kSlack = 2;
// What is kept free between neighbours and on the right and below the children of a panel,
// at most.
constexpr int kMaxMargin = 8;

struct Item {
    QWidget* widget;
    QRect want;
    QSize need;
    QPoint at;
};

bool placedByHand(const QWidget* w) {
    return w->layout() == nullptr &&
           (qobject_cast<const QGroupBox*>(w) || w->metaObject() == &QWidget::staticMetaObject);
}

QSize hint(QWidget* w, FitMode mode) {
    if (placedByHand(w) && !w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
        return fitToHints(w, mode);
    QSize h = w->minimumSizeHint();
    // A caption is never cut: labels and buttons get their whole text.
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
        h = h.expandedTo(w->sizeHint());
    return h.expandedTo(w->minimumSize());
}

bool sameRow(const QRect& a, const QRect& b) {
    return a.top() < b.bottom() - kSlack && b.top() < a.bottom() - kSlack;
}

// Each item starts no earlier than the design says and no earlier than the grown items
// before it allow, keeping the design's gap to them up to kMaxMargin (a design overlap becomes
// no gap).
template <typename Before, typename Start, typename Length, typename Set>
void push(std::vector<Item*>& order, Before before, Start start, Length length, Set set) {
    std::sort(order.begin(), order.end(),
              [&](const Item* a, const Item* b) { return start(a->want) < start(b->want); });
    for (size_t i = 0; i < order.size(); ++i) {
        Item* b = order[i];
        int at = start(b->want);
        for (size_t j = 0; j < i; ++j) {
            const Item* a = order[j];
            if (!before(a->want, b->want))
                continue;
            // A wide design gap is room to grow into, not a distance to keep.
            const int gap =
                std::clamp(start(b->want) - (start(a->want) + length(a->want)), 0, kMaxMargin);
            at = std::max(at, start(a->at) + length(a->need) + gap);
        }
        set(b->at, at);
    }
}

}  // namespace

QRect requestedPlace(const QWidget* widget) {
    const QVariant place = widget->property(kPlaceProperty);
    return place.isValid() ? place.toRect() : widget->geometry();
}

void setRequestedPlace(QWidget* widget, const QRect& place) {
    widget->setProperty(kPlaceProperty, place);
}

void markShadow(QWidget* shadow, QWidget* owner) {
    shadow->setProperty(kShadowProperty, QVariant::fromValue(owner));
}

QSize fitToHints(QWidget* container, FitMode mode) {
    std::vector<Item> items;
    std::vector<QWidget*> shadows;
    for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || w->isHidden())
            continue;
        if (w->property(kShadowProperty).isValid()) {
            shadows.push_back(w);
            continue;
        }
        const QRect want = requestedPlace(w);
        items.push_back({w, want, want.size().expandedTo(hint(w, mode)), want.topLeft()});
    }
    std::vector<Item*> order;
    for (Item& item : items)
        order.push_back(&item);

    push(
        order, [](const QRect& a, const QRect& b) { return b.top() >= a.bottom() + 1 - kSlack; },
        [](const auto& r) { return r.y(); }, [](const auto& s) { return s.height(); },
        [](QPoint& p, int v) { p.setY(v); });
    push(
        order,
        [](const QRect& a, const QRect& b) {
            return sameRow(a, b) && b.left() >= a.right() + 1 - kSlack;
        },
        [](const auto& r) { return r.x(); }, [](const auto& s) { return s.width(); },
        [](QPoint& p, int v) { p.setX(v); });

    QRect wanted;
    QRect used;
    for (const Item& item : items) {
        if (mode == FitMode::Apply)
            item.widget->setGeometry(QRect(item.at, item.need));
        wanted |= item.want;
        used |= QRect(item.at, item.need);
    }
    for (QWidget* shadow : mode == FitMode::Apply ? shadows : std::vector<QWidget*>{}) {
        auto* owner = shadow->property(kShadowProperty).value<QWidget*>();
        const QPoint offset = requestedPlace(shadow).topLeft() - requestedPlace(owner).topLeft();
        shadow->setGeometry(QRect(owner->pos() + offset, owner->size()));
        shadow->stackUnder(owner);
    }
    // A container nobody placed (a window's page) needs no more than its children.
    const QVariant place = container->property(kPlaceProperty);
    const QSize own = place.isValid() ? place.toRect().size() : QSize(0, 0);
    const int right = std::clamp(own.width() - wanted.right() - 1, 0, kMaxMargin);
    const int bottom = std::clamp(own.height() - wanted.bottom() - 1, 0, kMaxMargin);
    return own.expandedTo(QSize(used.right() + 1 + right, used.bottom() + 1 + bottom));
}

}  // namespace zeno
