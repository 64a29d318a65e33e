// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/monitorbox.h"

#include "ui/common/monitoredit.h"

#include <QEvent>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace zeno {

namespace {

constexpr qsizetype kLineEnd = 2;  // CR LF

// Text added at the end repaints only the lines it touches. The stock layout repaints the
// whole box for any change of more than one line, several times the cost of the frame itself
// on every tick; the view's scroll to the end moves the rest without painting it again.
// Each new line keeps its shaped glyphs: the stock layout drops them once it knows the line's
// height, and the paint that follows would shape the line a second time.
// In the monitor's own box, a line painted from cells is placed without being laid out at all,
// and the scroll bars are set without laying out the lines in view.
class EndAppendLayout : public QPlainTextDocumentLayout {
public:
    EndAppendLayout(QTextDocument* doc, MonitorEdit* cellBox)
        : QPlainTextDocumentLayout(doc), cellBox_(cellBox) {}

    // While set, text added at the end asks for no repaint: the one adding it knows where the
    // view is and asks for one itself.
    void setRepaintByCaller(bool byCaller) { repaintByCaller_ = byCaller; }

    QRectF blockBoundingRect(const QTextBlock& block) const override {
        if (cellBox_) {
            if (const std::optional<QRectF> place = cellBox_->cellLineRect(block))
                return *place;
        }
        return QPlainTextDocumentLayout::blockBoundingRect(block);
    }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override {
        const QTextDocument* doc = document();
        if (cellBox_)
            forgetCellLines(from, charsAdded);
        const bool appended = charsRemoved == 0 && from + charsAdded >= doc->characterCount() - 1;
        // The box reading the monitor (a cut from the front, text loaded) is repainted whole, as
        // the stock layout does, but its bars are set without laying out the lines in view.
        if (!appended && !(cellBox_ && cellBox_->paintsPlain())) {
            stock(
                [&] { QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded); });
            return;
        }
        const QTextBlock first = doc->findBlock(from);
        if (appended) {
            for (QTextBlock block = first; block.isValid(); block = block.next())
                block.layout()->setCacheEnabled(true);
        }
        {
            const QSignalBlocker quiet(this);
            QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
        }
        if (!cellBox_ || !cellBox_->setBarsFromCellLines())
            stock([&] { emit documentSizeChanged(documentSize()); });
        if (!appended) {
            requestUpdate();
            return;
        }
        if (repaintByCaller_)
            return;
        if (doc->lastBlock().blockNumber() - first.blockNumber() > kLinesRepaintedAlone) {
            requestUpdate();  // a whole file: cheaper to paint the box than to place each line
            return;
        }
        for (QTextBlock block = first; block.isValid(); block = block.next())
            emit updateBlock(block);
    }

private:
    static constexpr int kLinesRepaintedAlone = 64;

    // The stock layout, and the box's own reaction to it, count the lines of each block's
    // layout: they get laid-out lines.
    template <typename F>
    void stock(F&& f) {
        if (cellBox_)
            cellBox_->withLaidOutLines(std::forward<F>(f));
        else
            f();
    }

    // Whether a changed block is a line of cells is found out again.
    void forgetCellLines(int from, int charsAdded) {
        const QTextDocument* doc = document();
        const QTextBlock last = doc->findBlock(from + charsAdded);
        for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
            block.setUserState(-1);
            if (block == last)
                break;
        }
    }

    MonitorEdit* cellBox_;
    bool repaintByCaller_ = false;
};

// Gives the box a document laid out by EndAppendLayout, with the settings of the one it had;
// cellBox is the box itself when it places lines of cells (the monitor's own), null otherwise.
void useEndAppendLayout(QPlainTextEdit* box, MonitorEdit* cellBox) {
    const QTextDocument* old = box->document();
    auto* doc = new QTextDocument(box);
    auto* layout = new EndAppendLayout(doc, cellBox);
    layout->setPaintDevice(box->viewport());
    doc->setDocumentLayout(layout);
    doc->setDefaultFont(box->font());
    doc->setUndoRedoEnabled(old->isUndoRedoEnabled());
    doc->setMaximumBlockCount(old->maximumBlockCount());
    doc->setPlainText(old->toPlainText());
    box->setDocument(doc);
}

