// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/addons.h"
#include "ui/main/sidecontext.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;

namespace zeno {

class Editor;
class HelpWindow;
class frmAbout;

// The main window's utilities: the notebook, the add-ons of the Extra menu, the manual (F1 in
// any window opens it at that window's section) and the About box. Owns the Extra menu.
class UtilitySide : public QObject {
    Q_OBJECT
public:
    UtilitySide(const SideContext& context, QMenu* menuextra, const QList<QAction*>& menuextras);
    ~UtilitySide() override;

    // Reads the add-on files and shows the Extra menu with their items when there are any.
    void ZENOAddOns();
    // Starts the add-on of an Extra menu item (0 to 4).
    void runAddOn(int item);

    // Shows the notebook; a file given becomes the notebook's file and is loaded, under the
    // caption given (else the notebook's own).
    void openNotebook(const QString& file = QString(), const QString& caption = QString());
    Editor* notebook() const;
    // At the end of the program: unsaved notebook text is offered for saving, else kept aside.
    void keepNotebookChanges();

    // The manual at a section; empty means its contents.
    void showHelp(const QString& section = QString());
    void OpenWebLink(const QString& url);
    void showAbout();

protected:
    // F1 anywhere in the program.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SideContext context_;
    QMenu* menuextra_;
    QList<QAction*> menuextras_;
    AddOns addOns_;
    QPointer<Editor> notebook_;
    QPointer<HelpWindow> help_;
    QPointer<frmAbout> about_;
};

}  // namespace zeno
