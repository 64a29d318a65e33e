// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace zeno {

class ClickableLabel;
class Dialogs;
class LogoPicture;
class Platform;

// The About box ("frm" = form): the program's name, version and purpose, links to ZENO's web
// pages and the author, and the system information. Modal; it deletes itself when closed.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // engineText: the engine's start-up text, for the system information.
    frmAbout(Dialogs& dialogs, Platform& platform, const QString& engineText,
             QWidget* parent = nullptr);

    LogoPicture* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;  // "Version 3.0.1"
    QLabel* lblDescription = nullptr;
    QLabel* lblLicense = nullptr;         // free software, GPL-3.0-or-later
    ClickableLabel* lblWeb = nullptr;     // ZENO's web page
    ClickableLabel* lblAuthor = nullptr;  // the author's home page
    ClickableLabel* lblMail = nullptr;    // mail to the author
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

public slots:
    void cmdOK_Click();
    // The system's name, version and kernel, the Qt version and the engine's start-up text.
    void cmdSysInfo_Click();

private:
    Dialogs& dialogs_;
    Platform& platform_;
    QString engineText_;
};

}  // namespace zeno
