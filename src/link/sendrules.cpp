// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/sendrules.h"

#include <QRegularExpression>
#include <algorithm>

namespace zeno {

namespace {

QString beforeNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QStringList addressWords(const QString& callField) {
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    return beforeNul(callField).toUpper().split(separators, Qt::SkipEmptyParts);
}

// Count byte, then each call NUL padded to 10 bytes.
QByteArray viaBlock(const QStringList& calls) {
    QByteArray block(1, char(calls.size()));
    for (const QString& call : calls)
        block.append(wireCall(call));
    return block;
}

WireFrame frameOf(char kind, int port, const QString& from, const QString& to) {
    WireFrame frame;
    frame.kind = kind;
    frame.port = port;
    frame.callFrom = from.toLatin1();
    frame.callTo = to.toLatin1();
    return frame;
}

std::vector<WireFrame> uiFrame(const QString& callField, const QString& text,
                               const QString& ownCall, int port) {
    // "DEST PATH": the destination ends at the first blank; the path may use commas too.
    const QString field = beforeNul(callField).trimmed().toUpper();
    const qsizetype blank = field.indexOf(QLatin1Char(' '));
    const QString destination = blank < 0 ? field : field.left(blank);
    if (destination.isEmpty())
        return {};
    const QStringList path =
        addressWords(blank < 0 ? QString() : field.mid(blank + 1)).mid(0, kMaxUiDigipeaters);
    WireFrame frame = frameOf(path.isEmpty() ? 'M' : 'V', port, ownCall, destination);
    if (!path.isEmpty())
        frame.data = viaBlock(path);
    frame.data.append(text.toLatin1());
    frame.data.truncate(kMaxSendDataLength);
    return {frame};
}

// "c" goes to the first word only; "v" carries the rest of the words as its path.
std::vector<WireFrame> connectRequest(bool viaPath, const QString& callField,
                                      const QString& ownCall, int port) {
    const QStringList words = addressWords(callField);
    if (words.isEmpty())
        return {};
    const QStringList via = viaPath ? words.mid(1, kMaxConnectDigipeaters) : QStringList();
    WireFrame frame = frameOf(via.isEmpty() ? 'C' : 'v', port, ownCall, words.first());
    if (!via.isEmpty())
        frame.data = viaBlock(via);
    return {frame};
}

std::vector<WireFrame> connectedData(const QString& callField, const QString& data,
                                     const QString& ownCall, int port,
                                     const ConnectedStations& links) {
    const QString station = firstCall(callField);
    if (station.isEmpty() || data.isEmpty() || !links.isUp(station))
        return {};
    const QString ownSide = links.ownSideOf(station);
    const QByteArray bytes = data.toLatin1();
    std::vector<WireFrame> frames;
    for (qsizetype at = 0; at < bytes.size(); at += kMaxConnectedChunk) {
        WireFrame frame = frameOf('D', port, ownSide.isEmpty() ? ownCall : ownSide, station);
        frame.pid = 0xF0;
        frame.data = bytes.mid(at, kMaxConnectedChunk);
        frames.push_back(std::move(frame));
    }
    return frames;
}

}  // namespace

void ConnectedStations::linkUp(const QString& station, const QString& ownSide) {
    if (station.isEmpty())
        return;
    linkDown(station);
    links_ << Link{station.toUpper(), ownSide.toUpper()};
}

void ConnectedStations::linkDown(const QString& station) {
    const QString key = station.toUpper();
    links_.removeIf([&](const Link& link) { return link.station == key; });
}

bool ConnectedStations::isUp(const QString& station) const {
    const QString key = station.toUpper();
    return std::any_of(links_.begin(), links_.end(),
                       [&](const Link& link) { return link.station == key; });
}

QString ConnectedStations::ownSideOf(const QString& station) const {
    const QString key = station.toUpper();
    for (const Link& link : links_) {
        if (link.station == key)
            return link.ownSide;
    }
    return {};
}

QStringList ConnectedStations::stations() const {
    QStringList list;
    for (const Link& link : links_)
        list << link.station;
    return list;
}

QString firstCall(const QString& callField) {
    const QStringList words = addressWords(callField);
    return words.isEmpty() ? QString() : words.first();
}

std::vector<WireFrame> wireFramesForSend(QChar kind, const QString& callField, const QString& data,
                                         const QString& ownCall, int port,
                                         const ConnectedStations& links) {
    const QString own = ownCall.toUpper();
    switch (kind.unicode()) {
        case 'V':
            return uiFrame(callField, data, own, port);
        case 'c':
            return connectRequest(false, callField, own, port);
        case 'v':
            return connectRequest(true, callField, own, port);
        case 'D':
            return connectedData(callField, data, own, port, links);
        case 'd': {
            const QString station = firstCall(callField);
            if (station.isEmpty())
                return {};
            const QString ownSide = links.ownSideOf(station);
            return {frameOf('d', port, ownSide.isEmpty() ? own : ownSide, station)};
        }
        case 'P': {
            // The start-up login registers the callsign: that is what lets calls in.
            const QString call = firstCall(callField);
            if (call.isEmpty())
                return {};
            return {frameOf('X', port, call, QString())};
        }
        default:
            return {};
    }
}

}  // namespace zeno
