#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace zeno::test {

// Real-time clock for streaming audio: tick() fires once per 20 ms of audio, on average at
// real-time pace. When the event loop was blocked it catches up by firing several ticks at
// once, but never more than a few hundred milliseconds' worth: a longer stall is skipped
// rather than flooding direwolf's UDP receive buffer.
class AudioPacer : public QObject {
    Q_OBJECT
public:
    explicit AudioPacer(QObject* parent = nullptr);

    void start();  // the first tick fires at once
    void stop();
    bool isActive() const { return timer_.isActive(); }

signals:
    void tick();

private:
    void catchUp();

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 ticksDone_ = 0;
};

}  // namespace zeno::test
