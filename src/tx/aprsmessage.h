// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace zeno {

// An APRS addressee field is exactly this wide.
inline constexpr int kAddresseeLength = 9;
// Limits the Enter key applies to the message panel's boxes.
inline constexpr int kMaxMessageTextLength = 70;

// ":EMAIL    :text". The addressee loses its trailing blanks and is padded to 9; a longer
// one is cut to 9, so the text always starts at the 12th character. No number, no tag.
QString messageInformation(const QString& addressee, const QString& text);

// The heard list as frames' texts. Each text is the prefix ("Heard:", or ":BLN0QSLs :" for
// the bulletin) and calls each followed by a comma; a group closes once it holds 65 or more
// characters of calls, and only the last group carries the tag (given without a leading
// blank, or empty). The own call is left out; nothing comes back when no call is left.
// Each text still goes out in 90-character pieces.
QStringList heardListTexts(const QStringList& entries, const QString& ownCall, bool asBulletin,
                           const QString& tag);

}  // namespace zeno
