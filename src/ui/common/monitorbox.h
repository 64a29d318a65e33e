// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QObject>
#include <QString>

class QPlainTextEdit;
class QTextBlock;

namespace zeno {

class MonitorEdit;

// The monitor text box ("Text1") as the program counts it: text with CR LF line ends, where a
// line end counts two characters. The widget keeps the lines as blocks and nothing else keeps
// a copy, so every count is taken from the document: its characters plus one more for each
// line end.
//
// Every line end in appended text (CR LF, and a lone CR or LF from a received information
// field) becomes one block break here and so counts as CR LF, two characters.
class MonitorTextBox : public QObject {
public:
    explicit MonitorTextBox(QPlainTextEdit* box);

    // Adds text at the end without touching the rest of the text, the operator's selection or
    // the scroll position.
    void append(const QString& text);
    // The same, but the text reaches the widget at the next flush(): the poll tick appends
    // many frames and lays the text out once.
    void appendLater(const QString& text);
    // Puts what was appended into the widget in one step, then scrolls if asked to.
    void flush();
    qsizetype length() const;
    QChar lastChar() const;  // LF after a line end, null when empty
    // Cuts count characters from the front; a cut that would split a CR LF takes both.
    void cutFront(qsizetype count);
    void clear();
    // The caret to the end, which scrolls the newest line into view.
    void scrollToEnd();
    // The whole text with CR LF line ends (what is still pending included).
    QString text() const;
    // Replaces the whole text (a file loaded into the monitor).
    void setText(const QString& text);

    // The operator's selection, counted as the text is (a line end is two characters).
    QString selectedText() const;
    void select(qsizetype start, qsizetype length);
    void selectAll();
    void clearSelection();  // keeps the caret where the selection began
    // Works while the box is read-only too: the program edits, not the operator.
    void replaceSelection(const QString& text);

    bool isReadOnly() const;
    void setReadOnly(bool readOnly);
    void focus();

protected:
    // Keeps the monitor's font without shaping or smoothing, whatever font the settings give.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepFontPlain();
    // The text held back, and a scroll asked for meanwhile, into the widget.
    void appendPending();
    // Asks for a repaint from the changed line down to the bottom of the view.
    void repaintFrom(const QTextBlock& changed);
    // The document position of a position counted with two characters per line end.
    int documentPosition(qsizetype counted) const;

    QPlainTextEdit* box_;
    MonitorEdit* cellBox_;         // the monitor's own box, which places lines of cells itself
    QString pending_;              // appended, not yet in the widget
    qsizetype pendingLength_ = 0;  // as the monitor counts it, every line end as two
    bool scrollPending_ = false;
};

}  // namespace zeno
