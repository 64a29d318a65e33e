#include "direwolffeeder.h"

#include "direwolftools.h"

#include <QHostAddress>

namespace zeno::test {

namespace {
constexpr int kLeadInMs = 100;
// Long enough for carrier detect to drop between packets.
constexpr int kGapMs = 300;
}  // namespace

AudioFeeder::AudioFeeder(quint16 udpPort, QObject* parent)
    : QObject(parent), port_(udpPort), pacer_(this) {
    connect(&pacer_, &AudioPacer::tick, this, &AudioFeeder::sendNextChunk);
}

bool AudioFeeder::sendPacket(const QString& tnc2) {
    const auto pcm = modulatePacket(tnc2, &error_);
    if (!pcm) {
        return false;
    }
    sendPcm(*pcm, tnc2);
    return true;
}

bool AudioFeeder::sendWav(const QString& path) {
    const auto pcm = readWavPcm(path, &error_);
    if (!pcm) {
        return false;
    }
    sendPcm(*pcm, path);
    return true;
}

void AudioFeeder::sendPcm(const QByteArray& pcm, const QString& label) {
    if (pending_.isEmpty()) {
        pending_ = silencePcm(kLeadInMs);
    }
    pending_ += pcm;
    marks_.append({pending_.size(), label});
    pending_ += silencePcm(kGapMs);
    pacer_.start();
}

void AudioFeeder::sendNextChunk() {
    QByteArray chunk = pending_.left(kAudioChunkBytes);
    chunk.append(kAudioChunkBytes - chunk.size(), '\0');
    pending_.remove(0, qMin<qsizetype>(kAudioChunkBytes, pending_.size()));
    socket_.writeDatagram(chunk, QHostAddress(QHostAddress::LocalHost), port_);

    QStringList finished;
    for (Mark& mark : marks_) {
        mark.end -= kAudioChunkBytes;
    }
    while (!marks_.isEmpty() && marks_.first().end <= 0) {
        finished << marks_.takeFirst().label;
    }
    if (pending_.isEmpty()) {
        pacer_.stop();
    }
    for (const QString& label : finished) {
        sent_ << label;
        emit packetSent(label);
    }
    if (pending_.isEmpty()) {
        emit idle();
    }
}

}  // namespace zeno::test
