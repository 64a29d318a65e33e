// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/recordedpass.h"

#include <sys/prctl.h>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QtEndian>
#include <algorithm>
#include <csignal>

namespace zeno {

namespace {

// direwolf's "ADEVICE udp:" audio: S16_LE mono, sent in 20 ms datagrams (it reads at most
// 2000 bytes of each).
constexpr int kSampleRate = 44100;
constexpr int kTickMs = 20;
constexpr int kChunkBytes = kSampleRate * kTickMs / 1000 * 2;
// After a stall of the event loop, catch up this many ticks at most.
constexpr qint64 kMostTicksAtOnce = 10;
// Silence after the last frame, so the engine hears its end before it stops.
constexpr double kTailSeconds = 2.0;
constexpr int kStopGraceMs = 3000;

const char* const kReadyLine = "Ready to accept AGW client application 0 on port";
const char* const kFatalLines[] = {"Pointless to continue", "Could not open audio device",
                                   "Couldn't bind socket", "Bind failed"};

QString tool(const char* name) { return QStandardPaths::findExecutable(QLatin1String(name)); }

quint16 freeTcpPort() {
    QTcpServer server;
    return server.listen(QHostAddress::Any, 0) ? server.serverPort() : 0;
}

quint16 freeUdpPort() {
    QUdpSocket socket;
    return socket.bind(QHostAddress::Any, 0) ? socket.localPort() : 0;
}

// The samples of a 16-bit PCM WAV file: the "data" chunk, wherever it is.
QByteArray wavSamples(const QByteArray& wav) {
    qsizetype at = 12;  // after "RIFF", the size and "WAVE"
    while (at + 8 <= wav.size()) {
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (wav.mid(at, 4) == "data")
            return wav.mid(at + 8, std::min<qsizetype>(size, wav.size() - at - 8) & ~qsizetype(1));
        at += 8 + qsizetype(size) + (size & 1);
    }
    return {};
}

// The engine dies with ZENO, even when ZENO does not end in order.
void dieWithParent() { ::prctl(PR_SET_PDEATHSIG, SIGTERM); }

}  // namespace

QList<PassFrame> parsePassFrames(const QString& text) {
    QList<PassFrame> frames;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype blank = line.indexOf(u' ');
        bool number = false;
        const double at = line.left(blank).toDouble(&number);
        const QString tnc2 = line.mid(blank + 1).trimmed();
        if (blank > 0 && number && at >= 0 && !tnc2.isEmpty())
            frames << PassFrame{at, tnc2};
    }
    return frames;
}

QString recordedPassConfig(quint16 audioPort, quint16 agwPort) {
    return QStringLiteral(
               "# ZENO's recorded pass: receive only. Audio comes in on a local UDP port and "
               "goes out to the null device; no PTT, no beacons, no digipeating.\n"
               "ADEVICE udp:%1 null\nACHANNELS 1\nARATE %2\nCHANNEL 0\nMYCALL N0CALL\n"
               "MODEM 1200\nAGWPORT %3\nKISSPORT 0\n")
        .arg(audioPort)
        .arg(kSampleRate)
        .arg(agwPort);
}

RecordedPass::RecordedPass(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kTickMs / 2);
    connect(&timer_, &QTimer::timeout, this, &RecordedPass::catchUp);
}

// The processes are children: what stop() left for later goes with this object.
RecordedPass::~RecordedPass() { stop(); }

QString RecordedPass::missingEngineText() {
    if (!tool("direwolf").isEmpty() && !tool("gen_packets").isEmpty())
        return {};
    return QStringLiteral(
        "Listening to a recorded pass needs Dire Wolf (the programs direwolf and "
        "gen_packets), which is not installed.\r\rOn Debian and Ubuntu install it with:\r"
        "    sudo apt install direwolf\r\rthen choose Help > Listen to a Recorded Pass again.");
}

void RecordedPass::start(const QList<PassFrame>& frames) {
    stop();
    frames_ = frames;
    audio_.clear();
    queued_.clear();
    engineLog_.clear();
    nextFrame_ = 0;
    running_ = true;
    // A private folder for the configuration and the audio being made.
    dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zeno-pass-XXXXXX"));
    agwPort_ = freeTcpPort();
    audioPort_ = freeUdpPort();
    QFile conf(dir_->filePath(QStringLiteral("direwolf.conf")));
    if (!dir_->isValid() || agwPort_ == 0 || audioPort_ == 0 || !conf.open(QIODevice::WriteOnly) ||
        conf.write(recordedPassConfig(audioPort_, agwPort_).toLatin1()) < 0) {
        fail(QStringLiteral("cannot set up the engine in %1").arg(dir_->path()));
        return;
    }
    conf.close();

    engine_ = std::make_unique<QProcess>(this);
    engine_->setProcessChannelMode(QProcess::MergedChannels);
    engine_->setStandardInputFile(QProcess::nullDevice());
    engine_->setWorkingDirectory(dir_->path());
    engine_->setChildProcessModifier(dieWithParent);
    connect(engine_.get(), &QProcess::readyRead, this, &RecordedPass::onEngineOutput);
    connect(engine_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(QStringLiteral("direwolf did not start"));
    });
    connect(engine_.get(), &QProcess::finished, this, [this] {
        if (running_)
            fail(QStringLiteral("the engine ended"));
    });
    engine_->start(tool("direwolf"),
                   {QStringLiteral("-t"), QStringLiteral("0"), QStringLiteral("-q"),
                    QStringLiteral("d"), QStringLiteral("-c"), conf.fileName()});
    makeNextAudio();
}

