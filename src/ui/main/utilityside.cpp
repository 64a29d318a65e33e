// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/utilityside.h"

#include "config/appstate.h"
#include "config/weblinks.h"
#include "platform/dialogs.h"
#include "ui/windows/editor.h"
#include "ui/windows/frmabout.h"
#include "ui/windows/helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace zeno {

UtilitySide::UtilitySide(const SideContext& context, QMenu* menuextra,
                         const QList<QAction*>& menuextras)
    : context_(context), menuextra_(menuextra), menuextras_(menuextras) {
    qApp->installEventFilter(this);
}

UtilitySide::~UtilitySide() = default;

// Add-ons

void UtilitySide::ZENOAddOns() {
    addOns_ = readAddOns(context_.state.appPath);
    for (int slot = 0; slot < kAddOnSlots; ++slot) {
        if (!addOns_[slot])
            continue;
        menuextra_->menuAction()->setVisible(true);
        menuextras_[slot]->setVisible(true);
        menuextras_[slot]->setText(addOns_[slot]->caption);
        context_.state.addOnMenuVisible = true;
    }
}

void UtilitySide::runAddOn(int item) {
    if (item < 0 || item >= kAddOnSlots || !addOns_[item])
        return;
    const AddOn& addOn = *addOns_[item];
    if (!zeno::runAddOn(addOn, context_.state.appPath, context_.platform))
        context_.dialogs.message(addOnFailureText(addOn));
}

// Notebook

void UtilitySide::openNotebook(const QString& file, const QString& caption) {
    AppState& state = context_.state;
    // Another file in a notebook with unsaved text: that text is kept first.
    if (notebook_ && !file.isEmpty() && file != notebook_->currentFile())
        notebook_->keepChanges();
    if (!file.isEmpty())
        state.notebookFile = file;
    if (!notebook_) {
        notebook_ = new Editor(context_.dialogs, context_.platform, state.files, context_.window);
        connect(notebook_, &Editor::currentFileChanged, this,
                [this](const QString& path) { context_.state.notebookFile = path; });
    }
    notebook_->setWindowTitle(caption.isEmpty() ? QStringLiteral("Your Notebook") : caption);
    notebook_->setMonitorColors(state.settings.headerColor, state.settings.screenColor);
    // An open notebook reads its file again when it becomes active (unless it has changes).
    if (!file.isEmpty() || !notebook_->isVisible())
        notebook_->loadFile(state.notebookFile);
    notebook_->show();
    notebook_->raise();
    notebook_->activateWindow();
}

Editor* UtilitySide::notebook() const { return notebook_; }

void UtilitySide::keepNotebookChanges() {
    if (notebook_)
        notebook_->keepChanges();
}

// Help and About

void UtilitySide::showHelp(const QString& section) {
    // A modal window blocks every window but its own: above one, the manual becomes its window.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == help_)
        owner = context_.window;
    if (!help_) {
        help_ = new HelpWindow(owner);
    } else if (help_->parentWidget() != owner) {
        const QRect place = help_->geometry();
        help_->setParent(owner, help_->windowFlags());
        help_->setGeometry(place);
    }
    help_->showSection(section);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void UtilitySide::OpenWebLink(const QString& url) {
    zeno::OpenWebLink(context_.platform, context_.dialogs, url);
}

void UtilitySide::showAbout() {
    if (!about_)
        about_ = new frmAbout(context_.dialogs, context_.platform,
                              context_.state.link.EngineInitText, context_.window);
    about_->setWindowModality(Qt::ApplicationModal);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

bool UtilitySide::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        showHelp(HelpWindow::sectionFor(window->objectName()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zeno
