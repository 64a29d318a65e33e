#include "link/engineaddress.h"

#include "platform/apppath.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>

namespace zeno {

namespace {

const QString kFileName = QStringLiteral("engine.ini");
// Nobody writes an address file this long by hand; refuse to read a huge one.
constexpr qint64 kMaxFileSize = 4096;

constexpr qsizetype kMaxHostLength = 253;

// Host and port with valid values, "ack" optional, nothing else but blank and comment lines.
std::optional<EngineSettings> parse(const QString& text) {
    std::optional<QString> host;
    std::optional<quint16> port;
    bool acknowledge = true;
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
            if (!isValidEngineHost(value))
                return std::nullopt;
            host = value;
        } else if (key == QLatin1String("port")) {
            bool ok = false;
            const uint number = value.toUInt(&ok);
            if (!ok || number < 1 || number > 65535)
                return std::nullopt;
            port = quint16(number);
        } else if (key == QLatin1String("ack")) {
            if (value != QLatin1String("0") && value != QLatin1String("1"))
                return std::nullopt;
            acknowledge = value == QLatin1String("1");
        } else {
            return std::nullopt;
        }
    }
    if (!host || !port)
        return std::nullopt;
    return EngineSettings{EngineAddress{*host, *port}, acknowledge};
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

EngineSettings loadEngineSettings(const QString& appPath) {
    const QString path = appFile(appPath, kFileName);
    if (!QFileInfo::exists(path)) {
        writeDefaults(path);
        return {};
    }
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromLatin1(file.readAll())).value_or(EngineSettings{});
}

EngineAddress loadEngineAddress(const QString& appPath) {
    return loadEngineSettings(appPath).address;
}

QString saveEngineSettings(const QString& appPath, const EngineSettings& settings) {
    QSaveFile file(appFile(appPath, kFileName));
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(QStringLiteral("host=%1\r\nport=%2\r\nack=%3\r\n")
                   .arg(settings.address.host)
                   .arg(settings.address.port)
                   .arg(settings.acknowledgeMessages ? 1 : 0)
                   .toLatin1());
    if (!file.commit())
        return file.errorString();
    return {};
}

bool isValidEngineHost(const QString& host) {
    if (host.isEmpty() || host.size() > kMaxHostLength)
        return false;
    return std::all_of(host.cbegin(), host.cend(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || QStringView(u".-_:").contains(c);
    });
}

}  // namespace zeno
