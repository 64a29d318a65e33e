// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/agwwire.h"
#include "link/ax25decode.h"
#include "link/receivequeue.h"

#include <QElapsedTimer>
#include <QTime>
#include <functional>
#include <optional>
#include <utility>

namespace zeno {

// What the engine sends for the program, on its way into the receive queue: raw 'K' frames
// rendered as monitor text, the engine's own texts normalised (or dropped once its raw copy
// was shown), our transmissions ('T') and the connected-mode events. This is the per-frame
// path of a busy channel: it must stay cheap.
class FrameIntake {
public:
    // now: the time of day the monitor text shows. Asked at most once a second.
    explicit FrameIntake(std::function<QTime()> now);

    // A frame of kind 'K', 'U', 'I', 'S', 'T', 'C', 'D' or 'd' (others are ignored).
    void take(const WireFrame& frame);
    // A new connection: what the engine said on the last one counts no more.
    void newConnection();

    ReceiveQueue& queue() { return queue_; }
    const ReceiveQueue& queue() const { return queue_; }

private:
    void takeRaw(const WireFrame& frame);
    void takeEngineText(const WireFrame& frame);
    void enqueue(int port, char kind, const QByteArray& callFrom, QByteArray data);
    // "hh:mm:ss" of now, made again only when the second has turned.
    QByteArrayView timeText();

    std::function<QTime()> now_;
    QElapsedTimer clock_;
    qint64 timeValidUntilMs_ = -1;
    char timeText_[8] = {};
    ReceiveQueue queue_;
    Ax25Decoder decoder_;         // knows the links it heard set up
    bool rawFramesSeen_ = false;  // the engine sends 'K': its own texts are duplicates
    // An undecodable 'K' (source, destination): let the engine's text of it through.
    std::optional<std::pair<QByteArray, QByteArray>> textFallback_;
};

}  // namespace zeno
