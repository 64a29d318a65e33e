// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/monitoredit.h"

#include <QFontInfo>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <cstring>

namespace zeno {

namespace {

constexpr int kFirstPrintable = 0x20;
// A row of a cell, with the column either side of it, fits one word.
constexpr int kWidestCell = 30;
// A line's pixels are set this many at a time.
constexpr int kPixelsAtOnce = 4;
// A block's user state holds whether it is a line of cells: the build of cells asked, times the
// span, plus its length, or the last value of the span when it is no such line.
constexpr int kStateSpan = 1 << 20;
constexpr int kNoCellLine = kStateSpan - 1;
constexpr int kGenerations = 2047;  // the state stays a positive int

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

// One row of a line: the same row of each character's cell, side by side. The width of a copy
// is a constant, so that it is a few moves rather than a loop.
template <int Groups>
void setRow(quint32* to, const quint32* const* cellOf, qsizetype count, qsizetype rowAt,
            int width) {
    for (qsizetype i = 0; i < count; ++i, to += width)
        std::memcpy(to, cellOf[i] + rowAt, Groups * kPixelsAtOnce * sizeof(quint32));
}

using RowSetter = void (*)(quint32*, const quint32* const*, qsizetype, qsizetype, int);
constexpr int kMostGroups = (kWidestCell + kPixelsAtOnce - 1) / kPixelsAtOnce;
static_assert(kMostGroups == 8, "a row setter for every width of cell");
constexpr std::array<RowSetter, kMostGroups> kRowSetters{
    &setRow<1>, &setRow<2>, &setRow<3>, &setRow<4>, &setRow<5>, &setRow<6>, &setRow<7>, &setRow<8>};

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

MonitorEdit::CellPlacing::CellPlacing(MonitorEdit* box) : box_(box) {
    if (box_ && box_->placing_++ == 0)
        box_->cellsChecked_ = false;
}

MonitorEdit::CellPlacing::~CellPlacing() {
    if (box_)
        --box_->placing_;
}

std::optional<QRectF> MonitorEdit::cellLineRect(const QTextBlock& block) {
    if (placing_ == 0 || !block.isValid() || block.layout()->lineCount() > 0 || !block.isVisible())
        return std::nullopt;
    const Cells& c = cells();
    if (c.width == 0)
        return std::nullopt;
    const int length = cellLineLength(block, c);
    // A cell to spare: a line that only just fits is left to the layout to break or not. One
    // wider than the view is laid out even where lines do not wrap: the layout keeps the widest.
    if (length < 0 || (length + 1) * c.width > available_)
        return std::nullopt;
    // As the plain layout bounds a line: as wide as the view (the box lays its document out to
    // the view's width), and below the last line the margin.
    return QRectF(0, 0, available_ + 2 * margin_,
                  block.next().isValid() ? c.lineHeight : c.lineHeight + margin_);
}

// The verdict is kept in the block's user state, with the build of cells it was taken with: a
// block's text is looked at once, not on every walk over the lines in view. The document
// layout sets it back to unknown (-1) when the block changes.
int MonitorEdit::cellLineLength(const QTextBlock& block, const Cells& c) {
    const int generation = c.generation % kGenerations;
    const int state = block.userState();
    if (state >= 0 && state / kStateSpan == generation) {
        const int length = state % kStateSpan;
        return length == kNoCellLine ? -1 : length;
    }
    const QString text = block.text();
    const int length = text.size() < kNoCellLine && hasCells(text, c) ? int(text.size()) : -1;
    QTextBlock(block).setUserState(generation * kStateSpan + (length < 0 ? kNoCellLine : length));
    return length;
}

bool MonitorEdit::hasCells(QStringView text, const Cells& c) const {
    return std::all_of(text.begin(), text.end(),
                       [&c](QChar ch) { return ch.unicode() <= 0xff && c.drawn[ch.unicode()]; });
}

bool MonitorEdit::setBarsFromCellLines() {
    if (centerOnScroll() || !isVisible())
        return false;
    const CellPlacing placing(this);
    const QTextDocument* doc = document();
    // The top line stays where it is: a block of one line, so none of it is scrolled past. A
    // cut from the front can leave the view's top past the end: the view then goes to the end.
    const QTextBlock top = firstVisibleBlock();
    if (top.isValid() &&
        (top.layout()->lineCount() > 1 || (top.layout()->lineCount() == 0 && !cellLineRect(top))))
        return false;
    // Up from the last line until the view is full, counting the lines wholly in view.
    const qreal margin = doc->documentMargin();
    const qreal visible = viewport()->rect().height() - margin - 1;
    qreal y = 0;
    int inView = 0;
    for (QTextBlock block = doc->lastBlock(); block.isValid(); block = block.previous()) {
        if (!block.isVisible())
            continue;
        const QTextLayout* layout = block.layout();
        const std::optional<QRectF> cellLine = cellLineRect(block);
        if (!cellLine && layout->lineCount() == 0)
            return false;  // not laid out yet, and the layout might say more than one line
        const int lines = cellLine ? 1 : layout->lineCount();
        y += cellLine ? cellLine->height() : blockBoundingRect(block).height();
        if (y > visible) {
            int hidden = 0;
            while (hidden < lines &&
                   (cellLine ? 0.0 : layout->lineAt(hidden).naturalTextRect().top()) < y - visible)
                ++hidden;
            inView += lines - hidden;
            break;
        }
        inView += lines;
    }
    const int last = std::max(0, doc->lineCount() - inView);
    QScrollBar* down = verticalScrollBar();
    down->setRange(0, last);
    down->setPageStep(inView);
    down->setValue(top.isValid() ? top.firstLineNumber() : last);
    QScrollBar* across = horizontalScrollBar();
    across->setRange(0, int(doc->documentLayout()->documentSize().width()) - viewport()->width());
    across->setPageStep(viewport()->width());
    scrollContentsBy(0, 0);  // the view's top to the bar's value, if it is not there yet
    return true;
}

int MonitorEdit::topOf(const QTextBlock& block) {
    const CellPlacing placing(this);
    return qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
}

void MonitorEdit::scrollContentsBy(int dx, int dy) {
    const CellPlacing placing(paintsPlain() ? this : nullptr);
    QPlainTextEdit::scrollContentsBy(dx, dy);
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
    const CellPlacing placing(this);
    const Cells& c = cells();
    painter.setPen(palette().color(QPalette::Text));
    const QRect exposed = event->rect();
    const qreal margin = document()->documentMargin();
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF place = blockBoundingRect(block).translated(offset);
        if (block.isVisible() && place.bottom() >= exposed.top() &&
            place.top() <= exposed.bottom()) {
            const QTextLayout* layout = block.layout();
            if (layout->lineCount() == 0) {  // placed from cells, one line
                if (block.length() > 1)
                    paintLine(painter, block.text(),
                              QPoint(qRound(offset.x() + margin) - 1, qRound(offset.y())));
            } else {
                const QString text = block.text();
                const QPointF origin = offset + layout->position();
                for (int i = 0; i < layout->lineCount(); ++i) {
                    const QTextLine line = layout->lineAt(i);
                    const QRectF lineRect = line.rect().translated(origin);
                    if (line.textLength() == 0 || lineRect.bottom() < exposed.top() ||
                        lineRect.top() > exposed.bottom())
                        continue;
                    const QStringView lineText =
                        QStringView(text).mid(line.textStart(), line.textLength());
                    if (c.width > 0 && line.height() == c.lineHeight &&
                        line.ascent() == c.lineAscent && hasCells(lineText, c))
                        paintLine(painter, lineText,
                                  QPoint(qRound(origin.x() + line.x()) - 1,
                                         qRound(origin.y() + line.y())));
                    else
                        line.draw(&painter, origin);
                }
            }
        }
        offset.ry() += place.height();
        if (offset.y() > viewport()->height())
            break;
    }
}

// The line is put together one row at a time from each cell's pixels, a whole cell's row at a
// time: a cell whose width is no multiple of the pixels copied at once writes past its end, and
// the next cell writes over it. Ink that reaches into a neighbour's column is set last, where the
// stock paint would draw it too. A column of margin either side holds that ink at the ends.
void MonitorEdit::paintLine(QPainter& painter, QStringView text, QPoint at) {
    const Cells& c = cells_;
    QVarLengthArray<const quint32*, 256> cellOf;  // each character's pixels, row by row
    QVarLengthArray<int, 16> overhanging;         // the characters whose ink leaves their cell
    const qsizetype cellSize = qsizetype(c.height) * c.stride;
    for (const QChar ch : text) {
        if (c.overhangs[ch.unicode()])
            overhanging.append(int(cellOf.size()));
        cellOf.append(c.pixels.data() + ch.unicode() * cellSize);
    }
    const int width = int(text.size()) * c.width + 2;
    const int needed = width + c.stride;
    if (line_.width() < needed || line_.height() != c.height)
        line_ = QImage(std::max(needed, line_.width()), c.height, QImage::Format_RGB32);
    const quint32 ink = c.text.rgb() | 0xff000000u;
    const quint32 empty = c.background.rgb() | 0xff000000u;
    auto* bits = reinterpret_cast<quint32*>(line_.bits());
    const qsizetype stride = line_.bytesPerLine() / qsizetype(sizeof(quint32));
    const RowSetter setCells = kRowSetters[size_t(c.stride / kPixelsAtOnce - 1)];
    for (int row = 0; row < c.height; ++row) {
        quint32* strip = bits + row * stride;
        setCells(strip + 1, cellOf.data(), cellOf.size(), qsizetype(row) * c.stride, c.width);
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
// three lines high: a character wider than the others, whose line is not as high as a line of
// digits, or whose ink leaves its cell by more than a column, gets no cell, and its lines are
// painted the stock way.
const MonitorEdit::Cells& MonitorEdit::cells() {
    if (cellsChecked_)
        return cells_;
    cellsChecked_ = placing_ > 0;  // font, colours and screen stay the same while placing
    margin_ = document()->documentMargin();
    available_ = viewport()->width() - 2 * margin_;
    if (cells_.generation > 0 && cells_.font == document()->defaultFont() &&
        cells_.text == palette().color(QPalette::Text) &&
        cells_.background == viewport()->palette().color(viewport()->backgroundRole()) &&
        cells_.dpi == viewport()->logicalDpiY())
        return cells_;
    const int generation = cells_.generation + 1;
    cells_ = built();
    cells_.generation = generation;
    return cells_;
}

MonitorEdit::Cells MonitorEdit::built() const {
    Cells c;
    c.font = document()->defaultFont();
    c.text = palette().color(QPalette::Text);
    c.background = viewport()->palette().color(viewport()->backgroundRole());
    c.dpi = viewport()->logicalDpiY();
    const auto laidOut = [](QTextLayout& layout) {
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLeadingIncluded(true);  // as the document lays out its lines
        layout.endLayout();
        return line;
    };
    QTextLayout digits(QStringLiteral("0"), c.font, viewport());
    const QTextLine reference = laidOut(digits);
    // Cells only for a fixed font whose characters all advance by the same whole pixels: the
    // line's layout then puts each at its cell, as the strip does.
    const qreal advance = reference.horizontalAdvance();
    c.width = int(advance);
    c.lineHeight = reference.height();
    c.lineAscent = reference.ascent();
    c.height = std::max(1, qRound(c.lineHeight));
    if (!QFontInfo(c.font).fixedPitch() || c.width != advance || c.width <= 0 ||
        c.width > kWidestCell || c.height != c.lineHeight) {
        c.width = 0;
        return c;
    }
    c.ink.assign(size_t(256 * c.height), 0);
    // Rows padded to whole groups of pixels: the copy of a row's last group stays inside.
    c.stride = (c.width + kPixelsAtOnce - 1) / kPixelsAtOnce * kPixelsAtOnce;
    c.pixels.assign(size_t(256 * c.height * c.stride), 0);
    QImage scratch(3 * c.width, 3 * c.height, QImage::Format_RGB32);
    const QRect cell(c.width, c.height, c.width, c.height);
    const QRgb empty = c.background.rgb() | 0xff000000u;
    const QRgb ink = c.text.rgb() | 0xff000000u;
    for (int u = kFirstPrintable; u <= 0xff; ++u) {
        const QChar ch(u);
        if (!ch.isPrint())
            continue;
        QTextLayout glyph(QString(ch), c.font, viewport());
        const QTextLine line = laidOut(glyph);
        if (!line.isValid() || line.horizontalAdvance() != advance ||
            line.height() != c.lineHeight || line.ascent() != c.lineAscent)
            continue;
        scratch.fill(c.background);
        {
            QPainter painter(&scratch);
            painter.setPen(c.text);
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
    return c;
}

}  // namespace zeno
