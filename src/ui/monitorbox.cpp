#include "ui/monitorbox.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>

namespace zeno {

namespace {

constexpr qsizetype kLineEnd = 2;  // CR LF

}  // namespace

MonitorTextBox::MonitorTextBox(QPlainTextEdit* box) : box_(box) {
    preferNoShaping();
    box_->installEventFilter(this);
}

void MonitorTextBox::preferNoShaping() {
    // Monitor text is Latin-1 in a fixed font: shaping adds nothing but the time it takes to
    // lay out every line received.
    QFont font = box_->font();
    if (font.styleStrategy() & QFont::PreferNoShaping)
        return;
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    box_->setFont(font);
}

bool MonitorTextBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::FontChange)
        preferNoShaping();
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
    if (!pending_.isEmpty()) {
        // Taken first: inserting signals a change, and whoever listens may count or cut.
        const QString text = std::exchange(pending_, QString());
        pendingLength_ = 0;
        QTextCursor end(box_->document());
        end.movePosition(QTextCursor::End);
        end.insertText(text);
    }
    if (scrollPending_) {
        scrollPending_ = false;
        scrollToEnd();
    }
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
    qsizetype counted = 0;  // characters of the CR LF text before block
    int position = 0;       // document position of block
    for (QTextBlock block = doc->firstBlock(); block.isValid(); block = block.next()) {
        const int lineLength = block.length() - 1;
        if (count <= counted + lineLength) {
            position += int(count - counted);
            break;
        }
        counted += lineLength;
        position += lineLength;
        if (!block.next().isValid())
            break;  // the whole text goes
        // The line end: the cut takes it whole, even when it would fall between CR and LF.
        position += 1;
        counted += kLineEnd;
        if (count <= counted)
            break;
    }
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
