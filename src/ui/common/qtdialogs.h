// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QPointer>
#include <QRgb>
#include <array>

class QMessageBox;

namespace zeno {

// The real dialogs: Qt message boxes, input boxes, file, colour and font dialogs, shown
// over the active window. With the logging rule "zeno.dialogs.debug=true" each box is
// announced on the error output when it opens.
class QtDialogs : public Dialogs {
public:
    QtDialogs();
    void cancelAll() override;
    MsgAnswer message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override;
    // A window-modal box on the main window.
    void askYesNoLater(const QString& text, const QString& title, MsgIcon icon, QObject* context,
                       std::function<void(bool yes)> answered) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;
    int chooseColor(int initialRgb) override;
    QString chooseFont(const QString& currentFamily) override;

private:
    bool cancelled_ = false;
    QList<QPointer<QMessageBox>> openLater_;  // the questions not yet answered
    // The colour dialog's 16 custom colours, kept from one colour choice to the next.
    std::array<QRgb, 16> customColors_;
};

}  // namespace zeno
