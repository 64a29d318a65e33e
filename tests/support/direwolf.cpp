#include "direwolf.h"

#include "direwolftools.h"

#include <QFile>
#include <QTcpServer>
#include <QTest>
#include <QUdpSocket>

namespace zeno::test {

namespace {

constexpr int kStopGraceMs = 3000;
constexpr int kAttempts = 3;
// The ALSA device name is cut at 29 characters, "file:" included.
constexpr int kLongestDeviceName = 29;

const char* const kReadyLine = "Ready to accept AGW client application 0 on port";
// Direwolf keeps running after these, so they have to be spotted in the log.
const char* const kPortTakenLines[] = {"Couldn't bind socket", "Bind failed"};
const char* const kFatalLines[] = {"Pointless to continue", "ERROR", "Could not open audio device"};

}  // namespace

quint16 freeTcpPort() {
    QTcpServer server;
    return server.listen(QHostAddress::Any, 0) ? server.serverPort() : 0;
}

quint16 freeUdpPort() {
    QUdpSocket socket;
    return socket.bind(QHostAddress::Any, 0) ? socket.localPort() : 0;
}

DirewolfStation::DirewolfStation(DirewolfOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)), dir_(QStringLiteral("/tmp/zdw-XXXXXX")) {}

DirewolfStation::~DirewolfStation() {
    stop();
}

QString DirewolfStation::transmitFile() const {
    return options_.recordTransmit && options_.transmitPath.isEmpty()
               ? dir_.filePath(QStringLiteral("tx.raw"))
               : QString();
}

QString DirewolfStation::transmitDevice() const {
    const QString path = options_.transmitPath.isEmpty() ? transmitFile() : options_.transmitPath;
    return path.isEmpty() ? QStringLiteral("null") : QStringLiteral("file:") + path;
}

QString DirewolfStation::configText() const {
    QStringList lines{
        QStringLiteral("ADEVICE udp:%1 %2").arg(audioPort_).arg(transmitDevice()),
        QStringLiteral("ACHANNELS 1"),
        QStringLiteral("ARATE %1").arg(kEngineSampleRate),
        QStringLiteral("CHANNEL 0"),
        QStringLiteral("MYCALL ") + options_.callsign,
        QStringLiteral("MODEM 1200"),
        QStringLiteral("AGWPORT %1").arg(agwPort_),
        QStringLiteral("KISSPORT 0"),
    };
    if (options_.fastTiming) {
        lines << QStringLiteral("TXDELAY 5") << QStringLiteral("TXTAIL 2")
              << QStringLiteral("PERSIST 255") << QStringLiteral("SLOTTIME 1");
    }
    if (options_.aprsDigipeat) {
        lines << QStringLiteral("DIGIPEAT 0 0 ^WIDE[12]-[12]$ ^WIDE[12]-[12]$");
    }
    if (options_.connectedDigipeat) {
        lines << QStringLiteral("CDIGIPEAT 0 0");
    }
    lines << options_.extraConfig;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool DirewolfStation::start(int timeoutMs) {
    stop();
    error_.clear();
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary directory: ") + dir_.errorString();
        return false;
    }
    if (transmitDevice().size() > kLongestDeviceName) {
        error_ = QStringLiteral(
                     "transmit device '%1' is longer than the %2 characters direwolf "
                     "keeps; use a shorter path")
                     .arg(transmitDevice())
                     .arg(kLongestDeviceName);
        return false;
    }
    if (!findEngineTool(options_.program, &error_)) {
        return false;
    }
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        switch (startOnce(timeoutMs)) {
            case Attempt::Ready:
                return true;
            case Attempt::Failed:
                return false;
            case Attempt::PortTaken:
                stop();
                break;
        }
    }
    return false;
}

DirewolfStation::Attempt DirewolfStation::startOnce(int timeoutMs) {
    agwPort_ = freeTcpPort();
    audioPort_ = freeUdpPort();
    log_.clear();
    if (agwPort_ == 0 || audioPort_ == 0) {
        error_ = QStringLiteral("no free local port");
        return Attempt::Failed;
    }
    const QString confPath = dir_.filePath(QStringLiteral("direwolf.conf"));
    QFile conf(confPath);
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        conf.write(configText().toLatin1()) < 0) {
        error_ = QStringLiteral("cannot write %1: %2").arg(confPath, conf.errorString());
        return Attempt::Failed;
    }
    conf.close();

    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->setWorkingDirectory(dir_.path());
    connect(process_.get(), &QProcess::readyRead, this, &DirewolfStation::collectOutput);
    process_->start(options_.program,
                    {QStringLiteral("-t"), QStringLiteral("0"), QStringLiteral("-q"),
                     QStringLiteral("d"), QStringLiteral("-c"), confPath});
    if (!process_->waitForStarted(timeoutMs)) {
        error_ =
            QStringLiteral("%1 did not start: %2").arg(options_.program, process_->errorString());
        return Attempt::Failed;
    }

    auto logHasAny = [this](const auto& lines) {
        for (const char* line : lines) {
            if (log_.contains(line)) {
                return true;
            }
        }
        return false;
    };
    const bool settled = QTest::qWaitFor(
        [&] {
            collectOutput();
            return log_.contains(kReadyLine) || logHasAny(kPortTakenLines) ||
                   logHasAny(kFatalLines) || process_->state() == QProcess::NotRunning;
        },
        timeoutMs);
    if (logHasAny(kPortTakenLines)) {
        error_ = QStringLiteral("a port was taken meanwhile\n") + describe();
        return Attempt::PortTaken;
    }
    if (!settled || !log_.contains(kReadyLine) || logHasAny(kFatalLines) ||
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
    if (!process_) {
        return;
    }
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(kStopGraceMs)) {
            process_->kill();
            process_->waitForFinished(kStopGraceMs);
        }
    }
    collectOutput();
    process_->disconnect(this);
    process_.reset();
}

bool DirewolfStation::isRunning() const {
    return process_ && process_->state() == QProcess::Running;
}

bool DirewolfStation::waitForLog(const QString& text, int timeoutMs) {
    const QByteArray wanted = text.toLatin1();
    return QTest::qWaitFor(
               [&] {
                   collectOutput();
                   return log_.contains(wanted) || !isRunning();
               },
               timeoutMs) &&
           log_.contains(wanted);
}

void DirewolfStation::collectOutput() {
    if (process_) {
        log_ += process_->readAll();
    }
}

QString DirewolfStation::describe() const {
    QString state = QStringLiteral("not started");
    if (process_) {
        state = process_->state() == QProcess::Running
                    ? QStringLiteral("running")
                    : QStringLiteral("ended with exit code %1").arg(process_->exitCode());
    }
    return QStringLiteral(
               "direwolf %1 (AGW port %2, audio udp:%3, transmit %4): %5; its output:\n%6")
        .arg(options_.callsign)
        .arg(agwPort_)
        .arg(audioPort_)
        .arg(transmitDevice(), state, log());
}

}  // namespace zeno::test
