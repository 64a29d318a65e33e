// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/monitoredit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

namespace zeno {

namespace {

constexpr int kFirstPrintable = 0x20;
// A row of a cell, with the column either side of it, fits one word.
constexpr int kWidestCell = 30;
// A line's pixels are set this many at a time.
constexpr int kPixelsAtOnce = 4;

// The ink of the glyph drawn in the middle cell of scratch, one word a row: bit 0 is the
// column left of the cell, bit width + 1 the column right of it (an R's leg reaches there).
// False when there is ink anywhere else, or a pixel neither the text colour nor the background.
bool inkRows(const QImage& scratch, const QRect& cell, QRgb empty, QRgb ink, quint32* rows) {
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (row[x] == empty)
                continue;
            if (row[x] != ink || y < cell.top() || y > cell.bottom() || x < cell.left() - 1 ||
                x > cell.right() + 1)
                return false;
            rows[y - cell.top()] |= 1u << (x - cell.left() + 1);
        }
    }
    return true;
}

}  // namespace

bool MonitorEdit::paintsPlain() const {
    // The stock paint draws a caret and selections; read-only, none is shown.
    return isReadOnly() && !(textInteractionFlags() & Qt::TextSelectableByKeyboard) &&
           !textCursor().hasSelection() && extraSelections().isEmpty() && !document()->isEmpty() &&
           layoutDirection() == Qt::LeftToRight && qFuzzyCompare(devicePixelRatioF(), 1.0);
}

MonitorEdit::MonitorEdit(QWidget* parent) : QPlainTextEdit(parent) {
    // The box fills its own background with the painter it paints the text with: the stock
    // fill takes a painter of its own on every paint.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonitorEdit::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QBrush background = viewport()->palette().brush(viewport()->backgroundRole());
    for (const QRect& bare : event->region())
        painter.fillRect(bare, background);
    if (!paintsPlain()) {
        painter.end();  // the stock paint takes the viewport with a painter of its own
        QPlainTextEdit::paintEvent(event);
        return;
    }
    painter.setPen(palette().color(QPalette::Text));
    cellsCheckedThisPaint_ = false;
    const QRect exposed = event->rect();
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF place = blockBoundingRect(block).translated(offset);
        if (block.isVisible() && place.bottom() >= exposed.top() &&
            place.top() <= exposed.bottom()) {
            const QTextLayout* layout = block.layout();
            const QString text = block.text();
            const QPointF origin = offset + layout->position();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const QRectF lineRect = line.rect().translated(origin);
                if (line.textLength() == 0 || lineRect.bottom() < exposed.top() ||
                    lineRect.top() > exposed.bottom())
                    continue;
                const QRect cells = cellsPlace(line, text, origin);
                if (cells.isEmpty())
                    line.draw(&painter, origin);
                else
                    paintLine(painter, line,
                              QStringView(text).mid(line.textStart(), line.textLength()),
                              cells.topLeft());
            }
        }
        offset.ry() += place.height();
        if (offset.y() > viewport()->height())
            break;
    }
}

// Where the line's strip goes when every one of its characters has a cell; empty otherwise.
QRect MonitorEdit::cellsPlace(const QTextLine& line, QStringView blockText, QPointF origin) {
    const Cells& c = cells(qRound(line.height()), qRound(line.ascent()));
    const QStringView text = blockText.mid(line.textStart(), line.textLength());
    for (const QChar ch : text) {
        if (ch.unicode() > 0xff || !c.drawn[ch.unicode()])
            return {};
    }
    const QPoint at(qRound(origin.x() + line.x()) - 1, qRound(origin.y() + line.y()));
    return {at, QSize(int(text.size()) * c.width + 2, c.height)};
}

// The line is put together one row at a time from each cell's pixels, a few at a time: a
// cell whose width is no multiple of that writes past its end, and the next cell writes over
// it. Ink that reaches into a neighbour's column is set last, where the stock paint would draw
// it too. A column of margin either side holds that ink at the ends.
void MonitorEdit::paintLine(QPainter& painter, const QTextLine& line, QStringView text,
                            QPoint at) {
    const Cells& c = cells(qRound(line.height()), qRound(line.ascent()));
    QVarLengthArray<const quint32*, 256> cellOf;  // each character's pixels, row by row
    QVarLengthArray<int, 16> overhanging;         // the characters whose ink leaves their cell
    const qsizetype cellSize = qsizetype(c.height) * c.stride;
    for (const QChar ch : text) {
        if (c.overhangs[ch.unicode()])
            overhanging.append(int(cellOf.size()));
        cellOf.append(c.pixels.data() + ch.unicode() * cellSize);
    }
    const int width = int(text.size()) * c.width + 2;
    const int needed = width + kPixelsAtOnce;
    if (line_.width() < needed || line_.height() != c.height)
        line_ = QImage(std::max(needed, line_.width()), c.height, QImage::Format_RGB32);
    const quint32 ink = c.text.rgb() | 0xff000000u;
    const quint32 empty = c.background.rgb() | 0xff000000u;
    auto* bits = reinterpret_cast<quint32*>(line_.bits());
    const qsizetype stride = line_.bytesPerLine() / qsizetype(sizeof(quint32));
    for (int row = 0; row < c.height; ++row) {
        quint32* strip = bits + row * stride;
        quint32* to = strip + 1;
        const qsizetype rowAt = qsizetype(row) * c.stride;
        for (const quint32* cell : cellOf) {
            for (int x = 0; x < c.width; x += kPixelsAtOnce)
                std::memcpy(to + x, cell + rowAt + x, kPixelsAtOnce * sizeof(quint32));
            to += c.width;
        }
        strip[0] = empty;
        strip[width - 1] = empty;
        for (const int i : overhanging) {
            const quint32 mask = c.ink[size_t((qsizetype(text[i].unicode()) * c.height) + row)];
            if (mask & 1u)
                strip[i * c.width] = ink;
            if (mask & (1u << (c.width + 1)))
                strip[(i + 1) * c.width + 1] = ink;
        }
    }
    painter.drawImage(at, line_, QRect(0, 0, width, c.height));
}

