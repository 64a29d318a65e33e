// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QPainter;

namespace zeno {

// Draws the map symbol of one setup picture (2 ... 19) into rect: our own small drawings of
// a satellite, a shuttle, a house, a car and so on.
void paintAprsSymbol(QPainter& painter, const QRectF& rect, int picture);

// One picture of the APRS setup window: shows its symbol, reports clicks, and shows a
// single-line border when it is the selected one.
class AprsIconPicture : public QFrame {
    Q_OBJECT
public:
    AprsIconPicture(int picture, QWidget* parent = nullptr);

    int picture() const { return picture_; }
    // 1: single-line border (selected), 0: none.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    QSize sizeHint() const override { return {36, 36}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int picture_;
    int borderStyle_ = 0;
};

}  // namespace zeno
