// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/monitorside.h"

#include "config/appstate.h"
#include "monitor/heardlist.h"
#include "monitor/monitorfiles.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "ui/common/monitorbox.h"
#include "ui/common/textprinting.h"

#include <QAction>
#include <QDir>
#include <QStatusBar>
#include <QWidget>

namespace zeno {

namespace {

const QString kDocumentName = QStringLiteral("ZENO Monitor");
// Where the monitor goes when the machine has no printer.
const QString kPdfFile = QStringLiteral("\\ZENO Monitor.pdf");
constexpr int kToldForMs = 20000;  // how long the status bar shows a notice

}  // namespace

MonitorSide::MonitorSide(const SideContext& context, MonitorTextBox& monitor,
                         const HeardList& heard, QAction* enableForEdit, QAction* findNext,
                         QStatusBar* statusBar)
    : context_(context),
      monitor_(monitor),
      heard_(heard),
      enableForEdit_(enableForEdit),
      findNext_(findNext),
      statusBar_(statusBar) {}

// Edit

void MonitorSide::cut() {
    copy();
    monitor_.replaceSelection(QString());
}

void MonitorSide::copy() { context_.platform.setClipboardText(monitor_.selectedText()); }

void MonitorSide::paste() { monitor_.replaceSelection(context_.platform.clipboardText()); }

void MonitorSide::deleteSelection() { monitor_.replaceSelection(QString()); }

void MonitorSide::selectAll() {
    monitor_.focus();
    monitor_.selectAll();
}

void MonitorSide::clearAll() { monitor_.clear(); }

void MonitorSide::toggleEditable() {
    const bool editable = monitor_.isReadOnly();
    monitor_.setReadOnly(!editable);
    enableForEdit_->setChecked(editable);
}

// Find

void MonitorSide::find() {
    const QString what =
        context_.dialogs.input(QStringLiteral("Type the text to find:"), QStringLiteral("Find"));
    if (what.isEmpty())
        return;
    monitor_.select(0, 0);
    monitor_.focus();
    showMatch(find_.find(what, monitor_.text()));
}

void MonitorSide::findNext() {
    if (find_.canFindNext())
        showMatch(find_.findNext(monitor_.text()));
}

void MonitorSide::showMatch(const MonitorFind::Match& match) {
    if (match.found) {
        monitor_.select(match.start, match.length);
    } else {
        context_.dialogs.message(QStringLiteral("Nothing found"));
        monitor_.clearSelection();
    }
    findNext_->setEnabled(find_.canFindNext());
}

// Files

void MonitorSide::openFile(int openMode) {
    FileDialogState& files = context_.state.files;
    files.OpenMode = openMode;
    if (files.FileName.isEmpty())
        files.FileName = QStringLiteral("ZENO001.TXT");
    OpenTextFile(files, context_.state.ReplyText, context_.dialogs, context_.platform, *this);
}

void MonitorSide::loadIntoMonitor(const QString& text) { monitor_.setText(text); }

void MonitorSide::openInNotebook(const QString& path) { emit notebookRequested(path, QString()); }

void MonitorSide::setBusy(bool busy) {
    if (busy)
        context_.window->setCursor(Qt::WaitCursor);
    else
        context_.window->unsetCursor();
}

MonitorContent MonitorSide::content() const { return {monitor_.text(), monitor_.selectedText()}; }

void MonitorSide::saveMonitor() {
    saveMonitorText(context_.state.files, context_.dialogs, content());
}

void MonitorSide::SaveReport() {
    saveStationReport(context_.state.files, context_.dialogs, content(), context_.state.settings,
                      heard_.entries(), context_.platform.now());
}

void MonitorSide::printMonitor() {
    const std::optional<QString> text = monitorPrintText(context_.dialogs, content());
    if (!text)
        return;
    if (context_.platform.hasPrinter()) {
        if (context_.platform.printText(kDocumentName, *text) == PrintOutcome::NotReady)
            tell(QStringLiteral("The printer is not ready."));
        return;
    }
    const QString pdf = QDir::toNativeSeparators(appFile(context_.state.appPath, kPdfFile));
    tell(printPlainTextToPdf(pdf, kDocumentName, *text)
             ? QStringLiteral("No printer here: the monitor went to %1").arg(pdf)
             : QStringLiteral("No printer here, and %1 could not be written").arg(pdf));
}

void MonitorSide::tell(const QString& text) { statusBar_->showMessage(text, kToldForMs); }

}  // namespace zeno
