// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace zeno {

// The terminal's controls, one struct per frame, each control named by its objectName. The
// window is made of them, so the names stay reachable as members of Form4 (connected mode
// and outside checks read form4->Text1, Command1 ...).

// The conversation and the buttons over it.
struct ConversationFrame {
    QGroupBox* Frame1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;   // the conversation
    QToolButton* Command1 = nullptr;   // Disconnect
    QToolButton* Command2 = nullptr;   // Copy
    QPushButton* Command3 = nullptr;   // Save...
    QPushButton* Command4 = nullptr;   // Print...
    QPushButton* Command12 = nullptr;  // Options menu
};

struct PromptFrame {
    QGroupBox* Frame2 = nullptr;  // "Prompt"
    QLineEdit* Text2 = nullptr;   // the typing line
};

// The mailbox notes.
struct NotesFrame {
    QGroupBox* Frame3 = nullptr;       // "Options"
    QToolButton* Command9 = nullptr;   // mailbox notes 1
    QToolButton* Command10 = nullptr;  // mailbox notes 2
};

// The prepared texts, the notebook and what was sent, under the prompt.
struct SendTextRow {
    QPushButton* Command5 = nullptr;   // Send Text 1
    QPushButton* Command7 = nullptr;   // Send Text 2
    QPushButton* Command11 = nullptr;  // Send Text 3
    QPushButton* Command6 = nullptr;   // Send Text File...
    QPushButton* Command8 = nullptr;   // NoteBook
    QPlainTextEdit* Text3 = nullptr;   // what was sent
};

// The pop-up menus: "Options" and one "Edit" menu on each send-text button.
struct TerminalMenus {
    QMenu* menueditfile = nullptr;
    std::array<QAction*, 3> editsendops = {};  // editsendop1 .. 3
    std::array<QAction*, 3> bbs = {};          // bbs0 .. bbs2
    QAction* editconnectscreen = nullptr;      // "Enable Screen to Edit"
    QAction* menuexitpopup = nullptr;
    std::array<QMenu*, 3> editsends = {};         // "Edit1" .. "Edit3"
    std::array<QAction*, 3> editsend = {};        // editsend1 .. 3
    std::array<QAction*, 3> menuexitpopups = {};  // menuexitpopup1 .. 3
};

struct Form4Controls : ConversationFrame, PromptFrame, NotesFrame, SendTextRow, TerminalMenus {};

}  // namespace zeno
