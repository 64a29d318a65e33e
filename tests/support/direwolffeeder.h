#pragma once

#include "direwolfpacer.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUdpSocket>

namespace zeno::test {

// Plays audio into one direwolf's "ADEVICE udp:PORT" input, as a radio receiver would:
// packets (modulated with gen_packets) or prepared WAV files, in 20 ms datagrams at
// real-time pace, with silence before, between and after them so the demodulator advances
// and drops its carrier detect. Queue as much as you like; it streams in order.
//
//   AudioFeeder feeder(station.audioPort());
//   QVERIFY2(feeder.sendPacket("N0CALL>CQ,RS0ISS*:Hello"), qPrintable(feeder.errorString()));
//   QVERIFY(QTest::qWaitFor([&] { return feeder.isIdle(); }, 5000));
//
// direwolf decodes a frame at its closing flag: its clients have it at the latest about
// 20 ms after packetSent().
class AudioFeeder : public QObject {
    Q_OBJECT
public:
    explicit AudioFeeder(quint16 udpPort, QObject* parent = nullptr);

    // Modulates a TNC2 packet ("N0CALL>CQ,RS0ISS*:Hello") and queues it. False when
    // gen_packets failed; errorString() says why.
    bool sendPacket(const QString& tnc2);
    // Queues the samples of a 16-bit mono 44100 Hz WAV file.
    bool sendWav(const QString& path);
    // Queues raw S16_LE mono 44100 Hz samples; label names it in packetSent().
    void sendPcm(const QByteArray& pcm, const QString& label);

    // Everything queued has gone out, trailing silence included.
    bool isIdle() const { return pending_.isEmpty(); }
    // Labels (the TNC2 text or file path) whose audio has completely gone out, in order.
    QStringList sentLabels() const { return sent_; }
    QString errorString() const { return error_; }

signals:
    void packetSent(const QString& label);
    void idle();

private:
    struct Mark {
        qsizetype end;  // offset in pending_ just past the labelled audio
        QString label;
    };
    void sendNextChunk();

    quint16 port_;
    QUdpSocket socket_;
    AudioPacer pacer_;
    QByteArray pending_;
    QList<Mark> marks_;
    QStringList sent_;
    QString error_;
};

}  // namespace zeno::test
