#include "direwolftools.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

namespace zeno::test {

namespace {

constexpr int kToolTimeoutMs = 20000;

void setError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

struct ToolRun {
    int exitCode = -1;
    QByteArray output;  // stdout and stderr merged
};

// Runs a tool to completion; the tools we use finish in well under a second.
std::optional<ToolRun> runTool(const QString& name, const QStringList& arguments,
                               const QByteArray& input, const QString& workDir, QString* error) {
    const auto program = findEngineTool(name, error);
    if (!program) {
        return std::nullopt;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workDir.isEmpty()) {
        process.setWorkingDirectory(workDir);
    }
    process.start(*program, arguments);
    if (!process.waitForStarted(kToolTimeoutMs)) {
        setError(error, QStringLiteral("%1 did not start: %2").arg(name, process.errorString()));
        return std::nullopt;
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        setError(error,
                 QStringLiteral("%1 did not finish within %2 ms").arg(name).arg(kToolTimeoutMs));
        return std::nullopt;
    }
    ToolRun run;
    run.output = process.readAll();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

QByteArray wavHeader(qsizetype pcmBytes) {
    QByteArray header(44, '\0');
    auto* h = reinterpret_cast<uchar*>(header.data());
    auto put32 = [h](int at, quint32 value) { qToLittleEndian<quint32>(value, h + at); };
    auto put16 = [h](int at, quint16 value) { qToLittleEndian<quint16>(value, h + at); };
    memcpy(h, "RIFF", 4);
    put32(4, quint32(36 + pcmBytes));
    memcpy(h + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);  // PCM
    put16(22, 1);  // mono
    put32(24, kEngineSampleRate);
    put32(28, kEngineSampleRate * 2);
    put16(32, 2);
    put16(34, 16);
    memcpy(h + 36, "data", 4);
    put32(40, quint32(pcmBytes));
    return header;
}

}  // namespace

std::optional<QString> findEngineTool(const QString& name, QString* error) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        setError(error, QStringLiteral("'%1' is not installed (it comes with the Debian package "
                                       "direwolf; the project's setup script installs it)")
                            .arg(name));
        return std::nullopt;
    }
    return path;
}

QByteArray silencePcm(int milliseconds) {
    return QByteArray(qsizetype(kEngineSampleRate) * milliseconds / 1000 * 2, '\0');
}

std::optional<QByteArray> modulatePacket(const QString& tnc2, QString* error) {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        setError(error, QStringLiteral("no temporary directory: ") + dir.errorString());
        return std::nullopt;
    }
    const QString wav = dir.filePath(QStringLiteral("packet.wav"));
    const auto run = runTool(QStringLiteral("gen_packets"),
                             {QStringLiteral("-r"), QString::number(kEngineSampleRate),
                              QStringLiteral("-o"), wav, QStringLiteral("-")},
                             tnc2.toLatin1(), dir.path(), error);
    if (!run) {
        return std::nullopt;
    }
    if (run->exitCode != 0) {
        setError(error, QStringLiteral("gen_packets failed for '%1':\n%2")
                            .arg(tnc2, withoutTerminalColours(QString::fromLatin1(run->output))));
        return std::nullopt;
    }
    return readWavPcm(wav, error);
}

std::optional<QByteArray> readWavPcm(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    auto fail = [&](const QString& why) {
        setError(error, QStringLiteral("%1: %2").arg(path, why));
        return std::nullopt;
    };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return fail(QStringLiteral("not a WAV file"));
    }
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    bool formatOk = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(b + at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body && id != "data") {
            return fail(
                QStringLiteral("chunk '%1' runs past the end").arg(QString::fromLatin1(id)));
        }
        if (id == "fmt " && size >= 16) {
            const auto format = qFromLittleEndian<quint16>(b + body);
            const auto channels = qFromLittleEndian<quint16>(b + body + 2);
            const auto rate = qFromLittleEndian<quint32>(b + body + 4);
            const auto bits = qFromLittleEndian<quint16>(b + body + 14);
            if (format != 1 || channels != 1 || rate != quint32(kEngineSampleRate) || bits != 16) {
                return fail(QStringLiteral("need 16-bit mono PCM at %1 Hz (got format %2, %3 "
                                           "channels, %4 Hz, %5 bits)")
                                .arg(kEngineSampleRate)
                                .arg(format)
                                .arg(channels)
                                .arg(rate)
                                .arg(bits));
            }
            formatOk = true;
        } else if (id == "data") {
            if (!formatOk) {
                return fail(QStringLiteral("data before the format chunk"));
            }
            QByteArray pcm = bytes.mid(body, qMin(size, bytes.size() - body));
            pcm.truncate(pcm.size() & ~qsizetype(1));
            return pcm;
        }
        at = body + size + (size & 1);
    }
    return fail(QStringLiteral("no audio data"));
}

bool writeWavPcm(const QString& path, const QByteArray& pcm, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(wavHeader(pcm.size()) + pcm) != 44 + pcm.size()) {
        setError(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

std::optional<QStringList> decodeWithAtest(const QString& path, QString* error) {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        setError(error, QStringLiteral("no temporary directory: ") + dir.errorString());
        return std::nullopt;
    }
    QString wav = path;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("cannot read %1: %2").arg(path, input.errorString()));
        return std::nullopt;
    }
    if (input.peek(4) != "RIFF") {
        // Raw samples as the ALSA file plugin writes them: give atest a WAV around them.
        QByteArray pcm = input.readAll();
        pcm.truncate(pcm.size() & ~qsizetype(1));
        wav = dir.filePath(QStringLiteral("audio.wav"));
        if (!writeWavPcm(wav, pcm, error)) {
            return std::nullopt;
        }
    }
    input.close();
    const auto run = runTool(QStringLiteral("atest"), {wav}, {}, dir.path(), error);
    if (!run) {
        return std::nullopt;
    }
    const QString output = withoutTerminalColours(QString::fromLatin1(run->output));
    if (run->exitCode != 0) {
        setError(error, QStringLiteral("atest failed on %1:\n%2").arg(path, output));
        return std::nullopt;
    }
    // Each decoded frame is printed as "[0] N0CALL>CQ,RS0ISS*:Hello" ("[0.1] " with
    // several demodulators per channel).
    static const QRegularExpression decoded(QStringLiteral("^\\[\\d+(?:\\.\\d+)?\\] (.*)$"),
                                            QRegularExpression::MultilineOption);
    QStringList packets;
    for (auto it = decoded.globalMatch(output); it.hasNext();) {
        QString line = it.next().captured(1);
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        packets << line;
    }
    return packets;
}

std::optional<QString> decodeAprs(const QString& tnc2, QString* error) {
    const auto run = runTool(QStringLiteral("decode_aprs"), {}, tnc2.toLatin1() + '\n', {}, error);
    if (!run) {
        return std::nullopt;
    }
    const QString output = withoutTerminalColours(QString::fromLatin1(run->output));
    if (run->exitCode != 0) {
        setError(error, QStringLiteral("decode_aprs failed on '%1':\n%2").arg(tnc2, output));
        return std::nullopt;
    }
    return output;
}

QString withoutTerminalColours(const QString& text) {
    static const QRegularExpression escape(QStringLiteral("\x1b\\[[0-9;]*[A-Za-z]"));
    QString plain = text;
    return plain.remove(escape);
}

}  // namespace zeno::test
