#include "direwolfpacer.h"

#include "direwolftools.h"

namespace zeno::test {

namespace {
constexpr qint64 kMostTicksAtOnce = 10;
}

AudioPacer::AudioPacer(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kAudioTickMs / 2);
    connect(&timer_, &QTimer::timeout, this, &AudioPacer::catchUp);
}

void AudioPacer::start() {
    if (timer_.isActive()) {
        return;
    }
    clock_.start();
    ticksDone_ = 0;
    timer_.start();
    catchUp();
}

void AudioPacer::stop() {
    timer_.stop();
}

void AudioPacer::catchUp() {
    // Tick n is due at n * 20 ms after start.
    const qint64 due = clock_.elapsed() / kAudioTickMs + 1;
    if (due - ticksDone_ > kMostTicksAtOnce) {
        ticksDone_ = due - kMostTicksAtOnce;
    }
    while (ticksDone_ < due && timer_.isActive()) {
        ++ticksDone_;
        emit tick();
    }
}

}  // namespace zeno::test
