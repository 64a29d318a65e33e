// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/weblinks.h"

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "zenoversion.h"

namespace zeno {

void OpenWebLink(Platform& platform, Dialogs& dialogs, const QString& url) {
    const QString address = url.isEmpty() ? weblinks::kAuthorHome : url;
    if (!platform.openWebLink(address))
        dialogs.message(QStringLiteral("The desktop could not open the address:\r") + address,
                        kProgramTitle, MsgIcon::Exclamation);
}

QString authorMailLink() {
    // Each number with the blank a non-negative number is written with.
    const QString subject = QStringLiteral("ZENO v %1. %2. %3")
                                .arg(ProgramVersion::major)
                                .arg(ProgramVersion::minor)
                                .arg(ProgramVersion::revision);
    return QStringLiteral("mailto:") + weblinks::kAuthorMail + QStringLiteral("?subject=") +
           subject;
}

void MailAuthor(Platform& platform, Dialogs& dialogs) {
    OpenWebLink(platform, dialogs, authorMailLink());
}

}  // namespace zeno
