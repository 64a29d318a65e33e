#include "direwolfchannel.h"

#include "direwolftools.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QHostAddress>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zeno::test {

namespace {

constexpr int kSamplesPerTick = kAudioChunkBytes / 2;
// direwolf transmits at full scale; a quarter gives receivers an audio level of about 50.
constexpr int kGainDivisor = 4;
// A whole long transmission fits, so direwolf never blocks writing it.
constexpr int kFifoBytes = 1 << 20;

}  // namespace

VirtualChannel::VirtualChannel(QObject* parent)
    : QObject(parent), dir_(QStringLiteral("/tmp/zdw-XXXXXX")), pacer_(this) {
    connect(&pacer_, &AudioPacer::tick, this, &VirtualChannel::playOneTick);
}

VirtualChannel::~VirtualChannel() {
    pacer_.stop();
    for (Member& member : members_) {
        member.station.reset();  // direwolf first, so it never writes into a closed FIFO
        if (member.fifo >= 0) {
            ::close(member.fifo);
        }
    }
}

DirewolfStation* VirtualChannel::addStation(DirewolfOptions options) {
    const QString fifo =
        dir_.filePath(QString(QLatin1Char('a' + char(members_.size()))) + QStringLiteral(".tx"));
    Member member;
    const QByteArray path = fifo.toLocal8Bit();
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary directory: ") + dir_.errorString();
    } else if (::mkfifo(path.constData(), 0600) != 0) {
        error_ = QStringLiteral("mkfifo %1: %2").arg(fifo, QString::fromLocal8Bit(strerror(errno)));
    } else {
        // Read-write, so direwolf's open for writing never blocks and we never see EOF.
        member.fifo = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (member.fifo < 0) {
            error_ =
                QStringLiteral("open %1: %2").arg(fifo, QString::fromLocal8Bit(strerror(errno)));
        } else {
            ::fcntl(member.fifo, F_SETPIPE_SZ, kFifoBytes);  // best effort
        }
    }
    options.transmitPath = fifo;
    member.station = std::make_unique<DirewolfStation>(std::move(options));
    members_.push_back(std::move(member));
    return members_.back().station.get();
}

bool VirtualChannel::start(int timeoutMsPerStation) {
    if (!error_.isEmpty()) {
        return false;
    }
    if (members_.size() < 2) {
        error_ = QStringLiteral("a channel needs at least two stations");
        return false;
    }
    pacer_.start();
    for (Member& member : members_) {
        if (!member.station->start(timeoutMsPerStation)) {
            error_ = member.station->errorString();
            return false;
        }
    }
    return true;
}

void VirtualChannel::drainFifo(Member& member) {
    if (member.fifo < 0) {
        return;
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(member.fifo, buffer, sizeof buffer);
        if (got <= 0) {
            return;
        }
        member.queued.append(buffer, got);
    }
}

void VirtualChannel::playOneTick() {
    // Each station's next 20 ms on air, already scaled down; empty when it is silent.
    std::vector<std::vector<qint16>> onAir(members_.size());
    for (std::size_t i = 0; i < members_.size(); ++i) {
        Member& member = members_[i];
        drainFifo(member);
        if (member.queued.isEmpty()) {
            continue;
        }
        QByteArray chunk = member.queued.left(kAudioChunkBytes);
        member.queued.remove(0, chunk.size());
        chunk.append(kAudioChunkBytes - chunk.size(), '\0');
        auto& samples = onAir[i];
        samples.resize(kSamplesPerTick);
        for (int s = 0; s < kSamplesPerTick; ++s) {
            samples[s] =
                qint16(qFromLittleEndian<qint16>(chunk.constData() + 2 * s) / kGainDivisor);
        }
    }
    for (std::size_t i = 0; i < members_.size(); ++i) {
        const quint16 port = members_[i].station->audioPort();
        if (port == 0) {
            continue;
        }
        std::vector<int> mix(kSamplesPerTick, 0);
        for (std::size_t j = 0; j < members_.size(); ++j) {
            if (j == i || onAir[j].empty()) {
                continue;
            }
            for (int s = 0; s < kSamplesPerTick; ++s) {
                mix[s] += onAir[j][s];
            }
        }
        QByteArray datagram(kAudioChunkBytes, '\0');
        for (int s = 0; s < kSamplesPerTick; ++s) {
            qToLittleEndian<qint16>(qint16(std::clamp(mix[s], -32768, 32767)),
                                    datagram.data() + 2 * s);
        }
        socket_.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), port);
    }
}

QString VirtualChannel::describe() const {
    QStringList parts;
    for (const Member& member : members_) {
        parts << member.station->describe();
    }
    return parts.join(QStringLiteral("\n\n"));
}

}  // namespace zeno::test
