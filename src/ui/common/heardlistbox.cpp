// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/heardlistbox.h"

#include <QCursor>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace zeno {

HeardListBox::HeardListBox(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);  // what QListView's own code paths still ask
}

QSize HeardListBox::rowSize() const {
    if (rowSize_.isEmpty() && count() > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex first = model()->index(0, 0, rootIndex());
        rowSize_ = itemDelegateForIndex(first)->sizeHint(option, first);
        rowSize_.setHeight(std::max(1, rowSize_.height()));
        rowSize_.setWidth(std::max(1, rowSize_.width()));
    }
    return rowSize_;
}

int HeardListBox::verticalStep() const {
    return verticalScrollMode() == ScrollPerItem ? std::max(1, rowSize().height()) : 1;
}

int HeardListBox::fullRowsShown() const {
    const int height = rowSize().height();
    return height > 0 ? std::max(1, viewport()->height() / height) : 1;
}

int HeardListBox::rowWidth() const { return std::max(rowSize().width(), viewport()->width()); }

QRect HeardListBox::rowsRect(int first, int last) const {
    const int height = rowSize().height();
    return {-horizontalOffset(), first * height - verticalOffset(), rowWidth(),
            (last - first + 1) * height};
}

QRect HeardListBox::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        index.column() != 0 || rowSize().isEmpty())
        return {};
    return rowsRect(index.row(), index.row());
}

QModelIndex HeardListBox::indexAt(const QPoint& point) const {
    const int height = rowSize().height();
    const int y = point.y() + verticalOffset();
    const int x = point.x() + horizontalOffset();
    if (height <= 0 || y < 0 || x < 0 || x >= rowWidth() || y / height >= count())
        return {};
    return model()->index(y / height, 0, rootIndex());
}

void HeardListBox::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    if (hint == EnsureVisible && viewport()->rect().contains(rect)) {
        viewport()->update(rect);
        return;
    }
    const int height = rect.height();
    const int top = index.row() * height;
    const int shown = viewport()->height();
    int y = verticalOffset();
    switch (hint) {
        case EnsureVisible:
            y = top < y ? top : top + height - shown;
            break;
        case PositionAtTop:
            y = top;
            break;
        case PositionAtBottom:
            y = top + height - shown;
            break;
        case PositionAtCenter:
            y = top + height / 2 - shown / 2;
            break;
    }
    // Rounded up, so that a row scrolled to from above ends up whole at the bottom.
    const int step = verticalStep();
    verticalScrollBar()->setValue((std::max(0, y) + step - 1) / step);
}

void HeardListBox::doItemsLayout() {
    rowSize_ = {};  // a new font or style: measured again
    QAbstractItemView::doItemsLayout();
}

void HeardListBox::paintEvent(QPaintEvent* event) {
    const int height = rowSize().height();
    if (!itemDelegate() || height <= 0)
        return;
    const int offset = verticalOffset();
    const int first = std::max(0, (event->rect().top() + offset) / height);
    const int last = std::min(count() - 1, (event->rect().bottom() + offset) / height);

    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const bool enabled = state & QStyle::State_Enabled;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    // Asking X where the pointer is costs a round trip: only when it is over the list.
    const QModelIndex hover = viewport()->underMouse()
                                  ? indexAt(viewport()->mapFromGlobal(QCursor::pos()))
                                  : QModelIndex();
    QPainter painter(viewport());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = rowsRect(row, row);
        option.state = state;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = model()->flags(index) & Qt::ItemIsEnabled;
            option.state.setFlag(QStyle::State_Enabled, itemEnabled);
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal
                                                            : QPalette::Disabled);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            option.state.setFlag(QStyle::State_Editing, this->state() == EditingState);
        }
        option.state.setFlag(QStyle::State_MouseOver, index == hover);
        if (alternatingRowColors()) {
            option.features.setFlag(QStyleOptionViewItem::Alternate, row & 1);
            QStyleOptionViewItem background = option;
            background.state &= ~QStyle::State_Selected;
            style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &background, &painter, this);
        }
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void HeardListBox::updateGeometries() {
    const QSize row = rowSize();
    if (count() == 0 || row.isEmpty()) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
    } else {
        horizontalScrollBar()->setSingleStep(row.width());
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setRange(0, std::max(0, row.width() - viewport()->width()));
        QScrollBar* bar = verticalScrollBar();
        if (verticalScrollMode() == ScrollPerItem) {
            bar->setSingleStep(1);
            bar->setPageStep(fullRowsShown());
            bar->setRange(0, std::max(0, count() - fullRowsShown()));
        } else {
            bar->setSingleStep(row.height());
            bar->setPageStep(viewport()->height());
            bar->setRange(0, std::max(0, count() * row.height() - viewport()->height()));
        }
    }
    QAbstractItemView::updateGeometries();
}

void HeardListBox::scrollContentsBy(int dx, int dy) {
    QAbstractItemView::scrollContentsBy(dx, dy * verticalStep());
}

int HeardListBox::horizontalOffset() const { return horizontalScrollBar()->value(); }

int HeardListBox::verticalOffset() const { return verticalScrollBar()->value() * verticalStep(); }

QModelIndex HeardListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    if (count() == 0)
        return {};
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    if (current.isValid()) {
        switch (action) {
            case MoveUp:
            case MovePrevious:
                --row;
                break;
            case MoveDown:
            case MoveNext:
                ++row;
                break;
            case MovePageUp:
                row -= fullRowsShown();
                break;
            case MovePageDown:
                row += fullRowsShown();
                break;
            case MoveHome:
                row = 0;
                break;
            case MoveEnd:
                row = count() - 1;
                break;
            case MoveLeft:
            case MoveRight:
                break;
        }
    }
    return model()->index(std::clamp(row, 0, count() - 1), 0, rootIndex());
}

void HeardListBox::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (!selectionModel())
        return;
    QItemSelection selection;
    const int height = rowSize().height();
    const QRect area = rect.normalized().translated(horizontalOffset(), verticalOffset());
    if (height > 0 && area.bottom() >= 0 && area.top() < count() * height) {
        const int first = std::max(0, area.top() / height);
        const int last = std::min(count() - 1, area.bottom() / height);
        selection.select(model()->index(first, 0, rootIndex()),
                         model()->index(last, 0, rootIndex()));
    }
    selectionModel()->select(selection, command);
}

QRegion HeardListBox::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.isValid() && range.parent() == rootIndex() && range.left() == 0)
            region += rowsRect(range.top(), range.bottom()).intersected(viewport()->rect());
    }
    return region;
}

void HeardListBox::rowsInserted(const QModelIndex& parent, int start, int end) {
    // Past QListView's own, which would lay out every row again.
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    // Only the rows from the new one down move.
    viewport()->update(rowsRect(start, count() - 1).intersected(viewport()->rect()));
}

}  // namespace zeno
