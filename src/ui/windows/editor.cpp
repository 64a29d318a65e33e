// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/editor.h"

#include "files/textfiles.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "ui/common/controls.h"
#include "ui/common/desktopplatform.h"
#include "ui/common/widgets.h"
#include "ui/windows/editorlayout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace zeno {

namespace {

const QString kChangesQuestion = QStringLiteral("You made changes. Do you want to save it?");
const QString kNotebookTitle = QStringLiteral("NoteBook");

// The font items: sizes 1 to 3, families 5 to 8 (8 is the notebook's own font).
constexpr qreal kSizes[] = {8.25, 10, 12};
const QString kFamilies[] = {QStringLiteral("MS Sans Serif"), QStringLiteral("Times New Roman"),
                             QStringLiteral("Courier"), QStringLiteral("Fixedsys")};
constexpr int kFirstFamilyItem = 5;
constexpr int kBackgrounds[] = {15, 14, 7};  // white, yellow, grey

}  // namespace

Editor::Editor(Dialogs& dialogs, QWidget* parent) : Editor(dialogs, nullptr, nullptr, parent) {}

Editor::Editor(Dialogs& dialogs, Platform& platform, FileDialogState& files, QWidget* parent)
    : Editor(dialogs, &platform, &files, parent) {}

Editor::Editor(Dialogs& dialogs, Platform* platform, FileDialogState* files, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), platform_(platform), files_(files) {
    if (!platform_) {
        ownPlatform_ = std::make_unique<DesktopPlatform>(dialogs);
        platform_ = ownPlatform_.get();
    }
    if (!files_) {
        ownFiles_ = std::make_unique<FileDialogState>();
        files_ = ownFiles_.get();
    }
    setObjectName(QStringLiteral("Editor"));
    setWindowTitle(QStringLiteral("Your Notebook"));
    Text1 = controls::textArea(this, "Text1");
    Text1->setFont(fontForFamily(fontName_));
    buildEditorLayout(this, Text1, ui_);
    showFontChecks();
    wireEvents();
    resize(640, 480);
}

Editor::~Editor() = default;

void Editor::wireEvents() {
    giveDialogKeys(this);
    connect(Text1, &QPlainTextEdit::textChanged, this, &Editor::edited);
    const EditorToolbar& t = ui_.toolbar;
    const std::pair<QToolButton*, void (Editor::*)()> buttons[] = {
        {t.Command8, &Editor::menunoteopen_Click},   {t.Command1, &Editor::menuopslaan_Click},
        {t.Command2, &Editor::mnuafdrukalles_Click}, {t.Command3, &Editor::Cutmenu_Click},
        {t.Command4, &Editor::copymenu_Click},       {t.Command5, &Editor::pastemenu_Click},
        {t.Command6, &Editor::NedHelpZoeken_Click},  {t.Command7, &Editor::menutimedate_Click},
        {t.Command10, &Editor::menucapsU_Click},     {t.Command9, &Editor::menucapsL_Click}};
    for (const auto& [button, slot] : buttons) {
        // The toolbar gives the text its focus back.
        connect(button, &QToolButton::clicked, this, [this, slot = slot] {
            (this->*slot)();
            Text1->setFocus();
        });
    }
    const EditorFileMenu& f = ui_.file;
    const EditorEditMenu& e = ui_.edit;
    const EditorInsertMenu& i = ui_.insert;
    const std::pair<QAction*, void (Editor::*)()> items[] = {
        {f.menunoteopen, &Editor::menunoteopen_Click},
        {f.menuopslaan, &Editor::menuopslaan_Click},
        {f.mnuafdrukalles, &Editor::mnuafdrukalles_Click},
        {f.mnuafdrukselect, &Editor::mnuafdrukselect_Click},
        {f.menuexit, &Editor::menuexit_Click},
        {e.Cutmenu, &Editor::Cutmenu_Click},
        {e.copymenu, &Editor::copymenu_Click},
        {e.pastemenu, &Editor::pastemenu_Click},
        {e.verwijdermenu, &Editor::verwijdermenu_Click},
        {e.menuselectall, &Editor::menuselectall_Click},
        {e.menuclear, &Editor::menuclear_Click},
        {e.menucapsU, &Editor::menucapsU_Click},
        {e.menucapsL, &Editor::menucapsL_Click},
        {i.menuline1, &Editor::menuline1_Click},
        {i.menuline2, &Editor::menuline2_Click},
        {i.menudatum, &Editor::menudatum_Click},
        {i.menutijd, &Editor::menutijd_Click},
        {i.menutimedate, &Editor::menutimedate_Click},
        {ui_.find.NedHelpZoeken, &Editor::NedHelpZoeken_Click},
        {ui_.find.NedHelpZoekVerder, &Editor::NedHelpZoekVerder_Click},
        {ui_.options.menuhelpedit, &Editor::menuhelpedit_Click}};
    for (const auto& [action, slot] : items)
        connect(action, &QAction::triggered, this, slot);
    for (int n = 1; n < ui_.options.karaktermenu.size(); ++n)
        connect(ui_.options.karaktermenu[n], &QAction::triggered, this,
                [this, n] { karaktermenu_Click(n); });
    for (int n = 0; n < ui_.options.editorbkkleur.size(); ++n)
        connect(ui_.options.editorbkkleur[n], &QAction::triggered, this,
                [this, n] { editorbkkleur_Click(n); });
}

