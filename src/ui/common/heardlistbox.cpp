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
    // Per pixel, QListView scrolls to a row by its visual rectangle alone (QListWidget's
    // scrollToItem goes there past any override); per row it would ask its own layout.
    setVerticalScrollMode(ScrollPerPixel);
}

QSize HeardListBox::rowSize() const {
    // A new font or style waits for the delayed layout, which measures again.
    const_cast<HeardListBox*>(this)->executeDelayedItemsLayout();
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

void HeardListBox::doItemsLayout() {
    rowSize_ = {};
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
        verticalScrollBar()->setSingleStep(row.height());
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setRange(0,
                                      std::max(0, count() * row.height() - viewport()->height()));
    }
    QAbstractItemView::updateGeometries();
}

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
            // A page down or up keeps one row of the last page in view.
            case MovePageUp:
                row -= std::max(1, fullRowsShown() - 1);
                break;
            case MovePageDown:
                row += std::max(1, fullRowsShown() - 1);
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
