#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The command-line tools that come with direwolf, wrapped for tests: gen_packets makes
// AFSK audio, atest and decode_aprs are independent decoders to check our output against.
// Every function fails with a message (never silently) when its tool is missing.

namespace zeno::test {

// The audio format shared by the harness and direwolf's "ADEVICE udp:PORT": raw S16_LE,
// mono, 44100 Hz, sent as 20 ms datagrams (direwolf reads at most 2000 bytes of each).
inline constexpr int kEngineSampleRate = 44100;
inline constexpr int kAudioTickMs = 20;
inline constexpr int kAudioChunkBytes = kEngineSampleRate * kAudioTickMs / 1000 * 2;  // 1764

// Full path of a direwolf tool, or nullopt with a message saying how to get it.
std::optional<QString> findEngineTool(const QString& name, QString* error);

// Silence of the given length in the engine's audio format.
QByteArray silencePcm(int milliseconds);

// One TNC2 packet ("N0CALL>CQ,RS0ISS*:Hello") as AFSK 1200 samples, made by gen_packets.
// The text goes in without a trailing newline: gen_packets would keep it in the info field.
std::optional<QByteArray> modulatePacket(const QString& tnc2, QString* error);

// The samples of a 16-bit mono 44100 Hz WAV file.
std::optional<QByteArray> readWavPcm(const QString& path, QString* error);
// Writes samples in the engine's format as a WAV file.
bool writeWavPcm(const QString& path, const QByteArray& pcm, QString* error);

// Decodes a WAV file, or a raw S16_LE mono 44100 Hz file (what the ALSA file plugin writes),
// with atest. Returns the decoded packets in TNC2 form, in order of reception.
std::optional<QStringList> decodeWithAtest(const QString& path, QString* error);

// Runs decode_aprs on one TNC2 packet and returns what it printed, without colour codes.
std::optional<QString> decodeAprs(const QString& tnc2, QString* error);

// Removes the ANSI colour sequences the direwolf tools print even into a pipe.
QString withoutTerminalColours(const QString& text);

}  // namespace zeno::test
