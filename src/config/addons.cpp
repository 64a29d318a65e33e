// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/addons.h"

#include "platform/apppath.h"
#include "platform/platform.h"

#include <QFile>

namespace zeno {

namespace {

// An add-on file holds three short lines; anything past this is not read.
constexpr qint64 kLineLimit = 4096;

QString readLine(QFile& file) {
    QByteArray line = file.readLine(kLineLimit);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromLatin1(line);
}

}  // namespace

AddOns readAddOns(const QString& appPath) {
    AddOns addOns;
    for (int slot = 1; slot <= kAddOnSlots; ++slot) {
        QFile file(appFile(appPath, QStringLiteral("\\ZENOAddOn%1.bin").arg(slot)));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        AddOn addOn;
        addOn.token = readLine(file);
        addOn.caption = readLine(file);
        addOn.program = readLine(file);
        addOns[slot - 1] = addOn;
    }
    return addOns;
}

bool runAddOn(const AddOn& addOn, const QString& appPath, Platform& platform) {
    QStringList arguments;
    if (!addOn.token.isEmpty())
        arguments << addOn.token;
    return platform.runProgram(appFile(appPath, addOn.program), arguments);
}

QString addOnFailureText(const AddOn& addOn) {
    return QStringLiteral("Could not found AddOn ") + addOn.caption;
}

}  // namespace zeno
