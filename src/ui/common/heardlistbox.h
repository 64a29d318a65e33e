// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace zeno {

// A list box whose rows are all one height, laid out top to bottom: row n sits at n row heights,
// so nothing has to be laid out when a row comes or goes. QListView keeps a position per row
// and lays out every row again on each insert, which at ten thousand heard stations was most of
// a frame's work.
//
// One column, no hidden rows, no wrapping, no grid, scrolled per pixel: the heard list needs
// nothing else.
class HeardListBox : public QListWidget {
public:
    explicit HeardListBox(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    QSize rowSize() const;  // of the first row, measured when first asked
    int fullRowsShown() const;
    int rowWidth() const;
    QRect rowsRect(int first, int last) const;  // in viewport coordinates

    mutable QSize rowSize_;
};

}  // namespace zeno
