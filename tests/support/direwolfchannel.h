#pragma once

#include "direwolf.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <memory>
#include <vector>

namespace zeno::test {

// Direwolf stations on one simulated radio channel, like FM sets on one frequency: every
// station hears the sum of the others' transmissions and never itself, plus whatever the test
// plays in from outside (audio from gen_packets or a recording). Each station transmits
// through the ALSA file plugin into a FIFO of the channel. Direwolf writes a whole
// transmission at once, so the channel queues it and plays it out in 20 ms datagrams in real
// time, at a quarter of full scale. It sends silence continuously: direwolf only drops carrier
// detect while samples arrive. A connect takes about 0.45 s, a data round trip about 1.3 s;
// wait about 2 s after a disconnect before connecting the same pair again.
class DirewolfChannel : public QObject {
    Q_OBJECT
public:
    DirewolfChannel();
    ~DirewolfChannel() override;

    // Call before start().
    DirewolfStation* addStation(DirewolfOptions options);
    // Starts playing and then every station until each accepts AGW clients.
    bool start(int timeoutMsPerStation = 10000);

    // Queues raw S16_LE mono samples from a transmitter outside the channel, heard by every
    // station. The outside transmitter does not listen first: play into a quiet channel.
    void play(const QByteArray& pcm);
    // Everything played in from outside has gone out.
    bool playedOut() const { return outside_.isEmpty(); }

    QString errorString() const { return error_; }
    // All stations' describe(), for failure messages.
    QString describe() const;

private:
    struct Member {
        std::unique_ptr<DirewolfStation> station;
        int fifo = -1;
        QByteArray queued;  // transmitted audio not yet played out
    };
    void catchUp();
    void playOneTick();

    QTemporaryDir dir_;
    std::vector<Member> members_;
    QByteArray outside_;
    QUdpSocket socket_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 ticksDone_ = 0;
    QString error_;
};

}  // namespace zeno::test
