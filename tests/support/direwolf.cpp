#include "direwolf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <QtEndian>
#include <algorithm>

namespace zeno::test {

namespace {

constexpr int kStopGraceMs = 3000;
constexpr int kAttempts = 3;

const char* const kReadyLine = "Ready to accept AGW client application 0 on port";
// Direwolf keeps running after these, so they have to be spotted in its output.
const char* const kPortTakenLines[] = {"Couldn't bind socket", "Bind failed"};
const char* const kFatalLines[] = {"Pointless to continue", "ERROR", "Could not open audio device"};

template <typename Lines>
bool containsAny(const QByteArray& log, const Lines& lines) {
    return std::any_of(std::begin(lines), std::end(lines),
                       [&](const char* line) { return log.contains(line); });
}

// Ports that are free right now (bound to port 0, then released).
quint16 freeUdpPort() {
    QUdpSocket socket;
    return socket.bind(QHostAddress::Any, 0) ? socket.localPort() : 0;
}

constexpr int kToolTimeoutMs = 20000;

// Runs a tool to completion (ours finish well within a second); its output, or nullopt with
// a message when it is missing, hangs or fails.
std::optional<QString> runTool(const QString& name, const QStringList& arguments,
                               const QByteArray& input, const QString& workDir, QString* error) {
    const auto program = findEngineTool(name, error);
    if (!program)
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(workDir);
    process.start(*program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("%1 did not finish: %2").arg(name, process.errorString());
        return std::nullopt;
    }
    // The direwolf tools print ANSI colours even into a pipe.
    static const QRegularExpression colour(QStringLiteral("\x1b\\[[0-9;]*[A-Za-z]"));
    const QString output = QString::fromLatin1(process.readAll()).remove(colour);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error =
            QStringLiteral("%1 failed on '%2':\n%3").arg(name, QString::fromLatin1(input), output);
        return std::nullopt;
    }
    return output;
}

}  // namespace

quint16 freeTcpPort() {
    QTcpServer server;
    return server.listen(QHostAddress::Any, 0) ? server.serverPort() : 0;
}

DirewolfStation::DirewolfStation(DirewolfOptions options, const QString& transmitPath)
    : options_(std::move(options)),
      transmitDevice_(QStringLiteral("file:") + transmitPath),
      dir_(QStringLiteral("/tmp/zdw-XXXXXX")) {}

DirewolfStation::~DirewolfStation() { stop(); }

bool DirewolfStation::start(int timeoutMs) {
    stop();
    const auto program = findEngineTool(QStringLiteral("direwolf"), &error_);
    if (!program)
        return false;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        const Attempt result = startOnce(*program, timeoutMs);
        if (result != Attempt::PortTaken)
            return result == Attempt::Ready;
        stop();
    }
    return false;
}

DirewolfStation::Attempt DirewolfStation::startOnce(const QString& program, int timeoutMs) {
    agwPort_ = freeTcpPort();
    audioPort_ = freeUdpPort();
    log_.clear();
    // Quick timing, without random back-off.
    const QString config =
        QStringLiteral(
            "ADEVICE udp:%1 %2\nACHANNELS 1\nARATE %3\nCHANNEL 0\nMYCALL %4\nMODEM 1200\n"
            "AGWPORT %5\nKISSPORT 0\nTXDELAY 5\nTXTAIL 2\nPERSIST 255\nSLOTTIME 1\n")
            .arg(audioPort_)
            .arg(transmitDevice_)
            .arg(kEngineSampleRate)
            .arg(options_.callsign)
            .arg(agwPort_) +
        (options_.aprsDigipeat ? QStringLiteral("DIGIPEAT 0 0 ^WIDE[12]-[12]$ ^WIDE[12]-[12]$\n")
                               : QString()) +
        options_.extraConfig.join(u'\n') + u'\n';
    QFile conf(dir_.filePath(QStringLiteral("direwolf.conf")));
    if (agwPort_ == 0 || audioPort_ == 0 || !conf.open(QIODevice::WriteOnly) ||
        conf.write(config.toLatin1()) < 0) {
        error_ = QStringLiteral("cannot set up direwolf in %1: %2")
                     .arg(dir_.path(), dir_.isValid() ? conf.errorString() : dir_.errorString());
        return Attempt::Failed;
    }
    conf.close();

    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->setWorkingDirectory(dir_.path());
    connect(process_.get(), &QProcess::readyRead, this, &DirewolfStation::collectOutput);
    process_->start(program, {QStringLiteral("-t"), QStringLiteral("0"), QStringLiteral("-q"),
                              QStringLiteral("d"), QStringLiteral("-c"), conf.fileName()});
    const bool settled = QTest::qWaitFor(
        [&] {
            collectOutput();
            return log_.contains(kReadyLine) || containsAny(log_, kPortTakenLines) ||
                   containsAny(log_, kFatalLines) || process_->state() == QProcess::NotRunning;
        },
        timeoutMs);
    if (containsAny(log_, kPortTakenLines))
        return Attempt::PortTaken;
    if (!settled || !log_.contains(kReadyLine) || containsAny(log_, kFatalLines) ||
        process_->state() == QProcess::NotRunning) {
        error_ =
            (settled ? QStringLiteral("direwolf failed to start\n")
                     : QStringLiteral("direwolf was not ready within %1 ms\n").arg(timeoutMs)) +
            describe();
        return Attempt::Failed;
    }
    return Attempt::Ready;
}

void DirewolfStation::stop() {
    if (!process_)
        return;
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(kStopGraceMs)) {
            process_->kill();
            process_->waitForFinished(kStopGraceMs);
        }
    }
    collectOutput();
    process_.reset();
}

void DirewolfStation::collectOutput() {
    if (process_)
        log_ += process_->readAll();
}

QString DirewolfStation::describe() const {
    QString state = QStringLiteral("not started");
    if (process_) {
        state = process_->state() == QProcess::Running
                    ? QStringLiteral("running")
                    : QStringLiteral("ended with exit code %1 (%2)")
                          .arg(process_->exitCode())
                          .arg(process_->errorString());
    }
    return QStringLiteral(
               "direwolf %1 (AGW port %2, audio udp:%3, transmit %4): %5; its output:\n%6")
        .arg(options_.callsign)
        .arg(agwPort_)
        .arg(audioPort_)
        .arg(transmitDevice_, state, QString::fromLatin1(log_));
}

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

std::optional<QByteArray> modulatePacket(const QString& tnc2, QString* error) {
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("packet.wav"));
    if (!runTool(QStringLiteral("gen_packets"),
                 {QStringLiteral("-r"), QString::number(kEngineSampleRate), QStringLiteral("-o"),
                  wav, QStringLiteral("-")},
                 tnc2.toLatin1(), dir.path(), error))
        return std::nullopt;
    return readWavPcm(wav, error);
}

std::optional<QByteArray> readWavPcm(const QString& path, QString* error, int sampleRate) {
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
    return runTool(QStringLiteral("decode_aprs"), {}, tnc2.toLatin1() + '\n', QDir::tempPath(),
                   error);
}

}  // namespace zeno::test
