#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zeno::test {

// Control bytes (modulo 8) for the frames tests build.
constexpr int ax25Ui = 0x03;
constexpr int ax25I(int ns, int nr) {
    return (nr << 5) | (ns << 1);
}
constexpr int ax25Rr(int nr) {
    return (nr << 5) | 0x01;
}
constexpr int ax25Rnr(int nr) {
    return (nr << 5) | 0x05;
}
constexpr int ax25Rej(int nr) {
    return (nr << 5) | 0x09;
}
constexpr int ax25Sabm = 0x3F;   // with P
constexpr int ax25Sabme = 0x7F;  // with P
constexpr int ax25Ua = 0x73;     // with F
constexpr int ax25Disc = 0x53;   // with P
constexpr int ax25Dm = 0x1F;     // with F
constexpr int ax25Frmr = 0x87;
constexpr int ax25Xid = 0xAF;
constexpr int ax25Test = 0xE3;

// An AX.25 frame without flags and FCS, as the engine's raw 'K' frame carries it after its
// port byte. From TNC2 text "SRC>DEST,DIGI1*,DIGI2:info": a "*" sets the has-been-repeated
// bit of that digipeater only, so any combination can be built. The info is Latin-1 and may
// hold NUL characters. pid < 0 leaves the pid byte out (S frames and most U frames).
QByteArray ax25FromTnc2(const QString& tnc2, int control = ax25Ui, int pid = 0xF0);

// The same from its parts; digipeaters may carry a trailing "*".
QByteArray ax25Frame(const QString& source, const QString& destination, const QStringList& digis,
                     int control, int pid, const QByteArray& info);

// One 7-byte address field: "CALL-7", high bit, last-address bit.
QByteArray ax25Address(const QString& call, bool highBit, bool last);

}  // namespace zeno::test
