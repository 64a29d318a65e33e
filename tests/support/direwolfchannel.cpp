#include "direwolfchannel.h"

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
// After a stall of the event loop, catch up at most this many ticks at once rather than
// flood direwolf's UDP receive buffer.
constexpr qint64 kMostTicksAtOnce = 10;

// The next 20 ms of queued audio, padded with silence.
QByteArray takeChunk(QByteArray& queued) {
    QByteArray chunk = queued.left(kAudioChunkBytes);
    queued.remove(0, chunk.size());
    chunk.append(kAudioChunkBytes - chunk.size(), '\0');
    return chunk;
}

void mixInto(std::vector<int>& mix, const QByteArray& chunk, int divisor) {
    for (int s = 0; s < kSamplesPerTick; ++s)
        mix[s] += qFromLittleEndian<qint16>(chunk.constData() + 2 * s) / divisor;
}

}  // namespace

DirewolfChannel::DirewolfChannel() : dir_(QStringLiteral("/tmp/zdw-XXXXXX")) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kAudioTickMs / 2);
    connect(&timer_, &QTimer::timeout, this, &DirewolfChannel::catchUp);
}

DirewolfChannel::~DirewolfChannel() {
    timer_.stop();
    for (Member& member : members_) {
        member.station.reset();  // direwolf first, so it never writes into a closed FIFO
        if (member.fifo >= 0)
            ::close(member.fifo);
    }
}

DirewolfStation* DirewolfChannel::addStation(DirewolfOptions options) {
    // Short: direwolf keeps only 29 characters of "file:" and the path.
    const QString fifo =
        dir_.filePath(QChar(char16_t(u'a' + members_.size())) + QStringLiteral(".tx"));
    const QByteArray path = fifo.toLocal8Bit();
    Member member;
    if (::mkfifo(path.constData(), 0600) == 0) {
        // Read-write, so direwolf's open for writing never blocks and we never see EOF.
        member.fifo = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (member.fifo >= 0)
            ::fcntl(member.fifo, F_SETPIPE_SZ, kFifoBytes);  // best effort
    }
    if (member.fifo < 0 && error_.isEmpty())
        error_ = QStringLiteral("FIFO %1: %2").arg(fifo, QString::fromLocal8Bit(strerror(errno)));
    member.station = std::make_unique<DirewolfStation>(std::move(options), fifo);
    members_.push_back(std::move(member));
    return members_.back().station.get();
}

bool DirewolfChannel::start(int timeoutMsPerStation) {
    if (!error_.isEmpty())
        return false;
    clock_.start();
    ticksDone_ = 0;
    timer_.start();
    for (Member& member : members_) {
        if (!member.station->start(timeoutMsPerStation)) {
            error_ = member.station->errorString();
            return false;
        }
    }
    return true;
}

void DirewolfChannel::play(const QByteArray& pcm) { outside_ += pcm; }

void DirewolfChannel::catchUp() {
    // Tick n is due n * 20 ms after start.
    const qint64 due = clock_.elapsed() / kAudioTickMs + 1;
    ticksDone_ = std::max(ticksDone_, due - kMostTicksAtOnce);
    for (; ticksDone_ < due; ++ticksDone_)
        playOneTick();
}

void DirewolfChannel::playOneTick() {
    // Each station's next 20 ms on air; empty when it is silent.
    std::vector<QByteArray> onAir(members_.size());
    for (std::size_t i = 0; i < members_.size(); ++i) {
        Member& member = members_[i];
        char buffer[1 << 16];
        for (ssize_t got; (got = ::read(member.fifo, buffer, sizeof buffer)) > 0;)
            member.queued.append(buffer, got);
        if (!member.queued.isEmpty())
            onAir[i] = takeChunk(member.queued);
    }
    const QByteArray outside = outside_.isEmpty() ? QByteArray() : takeChunk(outside_);
    for (std::size_t i = 0; i < members_.size(); ++i) {
        std::vector<int> mix(kSamplesPerTick, 0);
        if (!outside.isEmpty())
            mixInto(mix, outside, 1);
        for (std::size_t j = 0; j < members_.size(); ++j) {
            if (j != i && !onAir[j].isEmpty())
                mixInto(mix, onAir[j], kGainDivisor);
        }
        QByteArray datagram(kAudioChunkBytes, '\0');
        for (int s = 0; s < kSamplesPerTick; ++s) {
            qToLittleEndian<qint16>(qint16(std::clamp(mix[s], -32768, 32767)),
                                    datagram.data() + 2 * s);
        }
        if (const quint16 port = members_[i].station->audioPort())
            socket_.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), port);
    }
}

QString DirewolfChannel::describe() const {
    QStringList parts;
    for (const Member& member : members_)
        parts << member.station->describe();
    return parts.join(QStringLiteral("\n\n"));
}

}  // namespace zeno::test
