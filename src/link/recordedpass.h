// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <memory>

class QProcess;

namespace zeno {

// One frame of a recorded pass: when its audio starts, in seconds from the start, and the
// frame in TNC2 text ("N0CALL>CQ,RS0ISS*:Hello").
struct PassFrame {
    double atSeconds = 0;
    QString tnc2;
    bool operator==(const PassFrame&) const = default;
};

// The frame list: one "SECONDS TNC2" a line, in time order; blank lines and lines starting
// with '#' are skipped, as are lines without a number in front.
QList<PassFrame> parsePassFrames(const QString& text);

// The private engine's configuration: audio in from a local UDP port, out to the null
// device (no transmitter, no PTT), no beacons, no digipeating, AGW clients on agwPort.
QString recordedPassConfig(quint16 audioPort, quint16 agwPort);

// "Listen to a Recorded Pass": a direwolf of ZENO's own, on free local ports with a private
// configuration, hears a pass whose audio gen_packets makes from the frame list at that moment
// and which is played into it in real time. Nothing is transmitted. The engine stops when the
// recording is over, on stop(), or with this object.
class RecordedPass : public QObject {
    Q_OBJECT
public:
    explicit RecordedPass(QObject* parent = nullptr);
    ~RecordedPass() override;

    // Empty when direwolf and gen_packets are installed, else how to install them.
    static QString missingEngineText();

    // Starts the engine; ready() follows once it accepts clients, failed() when it cannot.
    void start(const QList<PassFrame>& frames);
    void stop();
    bool isRunning() const { return running_; }
    quint16 agwPort() const { return agwPort_; }

signals:
    void ready(quint16 agwPort);
    void failed(const QString& why);
    // The last frame has been played out (the engine is stopped).
    void finished();

private:
    void onEngineOutput();
    void makeNextAudio();
    void catchUp();
    void playOneTick();
    void fail(const QString& why);

    QList<PassFrame> frames_;
    QList<QByteArray> audio_;  // made so far, one per frame, in order
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> engine_;
    std::unique_ptr<QProcess> maker_;  // gen_packets, one frame at a time
    QByteArray engineLog_;
    QByteArray queued_;  // audio due and not yet sent
    QUdpSocket socket_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 ticksDone_ = 0;
    int nextFrame_ = 0;
    quint16 agwPort_ = 0;
    quint16 audioPort_ = 0;
    bool running_ = false;
    bool playing_ = false;
};

}  // namespace zeno
