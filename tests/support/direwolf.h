// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/engineframe.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zeno::test {

// A TCP port that is free right now (bound to port 0, then released).
quint16 freeTcpPort();

// A raw AGWPE client, independent of the program's link: plays "the other station's
// application" in engine tests and checks what the engine really sent. Every received frame
// is kept in order.
class EngineClient : public QObject {
    Q_OBJECT
public:
    using Predicate = std::function<bool(const EngineFrame&)>;

    explicit EngineClient(quint16 port);
    // Any kind, connected mode ('C', 'D', 'd') included, on the first radio port.
    void send(char kind, const QString& callFrom = {}, const QString& callTo = {},
              const QByteArray& data = {}, int pid = 0);

    const QList<EngineFrame>& frames() const { return frames_; }
    void clearFrames() { frames_.clear(); }
    // The first frame received so far (or within the deadline) that matches.
    std::optional<EngineFrame> waitForFrame(const Predicate& matches, int timeoutMs = 0);

private:
    QTcpSocket socket_;
    QByteArray buffer_;
    QList<EngineFrame> frames_;
};

// How a test station is set up.
struct DirewolfOptions {
    QString callsign = QStringLiteral("N0CALL");  // MYCALL
    bool aprsDigipeat = false;     // DIGIPEAT for WIDEn-N (UI frames with pid F0 only)
    QStringList extraConfig = {};  // more configuration lines, e.g. "ARATE 22050"
};

// Real direwolf stations on one simulated radio channel, like FM sets on one frequency: every
// station hears the sum of the others' transmissions and never itself, plus whatever the test
// plays in from outside. No sound card: each station hears UDP datagrams and transmits
// through the ALSA file plugin into a FIFO of the channel. Direwolf writes a whole
// transmission at once, so the channel queues it and plays it out in 20 ms datagrams in real
// time, at a quarter of full scale. It sends silence continuously: direwolf only drops carrier
// detect while samples arrive. A connect takes about 0.45 s, a data round trip about 1.3 s;
// wait about 2 s after a disconnect before connecting the same pair again.
class DirewolfChannel : public QObject {
    Q_OBJECT
public:
    explicit DirewolfChannel(const std::vector<DirewolfOptions>& stations);
    ~DirewolfChannel() override;

    // Starts playing, then every station on free local ports until each accepts AGW clients,
    // then connects an EngineClient to each, monitoring ('m') and answered ('y'): direwolf
    // reads a new client's commands only after up to a second. False with errorString() when
    // direwolf is missing, fails or is not ready in time.
    bool start(int timeoutMsPerStation = 10000);

    quint16 agwPort(int station) const;
    EngineClient& client(int station);

    // Queues raw S16_LE mono samples from a transmitter outside the channel, heard by every
    // station. The outside transmitter does not listen first: play into a quiet channel.
    void play(const QByteArray& pcm);
    // Everything played in from outside has gone out.
    bool playedOut() const { return outside_.isEmpty(); }

    QString errorString() const { return error_; }
    // Every station: ports, state, direwolf's output and what its client received.
    QString describe() const;

private:
    struct Station;
    bool startStation(Station& station, const QString& program, int timeoutMs);
    void catchUp();
    void playOneTick();

    QTemporaryDir dir_;
    std::vector<std::unique_ptr<Station>> stations_;
    QByteArray outside_;
    QUdpSocket socket_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 ticksDone_ = 0;
    QString error_;
};

// The samples of a 16-bit mono WAV file at the given rate (44-byte header, as
// tools/record-frames writes it).
std::optional<QByteArray> readWavPcm(const QString& path, int sampleRate, QString* error);

// Full path of a tool that comes with direwolf (decode_aprs, gen_packets ...), or nullopt with a
// message saying how to get it.
std::optional<QString> findEngineTool(const QString& name, QString* error);

// What direwolf's decode_aprs, an independent reader of what we send, prints for one TNC2
// packet, without colour codes.
std::optional<QString> decodeAprs(const QString& tnc2, QString* error);

}  // namespace zeno::test