// Loading

void Editor::loadFile(const QString& path) {
    file_ = path;
    applyMonitorColors();
    readFile();
}

void Editor::Form_Activate() {
    applyMonitorColors();
    if (!changed_)
        readFile();
}

void Editor::readFile() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const NotebookRead read = readNotebookFile(file_);
    if (read.cut) {
        dialogs_.message(
            QStringLiteral("Size of the file is to large. Opened only the first 60000 bytes."),
            QStringLiteral("File to large"), MsgIcon::Exclamation, MsgButtons::Ok);
    }
    Text1->setPlainText(read.text);
    QApplication::restoreOverrideCursor();
    changed_ = false;
    stale_ = false;
}

void Editor::setMonitorColors(int headerRgb, int screenRgb) {
    headerRgb_ = headerRgb;
    screenRgb_ = screenRgb;
}

void Editor::applyMonitorColors() {
    if (headerRgb_ != screenRgb_)
        setWidgetColors(Text1, headerRgb_, screenRgb_);
}

void Editor::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        if (stale_)
            Form_Activate();
        stale_ = false;
    } else if (!QApplication::activeModalWidget()) {
        // A box of our own takes the focus for a moment; only leaving the window counts.
        stale_ = true;
    }
}

// File

void Editor::menuopslaan_Click() {
    if (saveTextFile(file_, notebookFileText(Text1->toPlainText()), dialogs_))
        changed_ = false;
}

void Editor::menunoteopen_Click() {
    if (changed_ && dialogs_.askYesNo(kChangesQuestion, kNotebookTitle))
        menuopslaan_Click();
    files_->OpenMode = kOpenInNotebook;
    files_->FileName = QStringLiteral("Notebook.txt");
    QString unused;  // the notebook mode reads nothing into the reply text
    OpenTextFile(*files_, unused, dialogs_, *platform_, *this);
}

void Editor::openInNotebook(const QString& path) {
    loadFile(path);
    emit currentFileChanged(path);
}

void Editor::keepChanges() {
    if (!changed_)
        return;
    if (dialogs_.askYesNo(kChangesQuestion, kNotebookTitle, MsgIcon::Information))
        menuopslaan_Click();
    if (changed_)
        writeTextFile(file_ + QStringLiteral(".unsaved"), notebookFileText(Text1->toPlainText()));
    changed_ = false;
}

void Editor::menuexit_Click() { close(); }

void Editor::closeEvent(QCloseEvent* event) {
    if (changed_ && dialogs_.askYesNo(kChangesQuestion, kNotebookTitle, MsgIcon::Information))
        menuopslaan_Click();
    changed_ = false;
    stale_ = true;
    QWidget::closeEvent(event);
}

// Printing

void Editor::mnuafdrukalles_Click() {
    if (dialogs_.askYesNo(QStringLiteral("Do you want to print the entire document?"),
                          QStringLiteral("Print"), MsgIcon::Information))
        print(Text1->toPlainText());
}

void Editor::mnuafdrukselect_Click() {
    const QString selected = selection();
    if (selected.isEmpty()) {
        dialogs_.message(QStringLiteral("Nothing selected."),
                         QStringLiteral("Print Selected Text"));
        Text1->setFocus();
        return;
    }
    if (dialogs_.askYesNo(QStringLiteral("Do you want to print the selected text?"),
                          QStringLiteral("Print")))
        print(selected);
}

void Editor::print(const QString& text) {
    if (platform_->printText(QStringLiteral("Notebook"), text) != PrintOutcome::NotReady)
        return;
    platform_->beep();
    dialogs_.message(QStringLiteral("Printer not ready"), QStringLiteral("Print error"),
                     MsgIcon::Exclamation);
}

// Edit

