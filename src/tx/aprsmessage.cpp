// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/aprsmessage.h"

namespace zeno {

namespace {

// A group of heard calls closes once it is this long.
constexpr int kHeardGroupLength = 65;

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

}  // namespace

QString messageInformation(const QString& addressee, const QString& text) {
    const QString field =
        withoutTrailingBlanks(addressee).left(kAddresseeLength).leftJustified(kAddresseeLength);
    return QLatin1Char(':') + field + QLatin1Char(':') + text;
}

QStringList heardListTexts(const QStringList& entries, const QString& ownCall, bool asBulletin,
                           const QString& tag) {
    const QString prefix = asBulletin ? QStringLiteral(":BLN0QSLs :") : QStringLiteral("Heard:");
    const QString own = ownCall.trimmed();
    QStringList texts;
    QString collected;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString entry = entries.at(i).trimmed();
        if (entry == own)
            continue;
        collected += entry + QLatin1Char(',');
        const bool last = i == entries.size() - 1;
        if (collected.size() >= kHeardGroupLength && !last) {
            texts << prefix + collected;
            collected.clear();
        }
    }
    if (!collected.isEmpty())
        texts << prefix + collected + tag;
    return texts;
}

}  // namespace zeno
