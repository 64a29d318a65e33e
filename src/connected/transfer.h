// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connected/publicfolder.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zeno {

struct AppState;
class ConnectedView;
class FrameSink;

// Connected data leaves in pieces of at most this many characters.
inline constexpr qsizetype kReplyPiece = 255;
// The most "//R" sends: a minute of the operator's transmitter at 1200 baud.
inline constexpr qsizetype kPublicFileLimit = 8192;

QStringList replyPieces(const QString& text);
// A text file as it goes on the air: a CR, then every line followed by CR. Nothing when the
// file cannot be read.
std::optional<QString> fileReply(const QString& path);
// What a station gets for a file that is not there.
QString fileErrorReply(const QString& name);
// A listing: CR LF, one entry a line with CR LF, CR LF; "File not found" when empty.
QString listingReply(const QStringList& entries);

// The three senders ("stuur" = send): everything ZENO sends to the connected station goes
// through here, to LinkAddress, and is shown in the terminal as it leaves.
class Senders {
public:
    Senders(AppState& state, FrameSink& link, ConnectedView& view);

    // Sends ReplyText.
    void StuurTekst();
    // Sends one of ZENO's own files; the error text names the path.
    void StuurFile(const QString& path);
    // "//R": a file of the public folder, refused when its reply would exceed the limit.
    void sendPublicFile(const QString& argument);
    // "//DIR": a listing of the public folder.
    void StuurDir(const QString& argument);
    // A reply line: the text and a CR, as ReplyText.
    void reply(const QString& text);

private:
    enum class Shown { AsSent, LineEnds };
    void transmit(Shown shown);

    AppState& state_;
    FrameSink& link_;
    ConnectedView& view_;
};

}  // namespace zeno
