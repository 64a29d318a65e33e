#include "direwolf.h"

#include "direwolftools.h"

#include <QFile>
#include <QTcpServer>
#include <QTest>
#include <QUdpSocket>
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

quint16 freeUdpPort() {
    QUdpSocket socket;
    return socket.bind(QHostAddress::Any, 0) ? socket.localPort() : 0;
}

}  // namespace

quint16 freeTcpPort() {
    QTcpServer server;
    return server.listen(QHostAddress::Any, 0) ? server.serverPort() : 0;
}

DirewolfStation::DirewolfStation(DirewolfOptions options, const QString& transmitPath)
    : options_(std::move(options)),
      transmitDevice_(transmitPath.isEmpty() ? QStringLiteral("null")
                                             : QStringLiteral("file:") + transmitPath),
      dir_(QStringLiteral("/tmp/zdw-XXXXXX")) {}

DirewolfStation::~DirewolfStation() {
    stop();
}

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
    QStringList config{
        QStringLiteral("ADEVICE udp:%1 %2").arg(audioPort_).arg(transmitDevice_),
        QStringLiteral("ACHANNELS 1"),
        QStringLiteral("ARATE %1").arg(kEngineSampleRate),
        QStringLiteral("CHANNEL 0"),
        QStringLiteral("MYCALL ") + options_.callsign,
        QStringLiteral("MODEM 1200"),
        QStringLiteral("AGWPORT %1").arg(agwPort_),
        QStringLiteral("KISSPORT 0"),
        QStringLiteral("TXDELAY 5"),
        QStringLiteral("TXTAIL 2"),
        QStringLiteral("PERSIST 255"),
        QStringLiteral("SLOTTIME 1"),
    };
    if (options_.aprsDigipeat)
        config << QStringLiteral("DIGIPEAT 0 0 ^WIDE[12]-[12]$ ^WIDE[12]-[12]$");
    config << options_.extraConfig;
    QFile conf(dir_.filePath(QStringLiteral("direwolf.conf")));
    if (agwPort_ == 0 || audioPort_ == 0 || !conf.open(QIODevice::WriteOnly) ||
        conf.write(config.join(u'\n').toLatin1() + '\n') < 0) {
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

}  // namespace zeno::test
