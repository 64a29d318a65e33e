// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the link's receive path as if the engine had sent them, cut into
// reads of varying size, and renders whatever frames come out. A stream that cannot be
// trusted is reported with its reason (the link closes the connection on it), a decoded frame
// is what the header announced, and the receive queue keeps within its bounds.
#include "link/agwwire.h"
#include "link/ax25decode.h"
#include "link/engineinfo.h"
#include "link/frameintake.h"
#include "link/monitortext.h"

#include <QTime>
#include <cstddef>
#include <cstdint>

namespace {

void consume(const zeno::WireFrame& frame) {
    using namespace zeno;
    switch (frame.kind) {
        case 'K':
            if (!frame.data.isEmpty()) {
                if (auto ax25 = decodeAx25(QByteArrayView(frame.data).sliced(1))) {
                    const MonitorText text = renderMonitorText(*ax25, frame.port, QTime(12, 0, 0));
                    if (text.text.isEmpty() || !text.text.endsWith('\0'))
                        __builtin_trap();
                }
            }
            break;
        case 'U':
        case 'I':
        case 'S':
        case 'T': {
            // Either left alone (no monitor header) or rebuilt, and then NUL-terminated.
            const QByteArray text = normaliseEngineText(frame.data);
            if (text != frame.data && !text.endsWith('\0'))
                __builtin_trap();
            break;
        }
        case 'R':
        case 'G': {
            EngineInfo info;
            if (frame.kind == 'R')
                info.takeVersionReply(frame.data);
            else
                info.takePortsReply(frame.data);
            if (startupText(EngineAddress{}, info).contains(QLatin1Char('\r')))
                __builtin_trap();
            break;
        }
        default:
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the size of the reads the rest arrives in.
    const size_t chunk = size_t(data[0] % 64) + 1;
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const size_t length = size - 1;

    zeno::WireDecoder decoder;
    zeno::FrameIntake intake([] { return QTime(12, 0, 0); });
    std::vector<zeno::WireFrame> frames;
    for (size_t at = 0; at < length; at += chunk) {
        frames.clear();
        const auto status = decoder.feed(
            QByteArrayView(bytes + at, qsizetype(std::min(chunk, length - at))), frames);
        for (const auto& frame : frames) {
            const bool letter = (frame.kind >= 'A' && frame.kind <= 'Z') ||
                                (frame.kind >= 'a' && frame.kind <= 'z');
            if (!letter || frame.data.size() > zeno::kMaxWireDataLength ||
                frame.callFrom.size() > zeno::kWireCallSize ||
                frame.callTo.size() > zeno::kWireCallSize)
                __builtin_trap();
            consume(frame);
            intake.take(frame);
        }
        const zeno::ReceiveQueue& queue = intake.queue();
        if (queue.size() > zeno::kReceiveQueueCapacity || queue.bytes() > zeno::kReceiveQueueBytes)
            __builtin_trap();
        if (status == zeno::WireDecoder::Status::Corrupt) {
            if (decoder.error().isEmpty() || decoder.pendingBytes() != 0)
                __builtin_trap();
            break;
        }
        // Never more than one frame's worth is held back.
        if (decoder.pendingBytes() > zeno::kWireHeaderSize + zeno::kMaxWireDataLength)
            __builtin_trap();
    }
    return 0;
}
