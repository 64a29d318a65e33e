#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The command-line tools that come with direwolf, wrapped for tests: gen_packets makes AFSK
// audio, decode_aprs is an independent reader of what we send. Each fails with a message
// (never silently) when its tool is missing.

namespace zeno::test {

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
