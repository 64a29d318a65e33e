// SPDX-License-Identifier: GPL-3.0-or-later
#include "direwolf.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zeno::test {

namespace {

constexpr int kStopGraceMs = 3000;
constexpr int kAttempts = 3;  // when another process takes the ports picked

const char* const kReadyLine = "Ready to accept AGW client application 0 on port";
// Direwolf keeps running after these, so they have to be spotted in its output.
const char* const kPortTakenLines[] = {"Couldn't bind socket", "Bind failed"};
const char* const kFatalLines[] = {"Pointless to continue", "ERROR", "Could not open audio device"};

// The audio of "ADEVICE udp:PORT": raw S16_LE mono at 44100 Hz in 20 ms datagrams (direwolf
// reads at most 2000 bytes of each).
constexpr int kSampleRate = 44100;
constexpr int kTickMs = 20;
constexpr int kSamplesPerTick = kSampleRate * kTickMs / 1000;
constexpr int kChunkBytes = kSamplesPerTick * 2;
// direwolf transmits at full scale; a quarter gives receivers an audio level of about 50.
constexpr int kGainDivisor = 4;
// A whole long transmission fits, so direwolf never blocks writing it.
constexpr int kFifoBytes = 1 << 20;
// After a stall of the event loop, catch up at most this many ticks at once rather than
// flood direwolf's UDP receive buffer.
constexpr qint64 kMostTicksAtOnce = 10;

template <typename Lines>
bool containsAny(const QByteArray& log, const Lines& lines) {
    return std::any_of(std::begin(lines), std::end(lines),
                       [&](const char* line) { return log.contains(line); });
}

quint16 freeUdpPort() {
    QUdpSocket socket;
    return socket.bind(QHostAddress::Any, 0) ? socket.localPort() : 0;
}

// The next 20 ms of queued audio, padded with silence.
QByteArray takeChunk(QByteArray& queued) {
    QByteArray chunk = queued.left(kChunkBytes);
    queued.remove(0, chunk.size());
    chunk.append(kChunkBytes - chunk.size(), '\0');
    return chunk;
}

void mixInto(std::vector<int>& mix, const QByteArray& chunk, int divisor) {
    for (int s = 0; s < kSamplesPerTick; ++s)
        mix[s] += qFromLittleEndian<qint16>(chunk.constData() + 2 * s) / divisor;
}

}  // namespace

// Full path of a direwolf tool, or nullopt with a message saying how to get it.
std::optional<QString> findEngineTool(const QString& name, QString* error) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        *error = QStringLiteral(
                     "'%1' is not installed (it comes with the Debian package direwolf; the "
                     "project's setup script installs it)")
                     .arg(name);
        return std::nullopt;
    }
    return path;
}

quint16 freeTcpPort() {
    QTcpServer server;
    return server.listen(QHostAddress::Any, 0) ? server.serverPort() : 0;
}

EngineClient::EngineClient(quint16 port) {
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        buffer_ += socket_.readAll();
        while (const auto frame = takeEngineFrame(buffer_))
            frames_.append(*frame);
    });
    socket_.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    socket_.waitForConnected(3000);
}

void EngineClient::send(char kind, const QString& callFrom, const QString& callTo,
                        const QByteArray& data, int pid) {
    socket_.write(encodeEngineFrame(0, kind, callFrom, callTo, data, pid));
    socket_.flush();
}

std::optional<EngineFrame> EngineClient::waitForFrame(const Predicate& matches, int timeoutMs) {
    std::optional<EngineFrame> found;
    (void)QTest::qWaitFor(
        [&] {
            const auto it = std::find_if(frames_.cbegin(), frames_.cend(), matches);
            if (it != frames_.cend())
                found = *it;
            return found.has_value();
        },
        timeoutMs);
    return found;
}

struct DirewolfChannel::Station {
    DirewolfOptions options;
    QString fifoPath;
    int fifo = -1;
    QByteArray queued;  // transmitted audio not yet played out
    std::unique_ptr<QProcess> process;
    QByteArray log;
    quint16 agwPort = 0;
    quint16 audioPort = 0;
    std::unique_ptr<EngineClient> client;

    void stop() {
        client.reset();
        if (process && process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(kStopGraceMs)) {
                process->kill();
                process->waitForFinished(kStopGraceMs);
            }
        }
        if (process)
            log += process->readAll();
        process.reset();
    }

    QString describe() const {
        QString state = QStringLiteral("not started");
        if (process) {
            state = process->state() == QProcess::Running
                        ? QStringLiteral("running")
                        : QStringLiteral("ended with exit code %1 (%2)")
                              .arg(process->exitCode())
                              .arg(process->errorString());
        }
        QStringList received;
        for (const EngineFrame& frame : client ? client->frames() : QList<EngineFrame>())
            received << frame.toString();
        return QStringLiteral(
                   "direwolf %1 (AGW port %2, audio udp:%3, transmit %4): %5; its "
                   "output:\n%6\nits client received:\n%7")
            .arg(options.callsign)
            .arg(agwPort)
            .arg(audioPort)
            .arg(fifoPath, state, QString::fromLatin1(log), received.join(u'\n'));
    }
};

