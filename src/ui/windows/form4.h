// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/monitorbox.h"
#include "ui/windows/form4controls.h"

#include <QString>
#include <QWidget>
#include <memory>

namespace zeno {

struct AppState;
class Connection;
class Dialogs;
class Platform;

// The connected-mode terminal: the conversation, the typing line, what was sent, the prepared
// texts, the mailbox notes and the switch for the remote commands. Connected mode feeds it;
// everything it sends goes through the connection. Closing it unloads it (it deletes itself).
// Its controls are its public members, by their names.
class Form4 : public QWidget, public Form4Controls {
    Q_OBJECT
public:
    Form4(AppState& state, Connection& connection, Dialogs& dialogs, Platform& platform,
          QWidget* parent = nullptr);
    ~Form4() override;

    bool DisconnectPressed = false;

    // The conversation and the history as the program counts them (CR LF line ends).
    MonitorTextBox& conversation() { return *text1Box_; }
    MonitorTextBox& history() { return *text3Box_; }
    // Text at the end of the box, scrolled into view.
    void showInConversation(const QString& text);
    void showInHistory(const QString& text);

public slots:
    void Form_Load();
    void Form_Activate();  // greets a station that connected
    void Form_Resize();
    void Text2_KeyPress(int KeyAscii);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void bbs_Click(int Index);       // bbs0 .. bbs2: the BBS mode
    void editsend_Click(int Index);  // editsend1 .. 3 (and editsendop1 .. 3)
    void editconnectscreen_Click();
    void menuexitpopup_Click();

signals:
    // A notebook button: the program's notebook window on this file, with this caption
    // (empty: the notebook's own).
    void notebookRequested(const QString& path, const QString& caption);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void wireEvents();
    void showBbsMode();
    void sendTextFile(int number);
    void openNotebook(int which);
    QString selectedText() const;

    AppState& state_;
    Connection& connection_;
    Dialogs& dialogs_;
    Platform& platform_;
    std::unique_ptr<MonitorTextBox> text1Box_;
    std::unique_ptr<MonitorTextBox> text3Box_;
};

}  // namespace zeno