// A scroll bar that paints again only when what it shows changes. Over a monitor of hundreds of
// lines a new line moves the handle less than a pixel, yet the stock bar paints itself, and the
// box behind it, on every one: more than the new line's text costs. A tick changes the range and
// then the value, so the bar looks once both are done. While the monitor is short every line
// moves the handle a few pixels: the handle then follows the text within a second, while a
// scroll of the operator's own shows at once.
class QuietScrollBar : public QScrollBar {
public:
    explicit QuietScrollBar(Qt::Orientation orientation) : QScrollBar(orientation) {
        growthLook_.setSingleShot(true);
        growthLook_.setInterval(kGrowthLookMs);
        connect(&growthLook_, &QTimer::timeout, this, &QuietScrollBar::lookAgain);
    }

protected:
    void sliderChange(SliderChange change) override {
        if (change == SliderOrientationChange) {
            QScrollBar::sliderChange(change);
            return;
        }
        if (change == SliderRangeChange)
            grown_ = true;
        if (lookPending_)
            return;
        lookPending_ = true;
        if (!settledByCaller_)
            QMetaObject::invokeMethod(this, &QuietScrollBar::settle, Qt::QueuedConnection);
    }

public:
    // While set, the one changing the range and value calls settle() once done, instead of a
    // posted look: that would wake the event loop once more on every tick.
    void setSettledByCaller(bool byCaller) { settledByCaller_ = byCaller; }

    void settle() {
        if (!std::exchange(lookPending_, false))
            return;
        const bool grown = std::exchange(grown_, false);
        if (look() == asked_)
            return;
        if (!grown || isSliderDown())
            lookAgain();
        else if (!growthLook_.isActive())
            growthLook_.start();
    }

private:
    static constexpr int kGrowthLookMs = 1000;

    struct Look {
        QRect handle;
        bool atMinimum = false;
        bool atMaximum = false;
        bool operator==(const Look&) const = default;
    };

    Look look() const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                        this),
                value() == minimum(), value() == maximum()};
    }

    // Compared with what was last asked for rather than with what was painted: a grab of the
    // box paints the bar too, but not on the screen.
    void lookAgain() {
        const Look now = look();
        if (now == asked_)
            return;
        asked_ = now;
        update();
    }

    bool lookPending_ = false;
    bool settledByCaller_ = false;
    bool grown_ = false;
    Look asked_;
    QTimer growthLook_;
};

// The scroll area lays out its bars and view again, through a posted event, whenever a bar's
// range changes: twice a tick on a growing monitor, for nothing, since only a range that
// becomes empty, or no longer empty, shows or hides a bar.
void layOutOnlyWhenABarComesOrGoes(QAbstractScrollArea* area) {
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        if (!QObject::disconnect(bar, SIGNAL(rangeChanged(int, int)), area,
                                 SLOT(_q_showOrHideScrollBars())))
            continue;  // not the connection this was written for: leave it
        QObject::connect(
            bar, &QScrollBar::rangeChanged, area,
            [area, hadRange = bar->maximum() > bar->minimum()](int min, int max) mutable {
                if (std::exchange(hadRange, max > min) != (max > min))
                    QMetaObject::invokeMethod(area, "_q_showOrHideScrollBars",
                                              Qt::QueuedConnection);
            });
    }
}

}  // namespace

MonitorTextBox::MonitorTextBox(QPlainTextEdit* box)
    : box_(box), cellBox_(dynamic_cast<MonitorEdit*>(box)) {
    useEndAppendLayout(box_, cellBox_);
    box_->setVerticalScrollBar(new QuietScrollBar(Qt::Vertical));
    layOutOnlyWhenABarComesOrGoes(box_);
    keepFontPlain();
    box_->installEventFilter(this);
}