DirewolfChannel::DirewolfChannel(const std::vector<DirewolfOptions>& stations)
    : dir_(QStringLiteral("/tmp/zdw-XXXXXX")) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kTickMs / 2);
    connect(&timer_, &QTimer::timeout, this, &DirewolfChannel::catchUp);
    for (const DirewolfOptions& options : stations) {
        auto station = std::make_unique<Station>();
        station->options = options;
        // Short: direwolf keeps only 29 characters of "file:" and the path.
        station->fifoPath =
            dir_.filePath(QChar(char16_t(u'a' + stations_.size())) + QStringLiteral(".tx"));
        const QByteArray path = station->fifoPath.toLocal8Bit();
        if (::mkfifo(path.constData(), 0600) == 0) {
            // Read-write, so direwolf's open for writing never blocks and we never see EOF.
            station->fifo = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (station->fifo >= 0)
                ::fcntl(station->fifo, F_SETPIPE_SZ, kFifoBytes);  // best effort
        }
        if (station->fifo < 0 && error_.isEmpty()) {
            error_ = QStringLiteral("FIFO %1: %2")
                         .arg(station->fifoPath, QString::fromLocal8Bit(strerror(errno)));
        }
        stations_.push_back(std::move(station));
    }
}

DirewolfChannel::~DirewolfChannel() {
    timer_.stop();
    for (const auto& station : stations_) {
        station->stop();  // direwolf first, so it never writes into a closed FIFO
        if (station->fifo >= 0)
            ::close(station->fifo);
    }
}

bool DirewolfChannel::start(int timeoutMsPerStation) {
    const auto program = findEngineTool(QStringLiteral("direwolf"), &error_);
    if (!error_.isEmpty() || !program)
        return false;
    clock_.start();
    ticksDone_ = 0;
    timer_.start();
    for (const auto& station : stations_) {
        if (!startStation(*station, *program, timeoutMsPerStation))
            return false;
    }
    for (const auto& station : stations_) {
        station->client = std::make_unique<EngineClient>(station->agwPort);
        station->client->send('m');
        station->client->send('y');
    }
    const bool answered = QTest::qWaitFor(
        [&] {
            return std::all_of(stations_.cbegin(), stations_.cend(), [](const auto& station) {
                return std::any_of(station->client->frames().cbegin(),
                                   station->client->frames().cend(),
                                   [](const EngineFrame& frame) { return frame.kind == 'y'; });
            });
        },
        5000);
    if (!answered)
        error_ = QStringLiteral("a station did not answer its client's 'y'\n") + describe();
    return answered;
}

bool DirewolfChannel::startStation(Station& station, const QString& program, int timeoutMs) {
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        station.stop();
        station.agwPort = freeTcpPort();
        station.audioPort = freeUdpPort();
        station.log.clear();
        // Quick timing, without random back-off.
        const QString config =
            QStringLiteral(
                "ADEVICE udp:%1 file:%2\nACHANNELS 1\nARATE %3\nCHANNEL 0\nMYCALL %4\n"
                "MODEM 1200\nAGWPORT %5\nKISSPORT 0\nTXDELAY 5\nTXTAIL 2\nPERSIST 255\n"
                "SLOTTIME 1\n")
                .arg(station.audioPort)
                .arg(station.fifoPath)
                .arg(kSampleRate)
                .arg(station.options.callsign)
                .arg(station.agwPort) +
            (station.options.aprsDigipeat
                 ? QStringLiteral("DIGIPEAT 0 0 ^WIDE[12]-[12]$ ^WIDE[12]-[12]$\n")
                 : QString()) +
            station.options.extraConfig.join(u'\n') + u'\n';
        QFile conf(station.fifoPath.chopped(3) + QStringLiteral(".conf"));
        if (station.agwPort == 0 || station.audioPort == 0 || !conf.open(QIODevice::WriteOnly) ||
            conf.write(config.toLatin1()) < 0) {
            error_ =
                QStringLiteral("cannot set up direwolf in %1: %2")
                    .arg(dir_.path(), dir_.isValid() ? conf.errorString() : dir_.errorString());
            return false;
        }
        conf.close();

        station.process = std::make_unique<QProcess>();
        QProcess& process = *station.process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardInputFile(QProcess::nullDevice());
        process.setWorkingDirectory(dir_.path());
        connect(&process, &QProcess::readyRead, this,
                [&station] { station.log += station.process->readAll(); });
        process.start(program, {QStringLiteral("-t"), QStringLiteral("0"), QStringLiteral("-q"),
                                QStringLiteral("d"), QStringLiteral("-c"), conf.fileName()});
        const bool settled = QTest::qWaitFor(
            [&] {
                return station.log.contains(kReadyLine) ||
                       containsAny(station.log, kPortTakenLines) ||
                       containsAny(station.log, kFatalLines) ||
                       process.state() == QProcess::NotRunning;
            },
            timeoutMs);
        if (containsAny(station.log, kPortTakenLines))
            continue;
        if (settled && station.log.contains(kReadyLine) && !containsAny(station.log, kFatalLines) &&
            process.state() == QProcess::Running)
            return true;
        error_ =
            (settled ? QStringLiteral("direwolf failed to start\n")
                     : QStringLiteral("direwolf was not ready within %1 ms\n").arg(timeoutMs)) +
            station.describe();
        return false;
    }
    error_ = QStringLiteral("the ports picked were taken %1 times\n").arg(kAttempts) +
             station.describe();
    return false;
}

