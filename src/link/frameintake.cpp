// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frameintake.h"

#include "link/monitortext.h"

namespace zeno {

FrameIntake::FrameIntake(std::function<QTime()> now) : now_(std::move(now)) { clock_.start(); }

void FrameIntake::newConnection() {
    rawFramesSeen_ = false;
    textFallback_.reset();
}

void FrameIntake::take(const WireFrame& frame) {
    switch (frame.kind) {
        case 'C':
            enqueue(frame.port, 'c', frame.callFrom, frame.data);
            return;
        case 'D':
        case 'd':
            enqueue(frame.port, frame.kind, frame.callFrom, frame.data);
            return;
        case 'K':
            takeRaw(frame);
            return;
        case 'U':
        case 'I':
        case 'S':
            takeEngineText(frame);
            return;
        case 'T':
            // Our own transmissions too; the engine sends no raw copy of them.
            enqueue(frame.port, 'T', frame.callFrom, normaliseEngineText(frame.data));
            return;
        default:
            return;
    }
}

QByteArrayView FrameIntake::timeText() {
    const qint64 elapsed = clock_.elapsed();
    if (elapsed >= timeValidUntilMs_) {
        const QTime t = now_();
        const int parts[] = {t.hour(), t.minute(), t.second()};
        for (int i = 0; i < 3; ++i) {
            timeText_[3 * i] = char('0' + parts[i] / 10);
            timeText_[3 * i + 1] = char('0' + parts[i] % 10);
            if (i < 2)
                timeText_[3 * i + 2] = ':';
        }
        timeValidUntilMs_ = elapsed + 1000 - t.msec();
    }
    return QByteArrayView(timeText_, 8);
}

void FrameIntake::takeRaw(const WireFrame& frame) {
    rawFramesSeen_ = true;
    // The first byte is the engine's port byte, the rest an AX.25 frame without FCS.
    auto ax25 = frame.data.isEmpty()
                    ? std::nullopt
                    : decoder_.decode(QByteArrayView(frame.data).sliced(1), frame.port);
    if (!ax25) {
        textFallback_ = std::make_pair(frame.callFrom, frame.callTo);
        return;
    }
    textFallback_.reset();
    MonitorText text = renderMonitorText(*ax25, frame.port, timeText());
    enqueue(frame.port, text.kind, ax25->source.textBytes(), std::move(text.text));
}

void FrameIntake::takeEngineText(const WireFrame& frame) {
    if (rawFramesSeen_) {
        // Already shown from its raw copy, unless that copy could not be decoded.
        if (!textFallback_ || textFallback_->first != frame.callFrom ||
            textFallback_->second != frame.callTo) {
            return;
        }
        textFallback_.reset();
    }
    enqueue(frame.port, frame.kind, frame.callFrom, normaliseEngineText(frame.data));
}

void FrameIntake::enqueue(int port, char kind, const QByteArray& callFrom, QByteArray data) {
    queue_.push(QueuedFrame{port, kind, callFrom, std::move(data)});
}

}  // namespace zeno
