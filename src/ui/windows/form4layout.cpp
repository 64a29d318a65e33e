// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/form4layout.h"

#include "platform/units.h"
#include "ui/common/controls.h"
#include "ui/common/hintfit.h"
#include "ui/common/widgets.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace zeno {

namespace {

using namespace controls;

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void buildConversation(QWidget* w, ConversationFrame& c) {
    c.Frame1 = frame(w, "Frame1", QString());
    c.Text1 = textArea(c.Frame1, "Text1");
    c.Text1->setReadOnly(true);
    const QStyle* style = w->style();
    c.Command1 = pictureButton(c.Frame1, "Command1", style->standardIcon(QStyle::SP_BrowserStop),
                               QStringLiteral("Disconnect"));
    c.Command2 = pictureButton(c.Frame1, "Command2", style->standardIcon(QStyle::SP_FileIcon),
                               QStringLiteral("Copy selected text to Clipboard"));
    c.Command3 = button(c.Frame1, "Command3", QStringLiteral("Save..."),
                        QStringLiteral("Save all or selected text to disk"));
    c.Command4 = button(c.Frame1, "Command4", QStringLiteral("Print..."),
                        QStringLiteral("Print all or the selected text"));
    c.Command12 = button(c.Frame1, "Command12", QStringLiteral("Options"));
}

void buildNotes(QWidget* w, NotesFrame& c) {
    c.Frame3 = frame(w, "Frame3", QStringLiteral("Options"));
    const QIcon info = w->style()->standardIcon(QStyle::SP_MessageBoxInformation);
    const QString infoTip = QStringLiteral("Info about PMS, BBS, commands...");
    c.Command9 = pictureButton(c.Frame3, "Command9", info, infoTip);
    c.Command10 = pictureButton(c.Frame3, "Command10", info, infoTip);
}

void buildSendTexts(QWidget* w, SendTextRow& c) {
    c.Command5 = button(w, "Command5", QStringLiteral("Send Text 1"));
    c.Command7 = button(w, "Command7", QStringLiteral("Send Text 2"));
    c.Command11 = button(w, "Command11", QStringLiteral("Send Text 3"));
    c.Command6 = button(w, "Command6", QStringLiteral("Send Text File..."),
                        QStringLiteral("Send any ASCII File"));
    c.Command8 = button(w, "Command8", QStringLiteral("NoteBook"));
    c.Text3 = textArea(w, "Text3");
    c.Text3->setToolTip(QStringLiteral("History of sended strings"));
}

void buildMenus(QWidget* w, TerminalMenus& c) {
    c.menueditfile = new QMenu(QStringLiteral("Options"), w);
    c.menueditfile->setObjectName(QStringLiteral("menueditfile"));
    const char* editNames[] = {"editsendop1", "editsendop2", "editsendop3"};
    const char* menuNames[] = {"editsends1", "editsends2", "editsends3"};
    const char* sendNames[] = {"editsend1", "editsend2", "editsend3"};
    const char* exitNames[] = {"menuexitpopup1", "menuexitpopup2", "menuexitpopup3"};
    for (int i = 0; i < 3; ++i) {
        const QString caption = QStringLiteral("Edit Send Text %1").arg(i + 1);
        c.editsendops[i] = item(c.menueditfile, editNames[i], caption);
        c.editsends[i] = new QMenu(QStringLiteral("Edit%1").arg(i + 1), w);
        c.editsends[i]->setObjectName(QLatin1String(menuNames[i]));
        c.editsend[i] = item(c.editsends[i], sendNames[i], caption);
        c.menuexitpopups[i] = item(c.editsends[i], exitNames[i], QStringLiteral("Exit menu"));
    }
    c.menueditfile->addSeparator();
    const char* bbsNames[] = {"bbs0", "bbs1", "bbs2"};
    const QString bbsCaptions[] = {QStringLiteral("BBS Enabled"), QStringLiteral("BBS Disabled"),
                                   QStringLiteral("BBS Password Protected")};
    for (int i = 0; i < 3; ++i) {
        c.bbs[i] = item(c.menueditfile, bbsNames[i], bbsCaptions[i]);
        c.bbs[i]->setCheckable(true);
    }
    c.menueditfile->addSeparator();
    c.editconnectscreen =
        item(c.menueditfile, "editconnectscreen", QStringLiteral("Enable Screen to Edit"));
    c.editconnectscreen->setCheckable(true);
    c.menueditfile->addSeparator();
    c.menuexitpopup = item(c.menueditfile, "menuexitpopup", QStringLiteral("Exit menu"));
}

}  // namespace

void buildForm4Layout(QWidget* window, Form4Controls& c) {
    buildConversation(window, c);
    c.Frame2 = frame(window, "Frame2", QStringLiteral("Prompt"));
    c.Text2 = textBox(c.Frame2, "Text2", QString());
    buildNotes(window, c);
    buildSendTexts(window, c);
    const QFont fixed = fontForFamily(QStringLiteral("Fixedsys"));
    for (QWidget* box : std::initializer_list<QWidget*>{c.Text1, c.Text2, c.Text3})
        box->setFont(fixed);
    buildMenus(window, c);
}

void placeForm4Controls(QWidget* window, Form4Controls& c) {
    const QRect outer = window->frameGeometry();
    const double width = pixelsToTwips(outer.width());
    const double height = pixelsToTwips(outer.height());
    if (width <= 2000 || height <= 2000)
        return;
    const double frame1Width = width - 120;
    const double frame1Height = height - 1900;
    placeTwips(c.Frame1, {0, 0, frame1Width, frame1Height});
    placeTwips(c.Text1, {115, 780, frame1Width - 230, frame1Height - 920});
    placeTwips(c.Command1, {120, 260, 420, 420});
    placeTwips(c.Command2, {580, 260, 420, 420});
    placeTwips(c.Command3, {1060, 260, 1000, 420});
    placeTwips(c.Command4, {2100, 260, 1000, 420});
    // Right-aligned: as wide as its caption needs, at least the design's 1000.
    const double optionsWidth = qMax(1000, pixelsToTwips(c.Command12->sizeHint().width()));
    placeTwips(c.Command12, {frame1Width - 120 - optionsWidth, 260, optionsWidth, 420});

    // The typing line and the mailbox notes below the conversation, the prepared texts and
    // the history under them.
    const double promptTop = frame1Height + 20;
    const double notesWidth = 1440;
    placeTwips(c.Frame2, {0, promptTop, frame1Width - notesWidth - 40, 620});
    placeTwips(c.Text2, {120, 240, frame1Width - notesWidth - 280, 320});
    placeTwips(c.Frame3, {frame1Width - notesWidth, promptTop, notesWidth, 620});
    placeTwips(c.Command9, {150, 220, 540, 360});
    placeTwips(c.Command10, {750, 220, 540, 360});
    const double rowTop = promptTop + 660;
    double left = 0;
    for (QPushButton* b : {c.Command5, c.Command7, c.Command11, c.Command6, c.Command8}) {
        const double buttonWidth = b == c.Command6 ? 1600 : 1200;
        placeTwips(b, {left, rowTop, buttonWidth, 420});
        left += buttonWidth + 40;
    }
    placeTwips(c.Text3, {left, rowTop, qMax(600.0, frame1Width - left), 560});
    fitToHints(window);
}

}  // namespace zeno
