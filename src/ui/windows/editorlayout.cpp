// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/editorlayout.h"

#include "ui/common/controls.h"
#include "ui/common/widgets.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeno {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QWidget* buildToolbar(QWidget* window, EditorToolbar& c) {
    auto* bar = new QWidget(window);
    bar->setObjectName(QStringLiteral("toolbar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    const struct {
        QToolButton* EditorToolbar::*button;
        const char* name;
        const char* theme;
        QStyle::StandardPixmap fallback;
        const char* tip;
    } buttons[] = {
        {&EditorToolbar::Command8, "Command8", "document-open", QStyle::SP_DialogOpenButton,
         "Open File..."},
        {&EditorToolbar::Command1, "Command1", "document-save", QStyle::SP_DialogSaveButton,
         "Save"},
        {&EditorToolbar::Command2, "Command2", "document-print", QStyle::SP_ComputerIcon,
         "Print..."},
        {&EditorToolbar::Command3, "Command3", "edit-cut", QStyle::SP_DialogDiscardButton, ""},
        {&EditorToolbar::Command4, "Command4", "edit-copy", QStyle::SP_FileLinkIcon, "Copy"},
        {&EditorToolbar::Command5, "Command5", "edit-paste", QStyle::SP_DialogApplyButton, "Paste"},
        {&EditorToolbar::Command6, "Command6", "edit-find", QStyle::SP_FileDialogContentsView,
         "Find..."},
        {&EditorToolbar::Command7, "Command7", "x-office-calendar", QStyle::SP_FileDialogInfoView,
         "Insert Time/Date"},
        {&EditorToolbar::Command10, "Command10", "format-text-uppercase", QStyle::SP_ArrowUp,
         "Make selected text in upper Caps"},
        {&EditorToolbar::Command9, "Command9", "format-text-lowercase", QStyle::SP_ArrowDown,
         "Make selected text in lower Caps"},
    };
    for (const auto& b : buttons) {
        c.*b.button = controls::pictureButton(bar, b.name, themedIcon(b.theme, b.fallback),
                                              QLatin1String(b.tip));
        row->addWidget(c.*b.button);
    }
    row->addStretch();
    c.toolbar = bar;
    return bar;
}

void buildFileMenu(QMenuBar* bar, EditorFileMenu& c) {
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    c.menunoteopen = item(file, "menunoteopen", QStringLiteral("Open..."));
    c.menuopslaan = item(file, "menuopslaan", QStringLiteral("Save"));
    file->addSeparator();
    QMenu* print = file->addMenu(QStringLiteral("&Print"));
    c.mnuafdrukalles = item(print, "mnuafdrukalles", QStringLiteral("All"));
    c.mnuafdrukselect = item(print, "mnuafdrukselect", QStringLiteral("Only selected text"));
    file->addSeparator();
    c.menuexit = item(file, "menuexit", QStringLiteral("Exit"));
}

void buildEditMenu(QMenuBar* bar, EditorEditMenu& c) {
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    c.Cutmenu = item(edit, "Cutmenu", QStringLiteral("Cut"));
    c.copymenu = item(edit, "copymenu", QStringLiteral("Copy"));
    c.pastemenu = item(edit, "pastemenu", QStringLiteral("Paste"));
    c.verwijdermenu = item(edit, "verwijdermenu", QStringLiteral("Delete"));
    edit->addSeparator();
    c.menuselectall = item(edit, "menuselectall", QStringLiteral("Select All"));
    c.menuclear = item(edit, "menuclear", QStringLiteral("Clear All"));
    edit->addSeparator();
    c.menucapsU = item(edit, "menucapsU", QStringLiteral("To Upper Caps"));
    c.menucapsL = item(edit, "menucapsL", QStringLiteral("To Lower Caps"));
}

void buildInsertAndFindMenus(QMenuBar* bar, EditorInsertMenu& c, EditorFindMenu& f) {
    QMenu* insert = bar->addMenu(QStringLiteral("&Insert"));
    c.menuline1 = item(insert, "menuline1", QStringLiteral("Horizontal Line Style 1"));
    c.menuline2 = item(insert, "menuline2", QStringLiteral("Horizontal Line Style 2"));
    insert->addSeparator();
    c.menudatum = item(insert, "menudatum", QStringLiteral("Date"));
    c.menutijd = item(insert, "menutijd", QStringLiteral("Time"));
    c.menutimedate = item(insert, "menutimedate", QStringLiteral("Time/Date"));

    QMenu* find = bar->addMenu(QStringLiteral("&Find"));
    f.NedHelpZoeken = item(find, "NedHelpZoeken", QStringLiteral("Find..."));
    f.NedHelpZoekVerder = item(find, "NedHelpZoekVerder", QStringLiteral("Find Next"));
    f.NedHelpZoekVerder->setEnabled(false);
}

void buildOptionsMenu(QMenuBar* bar, EditorOptionsMenu& c) {
    QMenu* options = bar->addMenu(QStringLiteral("Opties"));
    QMenu* font = options->addMenu(QStringLiteral("&Font"));
    const QStringList fontItems = {QString(),
                                   QStringLiteral("Karakters &8.25"),
                                   QStringLiteral("Karakters &10"),
                                   QStringLiteral("Karakter 12"),
                                   QString(),
                                   QStringLiteral("MS &Sans Serif"),
                                   QStringLiteral("&Times New Roman"),
                                   QStringLiteral("&Courier"),
                                   QStringLiteral("Standaard")};
    c.karaktermenu << nullptr;
    for (int i = 1; i < fontItems.size(); ++i) {
        QAction* action =
            fontItems[i].isEmpty() ? font->addSeparator() : font->addAction(fontItems[i]);
        action->setObjectName(QStringLiteral("karaktermenu_%1").arg(i));
        action->setCheckable(!action->isSeparator());
        c.karaktermenu << action;
    }
    QMenu* background = options->addMenu(QStringLiteral("&Achtergrondkleur"));
    const QStringList backgroundItems = {QStringLiteral("&Wit"), QStringLiteral("&Geel"),
                                         QStringLiteral("&Grijs")};
    for (int i = 0; i < backgroundItems.size(); ++i) {
        QAction* action = background->addAction(backgroundItems[i]);
        action->setObjectName(QStringLiteral("editorbkkleur_%1").arg(i));
        action->setCheckable(true);
        c.editorbkkleur << action;
    }
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    c.menuhelpedit = item(help, "menuhelpedit", QStringLiteral("Help"));
}

}  // namespace

void buildEditorLayout(QWidget* window, QPlainTextEdit* text, EditorControls& c) {
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QMenuBar(window);
    layout->setMenuBar(bar);
    buildFileMenu(bar, c.file);
    buildEditMenu(bar, c.edit);
    buildInsertAndFindMenus(bar, c.insert, c.find);
    buildOptionsMenu(bar, c.options);
    layout->addWidget(buildToolbar(window, c.toolbar));
    layout->addWidget(text);
}

}  // namespace zeno
