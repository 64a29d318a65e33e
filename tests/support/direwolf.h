#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zeno::test {

// How a test station is set up. Its timing is always quick and without random back-off
// (TXDELAY 5, TXTAIL 2, PERSIST 255, SLOTTIME 1).
struct DirewolfOptions {
    QString callsign = QStringLiteral("N0CALL");  // MYCALL
    bool aprsDigipeat = false;     // DIGIPEAT for WIDEn-N (UI frames with pid F0 only)
    QStringList extraConfig = {};  // more configuration lines, e.g. "CDIGIPEAT 0 0"
};

// One real direwolf on free local ports, with no sound card: audio comes in as UDP
// datagrams on audioPort(), AGW clients connect to agwPort(). It runs in a short-named
// temporary directory with a generated configuration and stops (terminate, then kill) when
// destroyed. Stations normally live on a DirewolfChannel, which gives them their transmit
// path and their audio.
class DirewolfStation : public QObject {
    Q_OBJECT
public:
    // Transmitted audio goes to transmitPath (direwolf keeps only 24 characters of it), or
    // is discarded when it is empty.
    explicit DirewolfStation(DirewolfOptions options, const QString& transmitPath = {});
    ~DirewolfStation() override;

    // Starts direwolf and waits until it accepts AGW clients; false with errorString() when
    // direwolf is missing, reports an error, ends or is not ready in time. Tries fresh ports
    // when another process took the ones picked.
    bool start(int timeoutMs = 10000);
    void stop();

    QString callsign() const { return options_.callsign; }
    quint16 agwPort() const { return agwPort_; }
    quint16 audioPort() const { return audioPort_; }

    QString errorString() const { return error_; }
    // One paragraph for failure messages: who it is, its ports, state and output.
    QString describe() const;

private:
    enum class Attempt { Ready, PortTaken, Failed };
    Attempt startOnce(const QString& program, int timeoutMs);
    void collectOutput();

    DirewolfOptions options_;
    QString transmitDevice_;
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> process_;
    QByteArray log_;
    QString error_;
    quint16 agwPort_ = 0;
    quint16 audioPort_ = 0;
};

// A TCP port that is free right now (bound to port 0, then released).
quint16 freeTcpPort();

}  // namespace zeno::test
