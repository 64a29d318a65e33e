#include "link/engineaddress.h"

#include "platform/apppath.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace zeno {

namespace {

const QString kFileName = QStringLiteral("engine.ini");
// Nobody writes an address file this long by hand; refuse to read a huge one.
constexpr qint64 kMaxFileSize = 4096;

// Both keys with valid values, nothing else but blank and comment lines.
std::optional<EngineAddress> parse(const QString& text) {
    std::optional<QString> host;
    std::optional<quint16> port;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return std::nullopt;
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("host")) {
            if (value.isEmpty() || value.contains(QLatin1Char(' ')))
                return std::nullopt;
            host = value;
        } else if (key == QLatin1String("port")) {
            bool ok = false;
            const uint number = value.toUInt(&ok);
            if (!ok || number < 1 || number > 65535)
                return std::nullopt;
            port = quint16(number);
        } else {
            return std::nullopt;
        }
    }
    if (!host || !port)
        return std::nullopt;
    return EngineAddress{*host, *port};
}

void writeDefaults(const QString& path) {
    const EngineAddress defaults;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(
        QStringLiteral("host=%1\r\nport=%2\r\n").arg(defaults.host).arg(defaults.port).toLatin1());
}

}  // namespace

EngineAddress loadEngineAddress(const QString& appPath) {
    const QString path = appFile(appPath, kFileName);
    if (!QFileInfo::exists(path)) {
        writeDefaults(path);
        return {};
    }
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromLatin1(file.readAll())).value_or(EngineAddress{});
}

}  // namespace zeno
