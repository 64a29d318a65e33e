// SPDX-License-Identifier: GPL-3.0-or-later
#include "connected/transfer.h"

#include "config/appstate.h"
#include "connected/connectedview.h"
#include "files/textfiles.h"

#include <QFileInfo>

namespace zeno {

namespace {

const QString kCr = QStringLiteral("\r");
const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

QStringList replyPieces(const QString& text) {
    QStringList pieces;
    for (qsizetype at = 0; at < text.size(); at += kReplyPiece)
        pieces << text.mid(at, kReplyPiece);
    return pieces;
}

std::optional<QString> fileReply(const QString& path) {
    const TextFileRead read = readTextLines(path);
    if (!read.error.isEmpty())
        return std::nullopt;
    QString text = read.text;
    text.replace(kCrLf, kCr);
    return kCr + text;
}

QString fileErrorReply(const QString& name) {
    return QStringLiteral("Error: Could not find file '") + name.toUpper() + QStringLiteral("'!");
}

QString listingReply(const QStringList& entries) {
    QString text = entries.isEmpty() ? kCr + QStringLiteral("File not found") + kCr : kCrLf;
    for (const QString& entry : entries)
        text += entry + kCrLf;
    return text + kCrLf;
}

Senders::Senders(AppState& state, FrameSink& link, ConnectedView& view)
    : state_(state), link_(link), view_(view) {}

void Senders::StuurTekst() { transmit(Shown::AsSent); }

void Senders::StuurFile(const QString& path) {
    state_.ReplyText = fileReply(path).value_or(fileErrorReply(path));
    transmit(Shown::LineEnds);
}

void Senders::sendPublicFile(const QString& argument) {
    // Outside the folder, missing and unreadable all get the same answer.
    const std::optional<QString> path = PublicFolder(state_.appPath).findFile(argument);
    // Air time is the operator's: a long file would key his transmitter for hours. Past twice
    // the limit even a file of bare line ends is too long, so it is not read at all.
    const bool huge = path && QFileInfo(*path).size() > 2 * kPublicFileLimit;
    const std::optional<QString> text = path && !huge ? fileReply(*path) : std::nullopt;
    if (huge || (text && text->size() > kPublicFileLimit)) {
        state_.ReplyText = QStringLiteral("Error: File too large to send '") + argument.toUpper() +
                           QStringLiteral("'!");
    } else {
        state_.ReplyText = text.value_or(fileErrorReply(argument));
    }
    transmit(Shown::LineEnds);
}

void Senders::StuurDir(const QString& argument) {
    state_.ReplyText = listingReply(PublicFolder(state_.appPath).list(argument));
    transmit(Shown::AsSent);
}

void Senders::reply(const QString& text) {
    state_.ReplyText = text + kCr;
    StuurTekst();
}

void Senders::transmit(Shown shown) {
    for (const QString& piece : replyPieces(state_.ReplyText)) {
        link_.send(QLatin1Char('D'), state_.link.LinkAddress, piece);
        QString display = piece;
        if (shown == Shown::LineEnds)
            display.replace(kCr, kCrLf);
        view_.showSent(display, display);
    }
}

}  // namespace zeno
