// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/filedialogs.h"
#include "files/notebooktext.h"
#include "ui/windows/editorcontrols.h"

#include <QString>
#include <QWidget>
#include <memory>

class QPlainTextEdit;

namespace zeno {

class Dialogs;
class Platform;

// The notebook window ("Editor", titled "Your Notebook"): one plain-text file with a toolbar,
// menus to edit, insert, find, print and save it, and a question before unsaved changes go.
// Whenever it becomes active without unsaved changes it reads its file again, so changes made
// to the file elsewhere show up.
class Editor : public QWidget, private OpenTextTargets {
    Q_OBJECT
public:
    // The longest text it loads; a longer file is cut with a warning line.
    static constexpr int kLoadLimit = kNotebookLoadLimit;

    // A notebook on the desktop's own services (clipboard, printer, clock) with file dialogs
    // of its own.
    explicit Editor(Dialogs& dialogs, QWidget* parent = nullptr);
    // A notebook on the program's services, sharing its file-dialog state.
    Editor(Dialogs& dialogs, Platform& platform, FileDialogState& files, QWidget* parent = nullptr);
    ~Editor() override;

    QPlainTextEdit* Text1 = nullptr;  // the edit box

    // Makes path the notebook's file and shows its text (a missing or unreadable file shows
    // nothing), marked unchanged.
    void loadFile(const QString& path);
    QString currentFile() const { return file_; }
    bool isChanged() const { return changed_; }
    // Unsaved text: the save question; unless the operator saves, a copy goes to the file's
    // name + ".unsaved", so typed notes are never lost. Afterwards the text counts as saved.
    void keepChanges();
    // The monitor's colours, taken each time the window becomes active.
    void setMonitorColors(int headerRgb, int screenRgb);

public slots:
    void Form_Activate();  // loads the file again, unless the text has unsaved changes

    // File
    void menunoteopen_Click();     // Open...
    void menuopslaan_Click();      // Save ("opslaan")
    void mnuafdrukalles_Click();   // print all ("afdrukken")
    void mnuafdrukselect_Click();  // print the selection
    void menuexit_Click();
    // Edit
    void Cutmenu_Click();
    void copymenu_Click();
    void pastemenu_Click();
    void verwijdermenu_Click();  // Delete ("verwijderen")
    void menuselectall_Click();
    void menuclear_Click();  // Clear All
    void menucapsU_Click();  // To Upper Caps
    void menucapsL_Click();  // To Lower Caps
    // Insert
    void menuline1_Click();     // a line of underscores
    void menuline2_Click();     // a line of hyphens
    void menudatum_Click();     // date ("datum")
    void menutijd_Click();      // time ("tijd")
    void menutimedate_Click();  // time and date
    // Find
    void NedHelpZoeken_Click();      // Find... ("zoeken")
    void NedHelpZoekVerder_Click();  // Find Next ("zoek verder")
    // Options
    void karaktermenu_Click(int Index);   // font size 1-3, font 5-8 ("karakters")
    void editorbkkleur_Click(int Index);  // background 0 white, 1 yellow, 2 grey ("kleur")
    void menuhelpedit_Click();            // the manual, as F1

signals:
    // "Open..." made another file the notebook's file.
    void currentFileChanged(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Editor(Dialogs& dialogs, Platform* platform, FileDialogState* files, QWidget* parent);
    void wireEvents();
    void readFile();
    void applyMonitorColors();
    void edited() { changed_ = true; }
    QString selection() const;
    void replaceSelection(const QString& text);
    void changeCaps(bool upper);
    void insertNow(const QString& format);
    void print(const QString& text);
    void showFontChecks();

    // OpenTextTargets: "Open..." loads the chosen file here.
    void loadIntoMonitor(const QString&) override {}
    void openInNotebook(const QString& path) override;
    void setBusy(bool) override {}

    Dialogs& dialogs_;
    std::unique_ptr<Platform> ownPlatform_;
    std::unique_ptr<FileDialogState> ownFiles_;
    Platform* platform_;
    FileDialogState* files_;
    QString file_;
    bool changed_ = false;
    // The window was left (or closed) since the file was last read.
    bool stale_ = true;
    QString searchText_;
    int headerRgb_ = 0;
    int screenRgb_ = 0;
    QString fontName_ = QStringLiteral("Fixedsys");
    qreal fontSize_ = 0;  // the font's own size until a size is chosen
    EditorControls ui_;
};

}  // namespace zeno