QString Editor::selection() const {
    return notebookBoxText(
        Text1->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void Editor::replaceSelection(const QString& text) {
    Text1->textCursor().insertText(notebookBoxText(text));
    edited();
}

void Editor::Cutmenu_Click() {
    platform_->setClipboardText(selection());
    replaceSelection(QString());
}

void Editor::copymenu_Click() {
    platform_->setClipboardText(selection());
    edited();
}

void Editor::pastemenu_Click() { replaceSelection(platform_->clipboardText()); }

void Editor::verwijdermenu_Click() { replaceSelection(QString()); }

void Editor::menuselectall_Click() {
    Text1->selectAll();
    edited();
}

void Editor::menuclear_Click() {
    if (dialogs_.askYesNo(QStringLiteral("Do you want to erase all text in this file?"),
                          QStringLiteral("Clear All")))
        Text1->clear();
    edited();
}

void Editor::menucapsU_Click() { changeCaps(true); }

void Editor::menucapsL_Click() { changeCaps(false); }

void Editor::changeCaps(bool upper) {
    const QString selected = selection();
    if (selected.isEmpty()) {
        dialogs_.message(QStringLiteral("Please make a selection of text to change the caps."));
        Text1->setFocus();
        return;
    }
    replaceSelection(upper ? selected.toUpper() : selected.toLower());
}

// Insert

void Editor::menuline1_Click() {
    replaceSelection(QLatin1Char('\n') + QString(80, QLatin1Char('_')) + QLatin1Char('\n'));
}

void Editor::menuline2_Click() {
    replaceSelection(QLatin1Char('\n') + QString(80, QLatin1Char('-')) + QLatin1Char('\n'));
}

void Editor::menudatum_Click() { insertNow(QStringLiteral("%2")); }

void Editor::menutijd_Click() { insertNow(QStringLiteral("%1")); }

void Editor::menutimedate_Click() { insertNow(QStringLiteral("%1 %2")); }

// The format's %1 is the time, %2 the date, both in the system's short forms.
void Editor::insertNow(const QString& format) {
    const QDateTime now = platform_->now();
    const QLocale locale = QLocale::system();
    replaceSelection(format.arg(locale.toString(now.time(), QLocale::ShortFormat),
                                locale.toString(now.date(), QLocale::ShortFormat)));
}

// Find: "Find Next" asks again, offering the text searched for last.

void Editor::NedHelpZoeken_Click() {
    const QString answer = dialogs_.input(QStringLiteral("Type the text to find:"),
                                          QStringLiteral("Find"), searchText_);
    if (answer.isEmpty())
        return;
    searchText_ = answer.toUpper();
    QTextCursor cursor = Text1->textCursor();
    const qsizetype at = Text1->toPlainText().indexOf(searchText_, 0, Qt::CaseInsensitive);
    if (at >= 0) {
        cursor.setPosition(int(at));
        cursor.setPosition(int(at + searchText_.size()), QTextCursor::KeepAnchor);
        Text1->setTextCursor(cursor);
        ui_.find.NedHelpZoekVerder->setEnabled(true);
        return;
    }
    dialogs_.message(QStringLiteral("Nothing found"));
    cursor.clearSelection();
    Text1->setTextCursor(cursor);
    ui_.find.NedHelpZoekVerder->setEnabled(false);
    searchText_.clear();
}

void Editor::NedHelpZoekVerder_Click() { NedHelpZoeken_Click(); }

// Options

void Editor::karaktermenu_Click(int Index) {
    if (Index >= 1 && Index <= 3)
        fontSize_ = kSizes[Index - 1];
    else if (Index >= kFirstFamilyItem && Index < kFirstFamilyItem + 4)
        fontName_ = kFamilies[Index - kFirstFamilyItem];
    else
        return;
    Text1->setFont(fontForFamily(fontName_, fontSize_));
    showFontChecks();
}

void Editor::showFontChecks() {
    for (int i = 1; i < ui_.options.karaktermenu.size(); ++i) {
        const bool size = i <= 3 && qFuzzyCompare(kSizes[i - 1], fontSize_);
        const bool family = i >= kFirstFamilyItem && kFamilies[i - kFirstFamilyItem] == fontName_;
        ui_.options.karaktermenu[i]->setChecked(size || family);
    }
}

void Editor::editorbkkleur_Click(int Index) {
    if (Index < 0 || Index >= ui_.options.editorbkkleur.size())
        return;
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, colorFromRgbNumber(paletteColor(kBackgrounds[Index])));
    Text1->setPalette(palette);
    for (int i = 0; i < ui_.options.editorbkkleur.size(); ++i)
        ui_.options.editorbkkleur[i]->setChecked(i == Index);
}

void Editor::menuhelpedit_Click() {
    // The manual opens the way F1 opens it, at this window's section.
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(this, &f1);
}

}  // namespace zeno
