// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPlainTextEdit>
#include <array>
#include <optional>
#include <utility>
#include <vector>

class QTextBlock;
class QTextLine;

namespace zeno {

// The monitor's text box. Monitor text is one fixed-pitch font in one colour, and nearly all of
// it Latin-1: a line is painted by copying each character's cell from a strip drawn once,
// rather than by placing and blending every glyph anew, which is most of what a frame costs to
// show. Anything else is painted the stock way: a line with other characters, a selection, the
// box while the operator edits it.
//
// A line painted from cells needs no text layout either: its place follows from its length.
// While the box paints or scrolls, and while the monitor appends, such a line is placed without
// one (a `CellPlacing` is alive); anything else that looks at a line gets it laid out as usual.
class MonitorEdit : public QPlainTextEdit {
public:
    explicit MonitorEdit(QWidget* parent = nullptr);

    // Lines painted from cells are placed without a layout while one of these lives. Null: none.
    class CellPlacing {
    public:
        explicit CellPlacing(MonitorEdit* box);
        ~CellPlacing();
        CellPlacing(const CellPlacing&) = delete;
        CellPlacing& operator=(const CellPlacing&) = delete;

    private:
        MonitorEdit* box_;
    };

    // Read-only, with nothing selected: the box paints from cells.
    bool paintsPlain() const;
    // Where the document layout would put a block not yet laid out that is one line painted from
    // cells; nothing when it is not, or when no CellPlacing is alive.
    std::optional<QRectF> cellLineRect(const QTextBlock& block);
    // After text was added: the scroll bars as the stock box sets them, but counting each line
    // placed from cells as the one line it is, instead of laying it out. False, and nothing set,
    // where a line in view needs its layout first.
    bool setBarsFromCellLines();
    // Where the block's top is in the view.
    int topOf(const QTextBlock& block);
    // Runs f with every line laid out as usual: for the stock code that looks at lines.
    template <typename F>
    void withLaidOutLines(F&& f) {
        const int placing = std::exchange(placing_, 0);
        f();
        placing_ = placing;
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // One cell per Latin-1 character: the rows of its glyph's ink in the text colour.
    struct Cells {
        QFont font;
        QColor text;
        QColor background;
        qreal dpi = 0;
        int generation = 0;  // counts the builds: which lines were found to be cell lines
        qreal lineHeight = 0;
        qreal lineAscent = 0;
        int width = 0;
        int height = 0;
        int stride = 0;                     // pixels from one row of a cell to the next
        std::vector<quint32> ink;           // height words per character
        std::vector<quint32> pixels;        // the same in the two colours, height rows each
        std::array<bool, 256> drawn{};      // the character has a cell
        std::array<bool, 256> overhangs{};  // its ink reaches into a neighbour's column
    };

    const Cells& cells();
    Cells built() const;
    // The block's length when every character has a cell; -1 otherwise.
    int cellLineLength(const QTextBlock& block, const Cells& c);
    bool hasCells(QStringView text, const Cells& c) const;
    // Paints one line, every character of which has a cell, from the cells at `at`.
    void paintLine(QPainter& painter, QStringView text, QPoint at);

    Cells cells_;
    // What places a line of cells, looked at with the cells.
    qreal margin_ = 0;
    qreal available_ = 0;  // the view's width inside the margins
    QImage line_;          // reused from line to line
    int placing_ = 0;
    bool cellsChecked_ = false;  // font and colours stay the same through one placing
};

}  // namespace zeno
