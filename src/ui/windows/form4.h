#pragma once

#include "ui/common/monitorbox.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace zeno {

struct AppState;
class Connection;
class Dialogs;
class Platform;

// The connected-mode terminal: the conversation, the typing line, what was sent, the prepared
// texts, the mailbox notes and the switch for the remote commands. Connected mode feeds it;
// everything it sends goes through the connection. Closing it unloads it (it deletes itself).
class Form4 : public QWidget {
    Q_OBJECT
public:
    Form4(AppState& state, Connection& connection, Dialogs& dialogs, Platform& platform,
          QWidget* parent = nullptr);
    ~Form4() override;

    QGroupBox* Frame1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;   // the conversation
    QGroupBox* Frame2 = nullptr;       // "Prompt"
    QLineEdit* Text2 = nullptr;        // the typing line
    QPlainTextEdit* Text3 = nullptr;   // what was sent
    QGroupBox* Frame3 = nullptr;       // "Options"
    QToolButton* Command1 = nullptr;   // Disconnect
    QToolButton* Command2 = nullptr;   // Copy
    QPushButton* Command3 = nullptr;   // Save...
    QPushButton* Command4 = nullptr;   // Print...
    QPushButton* Command5 = nullptr;   // Send Text 1
    QPushButton* Command6 = nullptr;   // Send Text File...
    QPushButton* Command7 = nullptr;   // Send Text 2
    QPushButton* Command8 = nullptr;   // NoteBook
    QToolButton* Command9 = nullptr;   // mailbox notes 1
    QToolButton* Command10 = nullptr;  // mailbox notes 2
    QPushButton* Command11 = nullptr;  // Send Text 3
    QPushButton* Command12 = nullptr;  // Options menu
    QMenu* menueditfile = nullptr;
    std::array<QMenu*, 3> editsends = {};  // "Edit1" .. "Edit3" on the send-text buttons
    std::array<QAction*, 3> bbs = {};      // bbs0 .. bbs2
    QAction* editconnectscreen = nullptr;  // "Enable Screen to Edit"
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
    void buildControls();
    void buildMenus();
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
