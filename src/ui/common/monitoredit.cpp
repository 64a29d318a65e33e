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
#include <bit>

namespace zeno {

namespace {

constexpr int kFirstPrintable = 0x20;
// A row of a cell, with the column either side of it, fits one word.
constexpr int kWidestCell = 30;

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

void MonitorEdit::paintEvent(QPaintEvent* event) {
    if (!paintsPlain()) {
        QPlainTextEdit::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
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
                if (lineRect.bottom() < exposed.top() || lineRect.top() > exposed.bottom())
                    continue;
                const QStringView chars =
                    QStringView(text).mid(line.textStart(), line.textLength());
                if (!paintLine(painter, line, chars, origin))
                    line.draw(&painter, origin);
            }
        }
        offset.ry() += place.height();
        if (offset.y() > viewport()->height())
            break;
    }
}

// The line is put together one row at a time in the background colour, then each
// character's ink of that row set: most of a cell is background, and a glyph's ink that
// reaches into its neighbour's column lands there as the stock paint would draw it. A column
// of margin either side holds that ink at the ends.
bool MonitorEdit::paintLine(QPainter& painter, const QTextLine& line, QStringView text,
                            QPointF origin) {
    const Cells& c = cells(qRound(line.height()), qRound(line.ascent()));
    QVarLengthArray<qsizetype, 256> rowsAt;  // where each character's rows start in c.ink
    for (const QChar ch : text) {
        if (ch.unicode() > 0xff || !c.drawn[ch.unicode()])
            return false;
        rowsAt.append(qsizetype(ch.unicode()) * c.height);
    }
    if (text.isEmpty())
        return true;
    const int width = int(text.size()) * c.width + 2;
    if (line_.width() < width || line_.height() != c.height)
        line_ = QImage(std::max(width, line_.width()), c.height, QImage::Format_RGB32);
    const QRgb empty = c.background.rgb() | 0xff000000u;
    const QRgb ink = c.text.rgb() | 0xff000000u;
    auto* bits = reinterpret_cast<quint32*>(line_.bits());
    const qsizetype stride = line_.bytesPerLine() / qsizetype(sizeof(quint32));
    const quint32* rows = c.ink.data();
    for (int row = 0; row < c.height; ++row) {
        quint32* to = bits + row * stride;
        std::fill_n(to, width, empty);
        for (const qsizetype at : rowsAt) {
            for (quint32 mask = rows[at + row]; mask != 0; mask &= mask - 1)
                to[std::countr_zero(mask)] = ink;
            to += c.width;
        }
    }
    const QPoint at(qRound(origin.x() + line.x()) - 1, qRound(origin.y() + line.y()));
    painter.drawImage(at, line_, QRect(0, 0, width, c.height));
    return true;
}

// Each character is laid out on its own for this box, so that its cell holds exactly the
// glyph the stock paint would draw. It is drawn in the middle of a scratch three cells wide and
// three lines high: a character wider than the others, or whose ink leaves its cell by more
// than a column, gets no cell, and its lines are painted the stock way.
const MonitorEdit::Cells& MonitorEdit::cells(int lineHeight, int ascent) {
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
            c.drawn[size_t(u)] = inkRows(scratch, cell, empty, ink, &c.ink[size_t(u * c.height)]);
        }
    }
    cells_ = std::move(c);
    return cells_;
}

}  // namespace zeno
