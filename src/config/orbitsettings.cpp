// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/orbitsettings.h"

#include "files/textfiles.h"
#include "platform/apppath.h"

#include <QFile>
#include <QFileInfo>

namespace zeno {

namespace {

const QString kFileName = QStringLiteral("orbit.ini");
// A hand-edited file this long is not ours; it is not read.
constexpr qint64 kMaxFileSize = 16384;

const QString kTleKey = QStringLiteral("tle");
const QString kAltitudeKey = QStringLiteral("altitude");
const QString kMinElevationKey = QStringLiteral("minelevation");
const QString kMapKey = QStringLiteral("map");  // "longitude latitude zoom"

QByteArray fileText(const OrbitSettings& s) {
    return QStringLiteral("%1=%2\r\n%3=%4\r\n%5=%6\r\n%7=%8 %9 %10\r\n")
        .arg(kTleKey, s.tleAddress, kAltitudeKey, QString::number(s.altitudeM), kMinElevationKey,
             QString::number(s.minElevationDeg), kMapKey, QString::number(s.mapLongitude),
             QString::number(s.mapLatitude))
        .arg(s.mapZoom)
        .toUtf8();
}

OrbitSettings parse(const QString& text) {
    OrbitSettings s;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')) || equals < 1)
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == kTleKey) {
            if (!value.isEmpty())
                s.tleAddress = value;
        } else if (key == kAltitudeKey) {
            s.altitudeM = typedNumber(value, kMinAltitudeM, kMaxAltitudeM).value_or(0.0);
        } else if (key == kMinElevationKey) {
            s.minElevationDeg = typedNumber(value, 0, kMaxMinElevationDeg).value_or(0.0);
        } else if (key == kMapKey) {
            const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const auto lon = typedNumber(parts.value(0), -180, 180);
            const auto lat = typedNumber(parts.value(1), -90, 90);
            const auto zoom = typedNumber(parts.value(2), 1, 64);
            if (parts.size() == 3 && lon && lat && zoom) {
                s.mapLongitude = *lon;
                s.mapLatitude = *lat;
                s.mapZoom = *zoom;
            }
        }
    }
    return s;
}

}  // namespace

OrbitSettings loadOrbitSettings(const QString& appPath) {
    const QString path = appFile(appPath, kFileName);
    if (!QFileInfo::exists(path)) {
        replaceFile(path, fileText(OrbitSettings{}));
        return {};
    }
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

QString saveOrbitSettings(const QString& appPath, const OrbitSettings& settings) {
    return replaceFile(appFile(appPath, kFileName), fileText(settings));
}

std::optional<double> typedNumber(const QString& typed, double least, double most) {
    bool ok = false;
    const double value =
        QString(typed.trimmed()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !(value >= least && value <= most))
        return std::nullopt;
    return value;
}

}  // namespace zeno
