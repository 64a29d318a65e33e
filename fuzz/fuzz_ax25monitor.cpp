// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the raw AX.25 frame of an engine's 'K' frame, through the decoder and the
// monitor text renderer. Whatever a station puts on the air, the text keeps the monitor's
// shape: " <port>:Fm " first, a header line of printable characters, the info without NUL
// bytes, one NUL at the very end, and a length bounded by what came in.
#include "link/ax25decode.h"
#include "link/monitortext.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void check(bool rule) {
    if (!rule)
        __builtin_trap();
}

// The longest header: port, three calls of 9, eight marked digipeaters, the description and
// the time.
constexpr qsizetype kHeaderRoom = 200;

}  // namespace

// The first byte is the engine's port number; the rest is the frame.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zeno;
    if (size == 0)
        return 0;
    const int port = data[0];
    const QByteArrayView frameBytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const std::optional<Ax25Frame> frame = decodeAx25(frameBytes);
    if (!frame)
        return 0;
    check(frame->digipeaterCount >= 0 && frame->digipeaterCount <= kMaxAx25Digipeaters);
    check(frame->info.size() <= frameBytes.size());

    const MonitorText rendered = renderMonitorText(*frame, port, QByteArrayView("12:34:56"));
    const QByteArray& text = rendered.text;
    check(rendered.kind == 'U' || rendered.kind == 'I' || rendered.kind == 'S');
    check(text.startsWith(' ' + QByteArray::number(port + 1) + ":Fm "));
    // XID and FRMR fields are shown by what they say, in words: up to a few per byte.
    const bool described = frame->type == Ax25Type::XID || frame->type == Ax25Type::FRMR;
    check(text.size() <=
          kHeaderRoom + (described ? 16 * frameBytes.size() + 64 : frameBytes.size()));
    check(text.endsWith(QByteArrayView("\r\0", 2)) && text.indexOf('\0') == text.size() - 1);

    // The header line, up to the first CR, is the renderer's own: no control byte in it.
    const qsizetype headerEnd = text.indexOf('\r');
    check(headerEnd > 0 && text.at(headerEnd - 1) == ']');
    for (qsizetype i = 0; i < headerEnd; ++i)
        check(uchar(text.at(i)) >= 0x20 && uchar(text.at(i)) != 0x7F);
    // The info is the station's, byte for byte but for its NUL bytes, or for XID and FRMR the
    // renderer's own words about it.
    const QByteArray info = text.mid(headerEnd + 1, text.size() - headerEnd - 3);
    QByteArray expected = frame->info;
    expected.replace('\0', QByteArray());
    const bool asSent = info == (expected.isEmpty() ? QByteArray() : expected + '\r');
    const bool inWords = std::all_of(info.begin(), info.end(), [](char c) {
        return c == '\r' || (uchar(c) >= 0x20 && uchar(c) != 0x7F);
    });
    check(asSent || (described && inWords));
    return 0;
}
