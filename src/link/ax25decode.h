// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace zeno {

inline constexpr int kMaxAx25Digipeaters = 8;

struct Ax25Address {
    char call[6] = {};  // without blanks; callLength characters
    quint8 callLength = 0;
    quint8 ssid = 0;
    bool highBit = false;  // has-been-repeated on a digipeater, command/response otherwise

    // "CALL-7"; no "-0".
    QString text() const;
    QByteArray textBytes() const;
    // Writes the text at out (at most 9 characters) and returns where it ends.
    char* writeText(char* out) const;
};

// In this order: the monitor text names them by it.
enum class Ax25Type {
    I,
    RR,
    RNR,
    REJ,
    SREJ,
    UI,
    SABM,
    SABME,
    UA,
    DISC,
    DM,
    FRMR,
    XID,
    TEST,
    OtherU,
};

struct Ax25Frame {
    Ax25Address destination;
    Ax25Address source;
    std::array<Ax25Address, kMaxAx25Digipeaters> digipeaters;  // the first digipeaterCount are used
    int digipeaterCount = 0;
    quint8 control = 0;   // the first (for U frames the only) control byte
    quint8 control2 = 0;  // the second one of a modulo-128 I or S frame
    int modulo = 8;       // 128: an I or S frame with two control bytes
    Ax25Type type = Ax25Type::UI;
    int ns = 0;                 // I frames
    int nr = 0;                 // I and S frames
    std::optional<quint8> pid;  // I and UI frames
    QByteArray info;            // the whole information field (everything after control / pid)
};

// The type and sequence numbers a control field stands for (c2: the second byte of a
// modulo-128 I or S frame).
struct Ax25Control {
    Ax25Type type = Ax25Type::OtherU;
    int ns = 0;
    int nr = 0;
};
Ax25Control decodeControl(quint8 c, quint8 c2, int modulo);

// Decodes an AX.25 frame without flags and FCS (the 'K' frame's data after its first byte),
// knowing nothing of its link: I and S frames are told modulo 8 or 128 by their shape alone
// (see Ax25Decoder). Nothing when the bytes are not a plausible frame (short address field,
// unprintable callsign, missing control or pid).
std::optional<Ax25Frame> decodeAx25(QByteArrayView bytes);

// Decodes the frames heard on the channel, remembering the modulus of every link it heard
// set up. A monitor cannot always know it: the sequence numbers of I and S frames take one
// control byte (modulo 8) or two (modulo 128), and nothing in a frame says which. We follow
// Dire Wolf. Its link state machine knows it from the link: SABME sets up modulo 128, SABM
// modulo 8. For a frame out of context it guesses from the shape: an S frame with a byte
// after its control byte has two of them (modulo 8 S frames carry nothing), and an I frame
// whose third byte after the addresses is pid F0 (text) or 08 (segment) is modulo 128. So a
// link heard from its SABM(E) on is decoded right whatever it carries; one joined halfway is
// guessed, right for text, wrong for a modulo-8 text that starts with the byte F0 (an
// emoji in UTF-8) or a modulo-128 link with another pid. It keeps the last 32 links.
class Ax25Decoder {
public:
    std::optional<Ax25Frame> decode(QByteArrayView bytes, int port);

private:
    struct Link {
        int port;
        quint64 low, high;  // the two stations, in either direction
        int modulo;
    };
    Link* find(int port, const Ax25Frame& frame);
    void learn(int port, const Ax25Frame& frame);

    std::vector<Link> links_;  // oldest first
};

}  // namespace zeno
