// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QObject;

namespace zeno {

enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

inline const QString kProgramTitle = QStringLiteral("ZENO");

struct FileRequest {
    QString title;
    QString directory;     // where the dialog starts
    QString proposedName;  // file name offered in the name box
    QStringList filters;   // "Text Files (*.txt)", ...
};

// Every box the program shows goes through here, so tests can script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MsgAnswer message(const QString& text, const QString& title = kProgramTitle,
                              MsgIcon icon = MsgIcon::None,
                              MsgButtons buttons = MsgButtons::Ok) = 0;
    // One-line input box; empty text on Cancel.
    virtual QString input(const QString& prompt, const QString& title = kProgramTitle,
                          const QString& defaultText = QString()) = 0;
    // Full path, or empty when cancelled.
    virtual QString openFileName(const FileRequest& request) = 0;
    virtual QString saveFileName(const FileRequest& request) = 0;
    // Colours are 24-bit RGB with red in the low byte; -1 when cancelled.
    virtual int chooseColor(int initialRgb) = 0;
    // A font family, or empty when cancelled.
    virtual QString chooseFont(const QString& currentFamily) = 0;

    // A Yes/No question that does not hold the program up: the box stays open while the event
    // loop runs on, and answered(yes) runs on the event loop once it is answered; nothing runs
    // when context is gone by then.
    virtual void askYesNoLater(const QString& text, const QString& title, MsgIcon icon,
                               QObject* context, std::function<void(bool yes)> answered) = 0;

    // The program is ending: a box open now closes as cancelled, and every box asked for from
    // now on answers as cancelled at once.
    virtual void cancelAll() {}

    bool askYesNo(const QString& text, const QString& title, MsgIcon icon = MsgIcon::Question) {
        return message(text, title, icon, MsgButtons::YesNo) == MsgAnswer::Yes;
    }
};

}  // namespace zeno
