// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPlainTextEdit>
#include <array>
#include <vector>

class QTextBlock;
class QTextLine;

namespace zeno {

// The monitor's text box. Monitor text is one fixed-pitch font in one colour, and nearly all of
// it Latin-1: a line is painted by copying each character's cell from a strip drawn once,
// rather than by placing and blending every glyph anew, which is most of what a frame costs to
// show. Anything else is painted the stock way: a line with other characters, a selection, the
// box while the operator edits it.
class MonitorEdit : public QPlainTextEdit {
public:
    explicit MonitorEdit(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // One cell per Latin-1 character: the rows of its glyph's ink in the text colour.
    struct Cells {
        QFont font;
        QColor text;
        QColor background;
        qreal dpi = 0;
        int width = 0;
        int height = 0;
        int ascent = 0;
        int stride = 0;                    // pixels from one row of a cell to the next
        std::vector<quint32> ink;          // height words per character
        std::vector<quint32> pixels;       // the same in the two colours, height rows each
        std::array<bool, 256> drawn{};     // the character has a cell
        std::array<bool, 256> overhangs{};  // its ink reaches into a neighbour's column
    };

    bool paintsPlain() const;
    const Cells& cells(int lineHeight, int ascent);
    QRect cellsPlace(const QTextLine& line, QStringView blockText, QPointF origin);
    // Paints one line, every character of which has a cell, from the cells at `at`.
    void paintLine(QPainter& painter, const QTextLine& line, QStringView text, QPoint at);

    Cells cells_;
    QImage line_;  // reused from line to line
    bool cellsCheckedThisPaint_ = false;
};

}  // namespace zeno
