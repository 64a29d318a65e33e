#pragma once

#include "direwolf.h"
#include "direwolfpacer.h"

#include <QByteArray>
#include <QObject>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <memory>
#include <vector>

namespace zeno::test {

// Two or more direwolf stations on one simulated radio channel, like FM sets on one
// frequency: every station hears the sum of the others' transmissions and never itself.
// Each station transmits through the ALSA file plugin into a FIFO of the channel; the
// channel queues that audio (direwolf writes a whole transmission at once), mixes it at a
// quarter of full scale and plays it into the others' UDP inputs in real time. It sends
// silence continuously, as direwolf only drops carrier detect while samples arrive.
//
//   VirtualChannel channel;
//   DirewolfStation* a = channel.addStation({.callsign = "N1AAA"});
//   DirewolfStation* b = channel.addStation({.callsign = "N2BBB"});
//   QVERIFY2(channel.start(), qPrintable(channel.errorString()));
//   // AGW clients on a->agwPort() and b->agwPort() now talk over the air.
//
// Fast timing (the default) makes a connect take about 0.45 s and a data round trip about
// 1.3 s. Wait about 2 s after a disconnect before connecting the same pair again.
class VirtualChannel : public QObject {
    Q_OBJECT
public:
    explicit VirtualChannel(QObject* parent = nullptr);
    ~VirtualChannel() override;

    // Adds a station; its transmitPath is set to the channel's FIFO. Call before start().
    DirewolfStation* addStation(DirewolfOptions options);
    // Starts the channel and then every station until each accepts AGW clients.
    bool start(int timeoutMsPerStation = 10000);

    int stationCount() const { return int(members_.size()); }
    DirewolfStation* station(int index) const { return members_.at(index).station.get(); }

    QString errorString() const { return error_; }
    // All stations' describe(), for failure messages.
    QString describe() const;

private:
    struct Member {
        std::unique_ptr<DirewolfStation> station;
        int fifo = -1;
        QByteArray queued;  // transmitted audio not yet played out
    };
    void playOneTick();
    void drainFifo(Member& member);

    QTemporaryDir dir_;
    std::vector<Member> members_;
    QUdpSocket socket_;
    AudioPacer pacer_;
    QString error_;
};

}  // namespace zeno::test
