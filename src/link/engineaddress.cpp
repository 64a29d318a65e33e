// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/engineaddress.h"

#include "link/linkstatus.h"
#include "platform/apppath.h"
#include "platform/replacefile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace zeno {

namespace {

const QString kFileName = QStringLiteral("engine.ini");
// Nobody writes an address file this long by hand; refuse to read a huge one.
constexpr qint64 kMaxFileSize = 4096;

constexpr qsizetype kMaxHostLength = 253;

// The defaults, with why the file's values are not used and what it said of host and port.
EngineSettings defaultsBecause(const QString& why, const QString& host = EngineAddress{}.host,
                               const QString& port = QString::number(EngineAddress{}.port)) {
    EngineSettings defaults;
    defaults.problem = EngineFileProblem{
        QStringLiteral("engine.ini %1: using %2").arg(why, engineAddressText(defaults.address)),
        host, port};
    return defaults;
}

QByteArray fileText(const EngineSettings& settings, bool withAck) {
    QString text = QStringLiteral("host=%1\r\nport=%2\r\n")
                       .arg(settings.address.host)
                       .arg(settings.address.port);
    if (withAck)
        text += QStringLiteral("ack=%1\r\n").arg(settings.acknowledgeMessages ? 1 : 0);
    return text.toLatin1();
}

}  // namespace

EngineSettings readEngineFile(QByteArrayView bytes) {
    const EngineAddress defaults;
    QString host = defaults.host;  // as written, for the setup dialog
    QString port = QString::number(defaults.port);
    bool hostRead = false;
    std::optional<quint16> portNumber;
    bool acknowledge = true;
    int badLine = 0;  // the first line that could not be used
    int lineNumber = 0;
    for (const QString& rawLine : QString::fromLatin1(bytes).split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = equals < 0 ? QString() : line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        bool understood = false;
        if (key == QLatin1String("host")) {
            host = value;
            hostRead = understood = isValidEngineHost(value);
        } else if (key == QLatin1String("port")) {
            port = value;
            bool ok = false;
            const uint number = value.toUInt(&ok);
            understood = ok && number >= 1 && number <= 65535;
            portNumber = understood ? std::optional<quint16>(quint16(number)) : std::nullopt;
        } else if (key == QLatin1String("ack")) {
            understood = value == QLatin1String("0") || value == QLatin1String("1");
            acknowledge = value != QLatin1String("0");
        }
        if (!understood && badLine == 0)
            badLine = lineNumber;
    }
    if (badLine > 0)
        return defaultsBecause(QStringLiteral("line %1 not understood").arg(badLine), host, port);
    if (!hostRead)
        return defaultsBecause(QStringLiteral("has no host line"), host, port);
    if (!portNumber)
        return defaultsBecause(QStringLiteral("has no port line"), host, port);
    return EngineSettings{EngineAddress{host, *portNumber}, acknowledge, std::nullopt};
}

EngineSettings loadEngineSettings(const QString& appPath) {
    const QString path = appFile(appPath, kFileName);
    const QFileInfo info(path);
    if (!info.exists()) {
        const QString error = replaceFile(path, fileText(EngineSettings{}, false));
        return error.isEmpty()
                   ? EngineSettings{}
                   : defaultsBecause(QStringLiteral("could not be written (%1)").arg(error));
    }
    if (info.size() > kMaxFileSize)
        return defaultsBecause(QStringLiteral("is larger than %1 bytes").arg(kMaxFileSize));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return defaultsBecause(QStringLiteral("could not be read (%1)").arg(file.errorString()));
    return readEngineFile(file.readAll());
}

QString saveEngineSettings(const QString& appPath, const EngineSettings& settings) {
    return replaceFile(appFile(appPath, kFileName), fileText(settings, true));
}

bool isValidEngineHost(const QString& host) {
    if (host.isEmpty() || host.size() > kMaxHostLength)
        return false;
    return std::all_of(host.cbegin(), host.cend(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || QStringView(u".-_:").contains(c);
    });
}

}  // namespace zeno
