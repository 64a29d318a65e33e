#pragma once

#include <QByteArray>
#include <QString>

namespace zeno::test {

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

}  // namespace zeno::test
