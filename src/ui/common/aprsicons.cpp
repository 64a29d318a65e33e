// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/aprsicons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zeno {

namespace {

const QColor kInk(30, 30, 30);
constexpr qreal kPi = 3.14159265358979323846;

void drawCentredText(QPainter& p, const QRectF& r, const QString& text, const QColor& color,
                     qreal sizeFactor) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(qMax(6, int(r.height() * sizeFactor)));
    p.setFont(f);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

void house(QPainter& p, const QRectF& r, const QColor& wall) {
    const QRectF body(r.left() + r.width() * 0.2, r.top() + r.height() * 0.5, r.width() * 0.6,
                      r.height() * 0.4);
    p.setPen(QPen(kInk, 1));
    p.setBrush(wall);
    p.drawRect(body);
    QPolygonF roof;
    roof << QPointF(r.left() + r.width() * 0.1, body.top())
         << QPointF(r.center().x(), r.top() + r.height() * 0.18)
         << QPointF(r.right() - r.width() * 0.1, body.top());
    p.setBrush(QColor(190, 40, 40));
    p.drawPolygon(roof);
    p.setBrush(QColor(110, 70, 30));
    p.drawRect(QRectF(r.center().x() - r.width() * 0.07, body.bottom() - body.height() * 0.6,
                      r.width() * 0.14, body.height() * 0.6));
}

void satellite(QPainter& p, const QRectF& r) {
    const QPointF c = r.center();
    const qreal u = r.width() / 16;
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 90, 200));
    p.drawRect(QRectF(c.x() - 7 * u, c.y() - 2 * u, 4.5 * u, 4 * u));
    p.drawRect(QRectF(c.x() + 2.5 * u, c.y() - 2 * u, 4.5 * u, 4 * u));
    p.setBrush(QColor(210, 190, 80));
    p.drawRect(QRectF(c.x() - 2.5 * u, c.y() - 2.5 * u, 5 * u, 5 * u));
    p.drawLine(QPointF(c.x(), c.y() + 2.5 * u), QPointF(c.x(), c.y() + 6 * u));
    p.drawEllipse(QPointF(c.x(), c.y() + 6.5 * u), u, u * 0.6);
}

void shuttle(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    const QPointF c = r.center();
    QPainterPath body;
    body.moveTo(c.x(), r.top() + u);
    body.cubicTo(c.x() + 2 * u, c.y() - 4 * u, c.x() + 2 * u, c.y(), c.x() + 2 * u, c.y() + 2 * u);
    body.lineTo(c.x() + 6 * u, c.y() + 5 * u);
    body.lineTo(c.x() + 6 * u, c.y() + 6 * u);
    body.lineTo(c.x() - 6 * u, c.y() + 6 * u);
    body.lineTo(c.x() - 6 * u, c.y() + 5 * u);
    body.lineTo(c.x() - 2 * u, c.y() + 2 * u);
    body.cubicTo(c.x() - 2 * u, c.y(), c.x() - 2 * u, c.y() - 4 * u, c.x(), r.top() + u);
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPath(body);
    p.setBrush(kInk);
    p.drawRect(QRectF(c.x() - u, c.y() + 6 * u, 2 * u, u));
}

void car(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    const QPointF c = r.center();
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(40, 110, 200));
    QPainterPath body;
    body.moveTo(c.x() - 7 * u, c.y() + 3 * u);
    body.lineTo(c.x() - 7 * u, c.y());
    body.lineTo(c.x() - 4 * u, c.y());
    body.lineTo(c.x() - 2 * u, c.y() - 3 * u);
    body.lineTo(c.x() + 3 * u, c.y() - 3 * u);
    body.lineTo(c.x() + 5 * u, c.y());
    body.lineTo(c.x() + 7 * u, c.y() + 0.5 * u);
    body.lineTo(c.x() + 7 * u, c.y() + 3 * u);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(c.x() - 4 * u, c.y() + 3.5 * u), 1.6 * u, 1.6 * u);
    p.drawEllipse(QPointF(c.x() + 4 * u, c.y() + 3.5 * u), 1.6 * u, 1.6 * u);
}

void yagiHouse(QPainter& p, const QRectF& r) {
    house(p, r.adjusted(0, r.height() * 0.1, -r.width() * 0.2, 0), QColor(240, 230, 200));
    const qreal u = r.width() / 16;
    const qreal mastX = r.right() - 3 * u;
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(mastX, r.bottom() - 2 * u), QPointF(mastX, r.top() + 2 * u));
    p.drawLine(QPointF(mastX - 3 * u, r.top() + 3 * u), QPointF(mastX + 2 * u, r.top() + 3 * u));
    for (int i = 0; i < 3; ++i) {
        const qreal x = mastX - 2.5 * u + i * 2 * u;
        p.drawLine(QPointF(x, r.top() + 1.5 * u), QPointF(x, r.top() + 4.5 * u));
    }
}