void RecordedPass::stop() {
    const bool wasRunning = running_;
    running_ = false;
    playing_ = false;
    timer_.stop();
    for (QProcess* process : {maker_.get(), engine_.get()}) {
        if (!process || process->state() == QProcess::NotRunning)
            continue;
        process->disconnect(this);
        process->terminate();
        if (!process->waitForFinished(kStopGraceMs)) {
            process->kill();
            process->waitForFinished(kStopGraceMs);
        }
    }
    // stop() may run inside a signal of either process.
    for (auto* process : {&maker_, &engine_}) {
        if (*process)
            process->release()->deleteLater();
    }
    if (wasRunning)
        dir_.reset();
}

void RecordedPass::fail(const QString& why) {
    const QString log = QString::fromLocal8Bit(engineLog_.right(2000));
    stop();
    emit failed(log.isEmpty() ? why : why + QStringLiteral(":\n") + log);
}

void RecordedPass::onEngineOutput() {
    const bool wasReady = engineLog_.contains(kReadyLine);
    engineLog_ += engine_->readAll();
    for (const char* line : kFatalLines) {
        if (engineLog_.contains(line)) {
            fail(QStringLiteral("the engine could not start"));
            return;
        }
    }
    if (wasReady || !engineLog_.contains(kReadyLine))
        return;
    playing_ = true;
    clock_.start();
    ticksDone_ = 0;
    timer_.start();
    emit ready(agwPort_);
}

void RecordedPass::makeNextAudio() {
    if (audio_.size() >= frames_.size())
        return;
    const QString wav = dir_->filePath(QStringLiteral("frame.wav"));
    maker_ = std::make_unique<QProcess>(this);
    maker_->setProcessChannelMode(QProcess::MergedChannels);
    connect(maker_.get(), &QProcess::finished, this, [this, wav](int code) {
        QFile file(wav);
        const QByteArray pcm =
            file.open(QIODevice::ReadOnly) ? wavSamples(file.readAll()) : QByteArray();
        if (code != 0 || pcm.isEmpty()) {
            fail(QStringLiteral("gen_packets could not make the audio of %1: %2")
                     .arg(frames_.at(audio_.size()).tnc2,
                          QString::fromLocal8Bit(maker_->readAll())));
            return;
        }
        audio_ << pcm;
        maker_.release()->deleteLater();  // its own signal is being handled
        makeNextAudio();
    });
    maker_->start(tool("gen_packets"), {QStringLiteral("-r"), QString::number(kSampleRate),
                                        QStringLiteral("-o"), wav, QStringLiteral("-")});
    // No newline after the frame: gen_packets would keep it in the information field.
    maker_->write(frames_.at(audio_.size()).tnc2.toLatin1());
    maker_->closeWriteChannel();
}

void RecordedPass::catchUp() {
    // Tick n is due n * 20 ms after the engine became ready.
    const qint64 due = clock_.elapsed() / kTickMs + 1;
    ticksDone_ = std::max(ticksDone_, due - kMostTicksAtOnce);
    while (playing_ && ticksDone_ < due) {
        playOneTick();
        ++ticksDone_;
    }
}

void RecordedPass::playOneTick() {
    const double now = double(ticksDone_) * kTickMs / 1000;
    // A frame whose audio is not made yet goes out as soon as it is.
    while (nextFrame_ < audio_.size() && frames_.at(nextFrame_).atSeconds <= now)
        queued_ += audio_.at(nextFrame_++);
    if (nextFrame_ == frames_.size() && queued_.isEmpty() &&
        now > (frames_.isEmpty() ? 0 : frames_.last().atSeconds) + kTailSeconds) {
        stop();
        emit finished();
        return;
    }
    // Silence between frames too: the engine only drops its carrier detect while it hears.
    QByteArray chunk = queued_.left(kChunkBytes);
    queued_.remove(0, chunk.size());
    chunk.append(kChunkBytes - chunk.size(), '\0');
    socket_.writeDatagram(chunk, QHostAddress(QHostAddress::LocalHost), audioPort_);
}

}  // namespace zeno
