// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cstring>
#include <functional>

namespace zeno {

namespace {

// Each drawing fills a 16 by 16 square; the painter is scaled for larger sizes.
using Drawing = std::function<void(QPainter&)>;

const QColor kInk(60, 60, 60);
const QColor kPaper(250, 250, 250);

void page(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (double y = r.top() + 3; y < r.bottom() - 1.5; y += 2.5)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void scissors(QPainter& p) {
    p.setPen(QPen(QColor(120, 120, 130), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 10), QPointF(11, 1.5));
    p.drawLine(QPointF(10.5, 10), QPointF(5, 1.5));
    p.setPen(QPen(QColor(200, 30, 30), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
}

void copies(QPainter& p) {
    page(p, QRectF(1.5, 1.5, 8, 10));
    page(p, QRectF(6.5, 4.5, 8, 10));
}

void clipboard(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(180, 130, 60));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 13), 1.5, 1.5);
    page(p, QRectF(4.5, 5.5, 7, 8));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(5.5, 0.5, 5, 3.5), 1, 1);
}

void eraser(QPainter& p) {
    p.save();
    p.translate(8, 8);
    p.rotate(-35);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(230, 90, 110));
    p.drawRect(QRectF(-6.5, -3, 7, 6));
    p.setBrush(QColor(90, 120, 220));
    p.drawRect(QRectF(0.5, -3, 6, 6));
    p.restore();
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(1, 15), QPointF(15, 15));
}

void printer(QPainter& p) {
    page(p, QRectF(4.5, 0.5, 7, 6));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(0.5, 5.5, 15, 7), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 10.5, 9, 5));
    p.setBrush(QColor(60, 180, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(13, 8), 1, 1);
}

void floppy(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(40, 70, 160));
    QPainterPath body;
    body.moveTo(0.5, 0.5);
    body.lineTo(13, 0.5);
    body.lineTo(15.5, 3);
    body.lineTo(15.5, 15.5);
    body.lineTo(0.5, 15.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4, 0.5, 7, 5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 8.5, 11, 7));
}

void folder(QPainter& p) {
    p.setPen(QPen(QColor(140, 100, 10), 1));
    p.setBrush(QColor(230, 180, 50));
    QPainterPath back;
    back.moveTo(0.5, 14.5);
    back.lineTo(0.5, 2.5);
    back.lineTo(5.5, 2.5);
    back.lineTo(7, 4.5);
    back.lineTo(14.5, 4.5);
    back.lineTo(14.5, 14.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 210, 90));
    QPainterPath front;
    front.moveTo(0.5, 14.5);
    front.lineTo(3, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(14.5, 14.5);
    front.closeSubpath();
    p.drawPath(front);
}

Drawing drawingFor(const char* name) {
    const struct {
        const char* name;
        void (*draw)(QPainter&);
    } drawings[] = {{"edit-cut", scissors},      {"edit-copy", copies},
                    {"edit-paste", clipboard},   {"edit-clear", eraser},
                    {"document-print", printer}, {"document-save", floppy},
                    {"document-open", folder}};
    for (const auto& d : drawings) {
        if (std::strcmp(d.name, name) == 0)
            return d.draw;
    }
    return {};
}

}  // namespace

QIcon drawnToolIcon(const char* themeName) {
    const Drawing draw = drawingFor(themeName);
    if (!draw)
        return {};
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon toolIcon(const char* themeName) {
    return QIcon::fromTheme(QLatin1String(themeName), drawnToolIcon(themeName));
}

}  // namespace zeno