void school(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    const QRectF body(r.left() + 2 * u, r.top() + 7 * u, 12 * u, 7 * u);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(200, 120, 70));
    p.drawRect(body);
    p.setBrush(QColor(250, 250, 200));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(body.left() + u + i * 4 * u, body.top() + 1.5 * u, 2 * u, 2 * u));
    p.drawLine(QPointF(r.center().x(), body.top()), QPointF(r.center().x(), r.top() + u));
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(r.center().x(), r.top() + u, 4 * u, 2.5 * u));
}

void emergency(QPainter& p, const QRectF& r) {
    QPolygonF triangle;
    triangle << QPointF(r.center().x(), r.top() + r.height() * 0.08)
             << QPointF(r.right() - r.width() * 0.06, r.bottom() - r.height() * 0.1)
             << QPointF(r.left() + r.width() * 0.06, r.bottom() - r.height() * 0.1);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(220, 20, 20));
    p.drawPolygon(triangle);
    drawCentredText(p, r.adjusted(0, r.height() * 0.2, 0, 0), QStringLiteral("!"), Qt::white, 0.5);
}

void star(QPainter& p, const QRectF& r, const QColor& fill, const QString& letter) {
    QPolygonF points;
    const QPointF c = r.center();
    const qreal outer = r.width() * 0.46;
    const qreal inner = outer * 0.45;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -kPi / 2 + i * kPi / 5;
        const qreal radius = i % 2 == 0 ? outer : inner;
        points << QPointF(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
    }
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawPolygon(points);
    drawCentredText(p, r.adjusted(0, r.height() * 0.05, 0, 0), letter, Qt::white, 0.32);
}

void weather(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    p.setPen(QPen(QColor(200, 140, 0), 1));
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(QPointF(r.left() + 6 * u, r.top() + 6 * u), 3.5 * u, 3.5 * u);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(235, 235, 245));
    p.drawEllipse(QPointF(r.left() + 7 * u, r.top() + 11 * u), 3 * u, 2.5 * u);
    p.drawEllipse(QPointF(r.left() + 10.5 * u, r.top() + 9.5 * u), 3.5 * u, 3.5 * u);
    p.drawEllipse(QPointF(r.left() + 12 * u, r.top() + 12 * u), 2.5 * u, 2 * u);
}

void labelledBox(QPainter& p, const QRectF& r, const QString& text, const QColor& fill,
                 const QColor& ink) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawRoundedRect(
        r.adjusted(r.width() * 0.08, r.height() * 0.2, -r.width() * 0.08, -r.height() * 0.2), 2, 2);
    drawCentredText(p, r, text, ink, 0.36);
}

void weatherService(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(120, 160, 230));
    p.drawEllipse(QPointF(r.left() + 5 * u, r.top() + 9 * u), 3.5 * u, 3 * u);
    p.drawEllipse(QPointF(r.left() + 9 * u, r.top() + 7 * u), 4.5 * u, 4 * u);
    p.drawEllipse(QPointF(r.left() + 12 * u, r.top() + 10 * u), 3 * u, 2.5 * u);
    drawCentredText(p, r.adjusted(0, u, 0, 0), QStringLiteral("W"), Qt::white, 0.4);
}

void yacht(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(120, 70, 30));
    QPolygonF hull;
    hull << QPointF(r.left() + 2 * u, r.top() + 11 * u)
         << QPointF(r.right() - 2 * u, r.top() + 11 * u)
         << QPointF(r.right() - 4 * u, r.top() + 14 * u)
         << QPointF(r.left() + 4 * u, r.top() + 14 * u);
    p.drawPolygon(hull);
    p.drawLine(QPointF(r.center().x(), r.top() + 11 * u), QPointF(r.center().x(), r.top() + u));
    p.setBrush(Qt::white);
    QPolygonF sail;
    sail << QPointF(r.center().x() + 0.5 * u, r.top() + 1.5 * u)
         << QPointF(r.center().x() + 0.5 * u, r.top() + 10 * u)
         << QPointF(r.right() - 2.5 * u, r.top() + 10 * u);
    p.drawPolygon(sail);
    QPolygonF jib;
    jib << QPointF(r.center().x() - 0.5 * u, r.top() + 3 * u)
        << QPointF(r.center().x() - 0.5 * u, r.top() + 10 * u)
        << QPointF(r.left() + 3 * u, r.top() + 10 * u);
    p.drawPolygon(jib);
}

void balloon(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(230, 60, 60));
    p.drawEllipse(QPointF(r.center().x(), r.top() + 6 * u), 4.5 * u, 5 * u);
    p.drawLine(QPointF(r.center().x() - 2 * u, r.top() + 10.5 * u),
               QPointF(r.center().x() - u, r.top() + 13 * u));
    p.drawLine(QPointF(r.center().x() + 2 * u, r.top() + 10.5 * u),
               QPointF(r.center().x() + u, r.top() + 13 * u));
    p.setBrush(QColor(150, 100, 40));
    p.drawRect(QRectF(r.center().x() - 1.2 * u, r.top() + 13 * u, 2.4 * u, 2 * u));
}

