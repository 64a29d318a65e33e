#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zeno::test {

// How a test station is set up.
struct DirewolfOptions {
    QString callsign = QStringLiteral("N0CALL");  // MYCALL
    // Transmitted audio is discarded (ALSA "null") unless one of these is set.
    // recordTransmit: raw S16_LE mono 44100 Hz into transmitFile(), to decode with atest.
    bool recordTransmit = false;
    // An explicit output file or FIFO (VirtualChannel uses this). Direwolf cuts ALSA device
    // names at 29 characters, so the path must be at most 24 characters long.
    QString transmitPath = {};
    // TXDELAY 5, TXTAIL 2, PERSIST 255, SLOTTIME 1: quick and without random back-off.
    // Otherwise direwolf's defaults (30/10/63/10).
    bool fastTiming = true;
    bool aprsDigipeat = false;       // DIGIPEAT for WIDEn-N (UI frames with pid F0 only)
    bool connectedDigipeat = false;  // CDIGIPEAT: also repeat connected-mode frames
    QStringList extraConfig = {};    // more configuration lines, appended as they are
    QString program = QStringLiteral("direwolf");
};

// One real direwolf on free local ports, with no sound card: audio comes in as UDP
// datagrams on audioPort() (AudioFeeder, VirtualChannel), AGW clients connect to agwPort().
// It runs in a short-named temporary directory (/tmp/zdw-XXXXXX) with a generated
// configuration and stops (terminate, then kill) when destroyed.
//
//   DirewolfStation station({.callsign = "N1AAA"});
//   QVERIFY2(station.start(), qPrintable(station.errorString()));
//
// start() fails with a clear message when direwolf is not installed, when it exits or
// reports an error, or when it is not ready in time; the message carries its output.
class DirewolfStation : public QObject {
    Q_OBJECT
public:
    explicit DirewolfStation(DirewolfOptions options = {}, QObject* parent = nullptr);
    ~DirewolfStation() override;

    // Starts direwolf and waits until it accepts AGW clients. Tries fresh ports when another
    // process took the ones picked.
    bool start(int timeoutMs = 10000);
    void stop();
    bool isRunning() const;

    QString callsign() const { return options_.callsign; }
    quint16 agwPort() const { return agwPort_; }
    quint16 audioPort() const { return audioPort_; }
    // Where recordTransmit writes; empty otherwise.
    QString transmitFile() const;

    // Everything direwolf printed so far (stdout and stderr).
    QString log() const { return QString::fromLatin1(log_); }
    // Waits until the log contains text; false after the deadline or when direwolf ended.
    bool waitForLog(const QString& text, int timeoutMs);

    // Why start() failed, with the log.
    QString errorString() const { return error_; }
    // One paragraph for failure messages: who it is, its ports, state and log.
    QString describe() const;

private:
    enum class Attempt { Ready, PortTaken, Failed };
    Attempt startOnce(int timeoutMs);
    QString configText() const;
    QString transmitDevice() const;
    void collectOutput();

    DirewolfOptions options_;
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> process_;
    QByteArray log_;
    QString error_;
    quint16 agwPort_ = 0;
    quint16 audioPort_ = 0;
};

// A TCP or UDP port that is free right now (bound to port 0, then released).
quint16 freeTcpPort();
quint16 freeUdpPort();

}  // namespace zeno::test