void MonitorTextBox::keepFontPlain() {
    // Monitor text is Latin-1 in a fixed font: shaping adds nothing but the time it takes to
    // lay out every line received. Its glyphs are drawn as bitmaps on whole pixels, as the
    // monitor's own bitmap font was: blending the edges of a hundred glyphs costs more than the
    // rest of a frame, and whole-pixel advances let the box paint lines from cells.
    QFont font = box_->font();
    const auto wanted = QFont::PreferNoShaping | QFont::NoAntialias;
    if ((font.styleStrategy() & wanted) == wanted &&
        font.hintingPreference() == QFont::PreferFullHinting)
        return;
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | wanted));
    font.setHintingPreference(QFont::PreferFullHinting);
    box_->setFont(font);
}

bool MonitorTextBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::FontChange)
        keepFontPlain();
    return QObject::eventFilter(watched, event);
}

void MonitorTextBox::append(const QString& text) {
    appendLater(text);
    flush();
}

void MonitorTextBox::appendLater(const QString& text) {
    // Counted as the widget will hold it: a CR LF, a lone CR and a lone LF each become one
    // line end.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        pendingLength_ += c == QLatin1Char('\r') || c == QLatin1Char('\n') ? kLineEnd : 1;
    }
    pending_ += text;
}

void MonitorTextBox::flush() {
    auto* bar = dynamic_cast<QuietScrollBar*>(box_->verticalScrollBar());
    if (bar)
        bar->setSettledByCaller(true);
    appendPending();
    if (bar) {
        bar->setSettledByCaller(false);
        bar->settle();
    }
}

void MonitorTextBox::appendPending() {
    if (!pending_.isEmpty()) {
        // Taken first: inserting signals a change, and whoever listens may count or cut.
        const QString text = std::exchange(pending_, QString());
        pendingLength_ = 0;
        const MonitorEdit::CellPlacing placing(cellBox_);
        QTextCursor end(box_->document());
        // In one edit, so that the cursor is not placed on a line, which would lay it out.
        end.beginEditBlock();
        end.movePosition(QTextCursor::End);
        const int firstLine = end.blockNumber();
        auto* layout = dynamic_cast<EndAppendLayout*>(box_->document()->documentLayout());
        if (layout)
            layout->setRepaintByCaller(true);
        end.insertText(text);
        end.endEditBlock();
        if (layout) {
            layout->setRepaintByCaller(false);
            repaintFrom(box_->document()->findBlockByNumber(firstLine));
        }
    }
    if (scrollPending_) {
        scrollPending_ = false;
        scrollToEnd();
    }
}

// Finding where one line is on the screen walks the lines from the top of the view: once for
// the first line that changed, not once for every line added below it.
void MonitorTextBox::repaintFrom(const QTextBlock& changed) {
    QWidget* view = box_->viewport();
    const int top = std::max(
        0, cellBox_ ? cellBox_->topOf(changed) : box_->cursorRect(QTextCursor(changed)).top());
    if (top < view->height())
        view->update(0, top, view->width(), view->height() - top);
}

qsizetype MonitorTextBox::length() const {
    const QTextDocument* doc = box_->document();
    // characterCount() holds one separator per block, the last block's included.
    const qsizetype characters = doc->characterCount() - 1;
    const qsizetype lineEnds = doc->blockCount() - 1;
    return characters + lineEnds * (kLineEnd - 1) + pendingLength_;
}

QChar MonitorTextBox::lastChar() const {
    if (!pending_.isEmpty()) {
        const QChar c = pending_.back();
        return c == QLatin1Char('\r') ? QChar(QLatin1Char('\n')) : c;
    }
    const QTextDocument* doc = box_->document();
    const int count = doc->characterCount();
    if (count < 2)
        return {};
    const QChar c = doc->characterAt(count - 2);
    return c == QChar::ParagraphSeparator ? QChar(QLatin1Char('\n')) : c;
}

