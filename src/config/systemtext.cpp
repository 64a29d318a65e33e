// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/systemtext.h"

#include "platform/platform.h"

#include <QSysInfo>
#include <QtGlobal>
#include <array>
#include <utility>

namespace zeno {

QString windowsName(const QString& versionText) {
    static const std::array<std::pair<QLatin1String, QLatin1String>, 5> kReleases = {{
        {QLatin1String("4.0"), QLatin1String("Windows 95")},
        {QLatin1String("4.1"), QLatin1String("Windows 98")},
        {QLatin1String("4.9"), QLatin1String("Windows Me")},
        {QLatin1String("5.0"), QLatin1String("Windows 2000")},
        {QLatin1String("5.1"), QLatin1String("Windows XP")},
    }};
    QString name;
    for (const auto& [prefix, release] : kReleases) {
        if (versionText.startsWith(prefix))
            name = release;  // a later match wins
    }
    return name;
}

QString detectwindows(const Platform& platform) {
    const QString version = platform.osVersion().trimmed();
    if (version.isEmpty())
        return QStringLiteral("Err detecting windows");
    QString name = windowsName(version);
    if (name.isEmpty())
        name = platform.osName();
    return version + QStringLiteral("  ") + name;
}

QString systemInfoText(const Platform& platform, const QString& engineText) {
    const QString engine = engineText.section(QChar(0), 0, 0).trimmed();
    return QStringLiteral("System: %1\rVersion: %2\rKernel: %3 %4\rQt: %5\rEngine: %6")
        .arg(platform.osName(), platform.osVersion(), QSysInfo::kernelType(),
             QSysInfo::kernelVersion(), QString::fromLatin1(qVersion()),
             engine.isEmpty() ? QStringLiteral("not started") : engine);
}

}  // namespace zeno
