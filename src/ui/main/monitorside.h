// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/filedialogs.h"
#include "monitor/monitorfiles.h"
#include "monitor/monitorfind.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QString>

class QAction;
class QStatusBar;

namespace zeno {

class HeardList;
class MonitorTextBox;

// What the operator does with the monitor text besides receiving into it: the Edit menu and
// the cut, copy and paste buttons, find, loading a file into it, saving and printing it, and
// the station report. Owns the Edit menu's "Enable Monitor for Edit" mark and "Find Next".
// The monitor box and the heard list belong to the receive side; this part reads and edits
// them through their own accessors.
class MonitorSide : public QObject, private OpenTextTargets {
    Q_OBJECT
public:
    MonitorSide(const SideContext& context, MonitorTextBox& monitor, const HeardList& heard,
                QAction* enableForEdit, QAction* findNext, QStatusBar* statusBar);

    // Edit
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();
    void clearAll();
    void toggleEditable();  // "Enable Monitor for Edit"

    // Find
    void find();      // asks what to find
    void findNext();  // F3

    // Files. Open into the notebook, the system text editor or the monitor.
    void openFile(int openMode);
    void saveMonitor();
    void printMonitor();
    void SaveReport();

signals:
    // The notebook window on a file.
    void notebookRequested(const QString& path, const QString& caption);

private:
    // OpenTextTargets
    void loadIntoMonitor(const QString& text) override;
    void openInNotebook(const QString& path) override;
    void setBusy(bool busy) override;

    MonitorContent content() const;
    void showMatch(const MonitorFind::Match& match);
    void tell(const QString& text);

    SideContext context_;
    MonitorTextBox& monitor_;
    const HeardList& heard_;
    QAction* enableForEdit_;
    QAction* findNext_;
    QStatusBar* statusBar_;
    MonitorFind find_;
};

}  // namespace zeno
