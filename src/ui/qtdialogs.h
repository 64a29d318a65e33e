#pragma once

#include "platform/dialogs.h"

namespace zeno {

// The real dialogs: Qt message boxes, input boxes, file, colour and font dialogs, shown
// over the active window.
class QtDialogs : public Dialogs {
public:
    MsgAnswer message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;
    int chooseColor(int initialRgb) override;
    QString chooseFont(const QString& currentFamily) override;
};

}  // namespace zeno
