#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace zeno::test {

// A TCP port that is free right now (bound to port 0, then released).
quint16 freeTcpPort();

// How a test station is set up.
struct DirewolfOptions {
    QString callsign = QStringLiteral("N0CALL");  // MYCALL
    bool aprsDigipeat = false;     // DIGIPEAT for WIDEn-N (UI frames with pid F0 only)
    QStringList extraConfig = {};  // more configuration lines, e.g. "ARATE 22050"
};

// One real direwolf on free local ports, with no sound card: audio comes in as UDP
// datagrams on audioPort(), AGW clients connect to agwPort(). It runs in a short-named
// temporary directory with a generated configuration and stops (terminate, then kill) when
// destroyed. A DirewolfChannel makes its stations and gives them their audio.
class DirewolfStation : public QObject {
    Q_OBJECT
public:
    // Transmitted audio goes to transmitPath (direwolf keeps only 24 characters of it).
    DirewolfStation(DirewolfOptions options, const QString& transmitPath);
    ~DirewolfStation() override;

    // Starts direwolf and waits until it accepts AGW clients; false with errorString() when
    // direwolf is missing, reports an error, ends or is not ready in time. Tries fresh ports
    // when another process took the ones picked.
    bool start(int timeoutMs = 10000);
    void stop();

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

// The command-line tools that come with direwolf, wrapped for tests: gen_packets makes AFSK
// audio, decode_aprs is an independent reader of what we send. Each fails with a message
// (never silently) when its tool is missing.

// The audio format shared by the harness and direwolf's "ADEVICE udp:PORT": raw S16_LE,
// mono, 44100 Hz, sent as 20 ms datagrams (direwolf reads at most 2000 bytes of each).
inline constexpr int kEngineSampleRate = 44100;
inline constexpr int kAudioTickMs = 20;
inline constexpr int kAudioChunkBytes = kEngineSampleRate * kAudioTickMs / 1000 * 2;  // 1764

// Full path of a direwolf tool, or nullopt with a message saying how to get it.
std::optional<QString> findEngineTool(const QString& name, QString* error);

// One TNC2 packet ("N0CALL>CQ,RS0ISS*:Hello") as AFSK 1200 samples, made by gen_packets.
// The text goes in without a trailing newline: gen_packets would keep it in the info field.
std::optional<QByteArray> modulatePacket(const QString& tnc2, QString* error);

// The samples of a 16-bit mono WAV file at the given rate (44-byte header, as gen_packets
// and tools/record-frames write it).
std::optional<QByteArray> readWavPcm(const QString& path, QString* error,
                                     int sampleRate = kEngineSampleRate);

// What decode_aprs prints for one TNC2 packet, without colour codes.
std::optional<QString> decodeAprs(const QString& tnc2, QString* error);

}  // namespace zeno::test
