// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zeno::test {

constexpr int ax25Ui = 0x03;  // the control byte of a UI frame

// TNC2 text "SRC>DEST,DIGI1*,DIGI2:info" in parts; digipeaters keep their "*".
struct Tnc2Frame {
    QString source;
    QString destination;
    QStringList digis;
    QByteArray info;  // Latin-1
};
Tnc2Frame parseTnc2(const QString& tnc2);

// An AX.25 frame without flags and FCS, as the engine's raw 'K' frame carries it after its
// port byte. A "*" sets the has-been-repeated bit of that digipeater only, so any combination
// can be built. The info may hold NUL characters. pid < 0 leaves the pid byte out (S frames
// and most U frames).
QByteArray ax25FromTnc2(const QString& tnc2, int control = ax25Ui, int pid = 0xF0);
QByteArray ax25Frame(const QString& source, const QString& destination, const QStringList& digis,
                     int control, int pid, const QByteArray& info);

// One 7-byte address field: "CALL-7", high bit, last-address bit.
QByteArray ax25Address(const QString& call, bool highBit, bool last);

}  // namespace zeno::test
