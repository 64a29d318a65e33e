#include "config/systemtext.h"

#include "platform/platform.h"

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

}  // namespace zeno
