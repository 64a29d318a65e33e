#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

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
    quint8 control = 0;
    Ax25Type type = Ax25Type::UI;
    int ns = 0;                 // I frames
    int nr = 0;                 // I and S frames
    std::optional<quint8> pid;  // I and UI frames
    QByteArray info;            // the whole information field (everything after control / pid)
};

// Decodes an AX.25 frame without flags and FCS (the 'K' frame's data after its first byte).
// Control fields are read modulo 8, as a monitor sees them. Nothing when the bytes are not
// a plausible frame (short address field, unprintable callsign, missing control or pid).
std::optional<Ax25Frame> decodeAx25(QByteArrayView bytes);

}  // namespace zeno