void MonitorTextBox::cutFront(qsizetype count) {
    if (count <= 0)
        return;
    flush();
    QTextDocument* doc = box_->document();
    // Each line end counts two characters and is one in the document, so a line starts at its
    // document position plus its line number. The first line that the cut ends in, or at the
    // end of, is found by halving: the monitor holds hundreds of lines and is cut often.
    const auto countedToEnd = [](const QTextBlock& block) {
        return qsizetype(block.position()) + block.blockNumber() + block.length() - 1 + kLineEnd;
    };
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (count <= countedToEnd(doc->findBlockByNumber(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const qsizetype lineStart = qsizetype(block.position()) + block.blockNumber();
    const int lineLength = block.length() - 1;
    int position = block.position() + lineLength;  // the line's end: the cut takes it whole
    if (count <= lineStart + lineLength)
        position = block.position() + int(count - lineStart);
    else if (block.next().isValid())
        position = block.next().position();
    QTextCursor front(doc);
    front.setPosition(position, QTextCursor::KeepAnchor);
    front.removeSelectedText();
}

void MonitorTextBox::clear() {
    pending_.clear();
    pendingLength_ = 0;
    scrollPending_ = false;
    box_->clear();
}

void MonitorTextBox::scrollToEnd() {
    if (!pending_.isEmpty()) {
        scrollPending_ = true;
        return;
    }
    QTextCursor caret = box_->textCursor();
    if (caret.atEnd() && !caret.hasSelection()) {
        // A caret at the end moves along with text inserted there: only the view is behind.
        // Scrolling it directly costs half of what placing the caret again would.
        QScrollBar* bar = box_->verticalScrollBar();
        bar->setValue(bar->maximum());
        return;
    }
    caret.movePosition(QTextCursor::End);
    box_->setTextCursor(caret);
}

QString MonitorTextBox::text() const {
    QString text;
    text.reserve(length());
    for (QTextBlock block = box_->document()->firstBlock(); block.isValid(); block = block.next()) {
        if (block != box_->document()->firstBlock())
            text += QStringLiteral("\r\n");
        text += block.text();
    }
    QString pending = pending_;
    pending.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    pending.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    pending.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text + pending;
}

void MonitorTextBox::setText(const QString& text) {
    flush();
    box_->setPlainText(text);
}

QString MonitorTextBox::selectedText() const {
    return box_->textCursor().selectedText().replace(QChar::ParagraphSeparator,
                                                     QStringLiteral("\r\n"));
}

int MonitorTextBox::documentPosition(qsizetype counted) const {
    int position = 0;
    qsizetype seen = 0;
    for (QTextBlock block = box_->document()->firstBlock(); block.isValid(); block = block.next()) {
        const int lineLength = block.length() - 1;
        if (counted <= seen + lineLength)
            return position + int(counted - seen);
        seen += lineLength + kLineEnd;
        position += lineLength + 1;
        if (counted < seen)
            return position;  // between CR and LF: after the line end
    }
    return box_->document()->characterCount() - 1;
}

void MonitorTextBox::select(qsizetype start, qsizetype length) {
    QTextCursor cursor(box_->document());
    cursor.setPosition(documentPosition(start));
    cursor.setPosition(documentPosition(start + length), QTextCursor::KeepAnchor);
    box_->setTextCursor(cursor);
}

void MonitorTextBox::selectAll() { box_->selectAll(); }

void MonitorTextBox::clearSelection() {
    QTextCursor cursor = box_->textCursor();
    cursor.setPosition(cursor.selectionStart());
    box_->setTextCursor(cursor);
}

void MonitorTextBox::replaceSelection(const QString& text) {
    QTextCursor cursor = box_->textCursor();
    cursor.insertText(text);
    box_->setTextCursor(cursor);
}

bool MonitorTextBox::isReadOnly() const { return box_->isReadOnly(); }

void MonitorTextBox::setReadOnly(bool readOnly) { box_->setReadOnly(readOnly); }

void MonitorTextBox::focus() { box_->setFocus(); }

}  // namespace zeno