// Each character is laid out on its own for this box, so that its cell holds exactly the
// glyph the stock paint would draw. It is drawn in the middle of a scratch three cells wide and
// three lines high: a character wider than the others, or whose ink leaves its cell by more
// than a column, gets no cell, and its lines are painted the stock way.
const MonitorEdit::Cells& MonitorEdit::cells(int lineHeight, int ascent) {
    // Font, colours and screen stay the same through one paint: looked at once.
    if (cellsCheckedThisPaint_ && cells_.height == lineHeight && cells_.ascent == ascent)
        return cells_;
    cellsCheckedThisPaint_ = true;
    const QFont font = document()->defaultFont();
    const QColor text = palette().color(QPalette::Text);
    const QColor background = viewport()->palette().color(viewport()->backgroundRole());
    const qreal dpi = viewport()->logicalDpiY();
    if (!cells_.ink.empty() && cells_.font == font && cells_.text == text &&
        cells_.background == background && cells_.dpi == dpi && cells_.height == lineHeight &&
        cells_.ascent == ascent)
        return cells_;

    Cells c;
    c.font = font;
    c.text = text;
    c.background = background;
    c.dpi = dpi;
    c.height = std::max(1, lineHeight);
    c.ascent = ascent;
    c.ink.assign(size_t(256 * c.height), 0);
    // Cells only for a fixed font whose characters all advance by the same whole pixels: the
    // line's layout then puts each at its cell, as the strip does.
    const qreal advance = QFontMetricsF(font, viewport()).horizontalAdvance(QLatin1Char('0'));
    c.width = int(advance);
    if (QFontInfo(font).fixedPitch() && c.width == advance && c.width > 0 &&
        c.width <= kWidestCell) {
        // Rows padded to whole groups of pixels: the copy of a row's last group stays inside.
        c.stride = (c.width + kPixelsAtOnce - 1) / kPixelsAtOnce * kPixelsAtOnce;
        c.pixels.assign(size_t(256 * c.height * c.stride), 0);
        QImage scratch(3 * c.width, 3 * c.height, QImage::Format_RGB32);
        const QRect cell(c.width, c.height, c.width, c.height);
        const QRgb empty = background.rgb() | 0xff000000u;
        const QRgb ink = text.rgb() | 0xff000000u;
        for (int u = kFirstPrintable; u <= 0xff; ++u) {
            const QChar ch(u);
            if (!ch.isPrint())
                continue;
            QTextLayout glyph(QString(ch), font, viewport());
            glyph.beginLayout();
            QTextLine line = glyph.createLine();
            line.setLeadingIncluded(true);  // as the document lays out its lines
            glyph.endLayout();
            if (!line.isValid() || line.horizontalAdvance() != advance ||
                qRound(line.height()) != c.height || qRound(line.ascent()) != ascent)
                continue;
            scratch.fill(background);
            {
                QPainter painter(&scratch);
                painter.setPen(text);
                glyph.draw(&painter, cell.topLeft());
            }
            quint32* rows = &c.ink[size_t(u * c.height)];
            c.drawn[size_t(u)] = inkRows(scratch, cell, empty, ink, rows);
            const quint32 inside = ((1u << c.width) - 1) << 1;
            c.overhangs[size_t(u)] =
                std::any_of(rows, rows + c.height, [&](quint32 r) { return r & ~inside; });
            quint32* pixels = &c.pixels[size_t(u) * size_t(c.height * c.stride)];
            for (int y = 0; y < c.height; ++y) {
                for (int x = 0; x < c.width; ++x)
                    pixels[y * c.stride + x] = rows[y] & (2u << x) ? ink : empty;
            }
        }
    }
    cells_ = std::move(c);
    return cells_;
}

}  // namespace zeno
