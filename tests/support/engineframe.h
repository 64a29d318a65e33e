// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zeno::test {

inline constexpr int kEngineHeaderSize = 36;

// One AGWPE frame as it crossed the wire; calls are the NUL-padded fields cut at the NUL.
struct EngineFrame {
    int port = 0;
    char kind = 0;
    int pid = 0;
    QString callFrom;
    QString callTo;
    QByteArray data;

    QString text() const { return QString::fromLatin1(data); }
    QString toString() const;  // for failure messages
};

// Our own codec, sharing nothing with the link's, so each checks the other.
QByteArray encodeEngineFrame(int port, char kind, const QString& from, const QString& to,
                             const QByteArray& data, int pid = 0);
// The data length announced by the header at the front of buffer (which holds one).
quint32 announcedLength(const QByteArray& buffer);
// Takes the first whole frame off the front of buffer; nullopt while none is complete.
std::optional<EngineFrame> takeEngineFrame(QByteArray& buffer);

}  // namespace zeno::test
