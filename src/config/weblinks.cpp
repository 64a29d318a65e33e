#include "config/weblinks.h"

#include "platform/platform.h"
#include "zenoversion.h"

namespace zeno {

void OpenWebLink(Platform& platform, const QString& url) {
    platform.openWebLink(url.isEmpty() ? weblinks::kAuthorHome : url);
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

void MailAuthor(Platform& platform) { platform.openWebLink(authorMailLink()); }

}  // namespace zeno