void redCross(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(u, u, -u, -u));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 20, 20));
    p.drawRect(QRectF(r.center().x() - 1.6 * u, r.top() + 3 * u, 3.2 * u, 10 * u));
    p.drawRect(QRectF(r.left() + 3 * u, r.center().y() - 1.6 * u, 10 * u, 3.2 * u));
}

void homeHf(QPainter& p, const QRectF& r) {
    house(p, r.adjusted(0, 0, 0, -r.height() * 0.25), QColor(240, 230, 200));
    drawCentredText(p,
                    QRectF(r.left(), r.bottom() - r.height() * 0.32, r.width(), r.height() * 0.32),
                    QStringLiteral("HF"), QColor(200, 30, 30), 0.95);
}

void node(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    const QPointF a(r.left() + 4 * u, r.top() + 4 * u);
    const QPointF b(r.right() - 4 * u, r.top() + 5 * u);
    const QPointF c(r.center().x(), r.bottom() - 3.5 * u);
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(a, b);
    p.drawLine(b, c);
    p.drawLine(c, a);
    p.setBrush(QColor(60, 170, 60));
    for (const QPointF& point : {a, b, c})
        p.drawEllipse(point, 2.3 * u, 2.3 * u);
}

void hfGateway(QPainter& p, const QRectF& r) {
    QPolygonF diamond;
    diamond << QPointF(r.center().x(), r.top() + r.height() * 0.05)
            << QPointF(r.right() - r.width() * 0.05, r.center().y())
            << QPointF(r.center().x(), r.bottom() - r.height() * 0.05)
            << QPointF(r.left() + r.width() * 0.05, r.center().y());
    p.setPen(QPen(kInk, 1));
    p.setBrush(kInk);
    p.drawPolygon(diamond);
    drawCentredText(p, r, QStringLiteral("HF"), Qt::white, 0.3);
}

void repeater(QPainter& p, const QRectF& r) {
    const qreal u = r.width() / 16;
    const qreal x = r.center().x();
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(x, r.top() + 5 * u), QPointF(x - 4 * u, r.bottom() - u));
    p.drawLine(QPointF(x, r.top() + 5 * u), QPointF(x + 4 * u, r.bottom() - u));
    p.drawLine(QPointF(x - 2 * u, r.top() + 10 * u), QPointF(x + 2 * u, r.top() + 10 * u));
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QPointF(x, r.top() + 4.5 * u), 1.2 * u, 1.2 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 90, 200), 1));
    for (int i = 1; i <= 2; ++i) {
        const QRectF arc(x - (2 + 1.8 * i) * u, r.top() + (4.5 - 2 - 1.8 * i) * u,
                         2 * (2 + 1.8 * i) * u, 2 * (2 + 1.8 * i) * u);
        p.drawArc(arc, -40 * 16, 80 * 16);
        p.drawArc(arc, 140 * 16, 80 * 16);
    }
}

}  // namespace

void paintAprsSymbol(QPainter& p, const QRectF& rect, int picture) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
        case 2:
            satellite(p, rect);
            break;
        case 3:
            shuttle(p, rect);
            break;
        case 4:
            house(p, rect, QColor(240, 230, 200));
            break;
        case 5:
            car(p, rect);
            break;
        case 6:
            yagiHouse(p, rect);
            break;
        case 7:
            school(p, rect);
            break;
        case 8:
            emergency(p, rect);
            break;
        case 9:
            star(p, rect, QColor(30, 150, 50), QStringLiteral("D"));
            break;
        case 10:
            weather(p, rect);
            break;
        case 11:
            labelledBox(p, rect, QStringLiteral("DX"), QColor(250, 220, 60), kInk);
            break;
        case 12:
            weatherService(p, rect);
            break;
        case 13:
            yacht(p, rect);
            break;
        case 14:
            balloon(p, rect);
            break;
        case 15:
            redCross(p, rect);
            break;
        case 16:
            homeHf(p, rect);
            break;
        case 17:
            node(p, rect);
            break;
        case 18:
            hfGateway(p, rect);
            break;
        case 19:
            repeater(p, rect);
            break;
        default:
            break;
    }
    p.restore();
}

AprsIconPicture::AprsIconPicture(int picture, QWidget* parent) : QFrame(parent), picture_(picture) {
    setObjectName(QStringLiteral("Picture%1").arg(picture));
    setFrameShape(QFrame::NoFrame);
    setLineWidth(1);
    setFixedSize(sizeHint());
}

void AprsIconPicture::setBorderStyle(int style) {
    borderStyle_ = style;
    setFrameShape(style == 1 ? QFrame::Box : QFrame::NoFrame);
    update();
}

void AprsIconPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    paintAprsSymbol(p, QRectF(contentsRect()).adjusted(2, 2, -2, -2), picture_);
}

void AprsIconPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QFrame::mousePressEvent(event);
}

}  // namespace zeno