quint16 DirewolfChannel::agwPort(int station) const { return stations_.at(station)->agwPort; }

EngineClient& DirewolfChannel::client(int station) { return *stations_.at(station)->client; }

void DirewolfChannel::play(const QByteArray& pcm) { outside_ += pcm; }

void DirewolfChannel::catchUp() {
    // Tick n is due n * 20 ms after start.
    const qint64 due = clock_.elapsed() / kTickMs + 1;
    ticksDone_ = std::max(ticksDone_, due - kMostTicksAtOnce);
    for (; ticksDone_ < due; ++ticksDone_)
        playOneTick();
}

void DirewolfChannel::playOneTick() {
    // Each station's next 20 ms on air; empty when it is silent.
    std::vector<QByteArray> onAir(stations_.size());
    for (std::size_t i = 0; i < stations_.size(); ++i) {
        Station& station = *stations_[i];
        char buffer[1 << 16];
        for (ssize_t got; (got = ::read(station.fifo, buffer, sizeof buffer)) > 0;)
            station.queued.append(buffer, got);
        if (!station.queued.isEmpty())
            onAir[i] = takeChunk(station.queued);
    }
    const QByteArray outside = outside_.isEmpty() ? QByteArray() : takeChunk(outside_);
    for (std::size_t i = 0; i < stations_.size(); ++i) {
        std::vector<int> mix(kSamplesPerTick, 0);
        if (!outside.isEmpty())
            mixInto(mix, outside, 1);
        for (std::size_t j = 0; j < stations_.size(); ++j) {
            if (j != i && !onAir[j].isEmpty())
                mixInto(mix, onAir[j], kGainDivisor);
        }
        QByteArray datagram(kChunkBytes, '\0');
        for (int s = 0; s < kSamplesPerTick; ++s) {
            qToLittleEndian<qint16>(qint16(std::clamp(mix[s], -32768, 32767)),
                                    datagram.data() + 2 * s);
        }
        if (const quint16 port = stations_[i]->audioPort)
            socket_.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), port);
    }
}

QString DirewolfChannel::describe() const {
    QStringList parts;
    for (const auto& station : stations_)
        parts << station->describe();
    return parts.join(QStringLiteral("\n\n"));
}

std::optional<QByteArray> readWavPcm(const QString& path, int sampleRate, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray wav = file.readAll();
    const auto* h = reinterpret_cast<const uchar*>(wav.constData());
    const bool expected = wav.size() >= 44 && wav.startsWith("RIFF") &&
                          wav.mid(8, 8) == "WAVEfmt " && qFromLittleEndian<quint16>(h + 20) == 1 &&
                          qFromLittleEndian<quint16>(h + 22) == 1 &&
                          qFromLittleEndian<quint32>(h + 24) == quint32(sampleRate) &&
                          qFromLittleEndian<quint16>(h + 34) == 16 && wav.mid(36, 4) == "data";
    if (!expected) {
        *error = QStringLiteral("%1 is not a 16-bit mono %2 Hz WAV file").arg(path).arg(sampleRate);
        return std::nullopt;
    }
    return wav.mid(44, qFromLittleEndian<quint32>(h + 40) & ~1u);
}

std::optional<QString> decodeAprs(const QString& tnc2, QString* error) {
    const auto program = findEngineTool(QStringLiteral("decode_aprs"), error);
    if (!program)
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(QDir::tempPath());
    process.start(*program, {});
    process.write(tnc2.toLatin1() + '\n');
    process.closeWriteChannel();
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("decode_aprs did not finish: ") + process.errorString();
        return std::nullopt;
    }
    // The direwolf tools print ANSI colours even into a pipe.
    static const QRegularExpression colour(QStringLiteral("\x1b\\[[0-9;]*[A-Za-z]"));
    const QString output = QString::fromLatin1(process.readAll()).remove(colour);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("decode_aprs failed on '%1':\n%2").arg(tnc2, output);
        return std::nullopt;
    }
    return output;
}

}  // namespace zeno::test
