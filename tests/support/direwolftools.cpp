#include "direwolftools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

namespace zeno::test {

namespace {

constexpr int kToolTimeoutMs = 20000;

// Runs a tool to completion (ours finish well within a second); its output, or nullopt with
// a message when it is missing, hangs or fails.
std::optional<QString> runTool(const QString& name, const QStringList& arguments,
                               const QByteArray& input, const QString& workDir, QString* error) {
    const auto program = findEngineTool(name, error);
    if (!program)
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(workDir);
    process.start(*program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("%1 did not finish: %2").arg(name, process.errorString());
        return std::nullopt;
    }
    // The direwolf tools print ANSI colours even into a pipe.
    static const QRegularExpression colour(QStringLiteral("\x1b\\[[0-9;]*[A-Za-z]"));
    const QString output = QString::fromLatin1(process.readAll()).remove(colour);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error =
            QStringLiteral("%1 failed on '%2':\n%3").arg(name, QString::fromLatin1(input), output);
        return std::nullopt;
    }
    return output;
}

}  // namespace

std::optional<QString> findEngineTool(const QString& name, QString* error) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        *error = QStringLiteral(
                     "'%1' is not installed (it comes with the Debian package direwolf; the "
                     "project's setup script installs it)")
                     .arg(name);
        return std::nullopt;
    }
    return path;
}

std::optional<QByteArray> modulatePacket(const QString& tnc2, QString* error) {
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("packet.wav"));
    if (!runTool(QStringLiteral("gen_packets"),
                 {QStringLiteral("-r"), QString::number(kEngineSampleRate), QStringLiteral("-o"),
                  wav, QStringLiteral("-")},
                 tnc2.toLatin1(), dir.path(), error))
        return std::nullopt;
    return readWavPcm(wav, error);
}

std::optional<QByteArray> readWavPcm(const QString& path, QString* error, int sampleRate) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray wav = file.readAll();
    const auto* h = reinterpret_cast<const uchar*>(wav.constData());
    const bool expected = wav.size() >= 44 && wav.startsWith("RIFF") &&
                          wav.mid(8, 8) == "WAVEfmt " && qFromLittleEndian<quint16>(h + 20) == 1 &&
                          qFromLittleEndian<quint16>(h + 22) == 1 &&
                          qFromLittleEndian<quint32>(h + 24) == quint32(sampleRate) &&
                          qFromLittleEndian<quint16>(h + 34) == 16 && wav.mid(36, 4) == "data";
    if (!expected) {
        *error = QStringLiteral("%1 is not a 16-bit mono %2 Hz WAV file").arg(path).arg(sampleRate);
        return std::nullopt;
    }
    return wav.mid(44, qFromLittleEndian<quint32>(h + 40) & ~1u);
}

std::optional<QString> decodeAprs(const QString& tnc2, QString* error) {
    return runTool(QStringLiteral("decode_aprs"), {}, tnc2.toLatin1() + '\n', QDir::tempPath(),
                   error);
}

}  // namespace zeno::test
