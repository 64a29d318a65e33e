// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

class Dialogs;
class Platform;

// ZENO's own web pages and the author's address. zeno.example.org stands in until the project
// has pages of its own (the README says so).
namespace weblinks {
inline const QString kProgramPage = QStringLiteral("https://zeno.example.org/");
inline const QString kSupportGroup = QStringLiteral("https://zeno.example.org/support/");
inline const QString kAuthorSoftware = QStringLiteral("https://zeno.example.org/software/");
inline const QString kAuthorHome = QStringLiteral("https://zeno.example.org/qz9zzz/");
inline const QString kAuthorMail = QStringLiteral("qz9zzz@zeno.example.org");
}  // namespace weblinks

// Opens a web address with the system's handler; an empty address is the author's home page.
// When the desktop cannot open it, a box says so.
void OpenWebLink(Platform& platform, Dialogs& dialogs, const QString& url);

// "mailto:" the author with the subject "ZENO v 3. 0. 1".
QString authorMailLink();
void MailAuthor(Platform& platform, Dialogs& dialogs);

}  // namespace zeno
