#include "ui/windows/editor.h"

#include "files/textfiles.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "ui/common/controls.h"
#include "ui/common/desktopplatform.h"
#include "ui/common/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeno {

namespace {

// A notebook file larger than this is not read whole: only its start can be shown anyway.
constexpr qint64 kReadLimit = 4 * 1024 * 1024;

const QString kCutLine = QStringLiteral(
    "!!!File loaded only for the first 60000 characters!!! Do not save the file or you will "
    "loose all info over the 60000 bytes loaded!!!");
const QString kChangesQuestion = QStringLiteral("You made changes. Do you want to save it?");
const QString kNotebookTitle = QStringLiteral("NoteBook");

QStringList fileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};  // errors are ignored: a missing file is an empty notebook
    QString text = QString::fromLatin1(file.read(kReadLimit));
    if (text.isEmpty())
        return {};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();  // the last line end closes the last line
    return lines;
}

// The edit box keeps one "\n" per line end; files and the clipboard may bring CR LF or CR.
QString boxText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    buildToolbar();
    layout->addWidget(Text1);
    resize(640, 480);
    connect(Text1, &QPlainTextEdit::textChanged, this, &Editor::edited);
}

Editor::~Editor() = default;

void Editor::buildToolbar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("toolbar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    const struct {
        const char* name;
        const char* theme;
        QStyle::StandardPixmap fallback;
        const char* tip;
        void (Editor::*slot)();
    } buttons[] = {
        {"Command8", "document-open", QStyle::SP_DialogOpenButton, "Open File...",
         &Editor::menunoteopen_Click},
        {"Command1", "document-save", QStyle::SP_DialogSaveButton, "Save",
         &Editor::menuopslaan_Click},
        {"Command2", "document-print", QStyle::SP_ComputerIcon, "Print...",
         &Editor::mnuafdrukalles_Click},
        {"Command3", "edit-cut", QStyle::SP_DialogDiscardButton, "", &Editor::Cutmenu_Click},
        {"Command4", "edit-copy", QStyle::SP_FileLinkIcon, "Copy", &Editor::copymenu_Click},
        {"Command5", "edit-paste", QStyle::SP_DialogApplyButton, "Paste", &Editor::pastemenu_Click},
        {"Command6", "edit-find", QStyle::SP_FileDialogContentsView, "Find...",
         &Editor::NedHelpZoeken_Click},
        {"Command7", "x-office-calendar", QStyle::SP_FileDialogInfoView, "Insert Time/Date",
         &Editor::menutimedate_Click},
        {"Command10", "format-text-uppercase", QStyle::SP_ArrowUp,
         "Make selected text in upper Caps", &Editor::menucapsU_Click},
        {"Command9", "format-text-lowercase", QStyle::SP_ArrowDown,
         "Make selected text in lower Caps", &Editor::menucapsL_Click},
    };
    for (const auto& b : buttons) {
        QToolButton* button = controls::pictureButton(bar, b.name, themedIcon(b.theme, b.fallback),
                                                      QLatin1String(b.tip));
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, slot = b.slot] {
            (this->*slot)();
            Text1->setFocus();
        });
    }
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addWidget(bar);
}

void Editor::buildMenus() {
    auto* bar = new QMenuBar(this);
    static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);
    const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                            void (Editor::*slot)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    add(file, "menunoteopen", QStringLiteral("Open..."), &Editor::menunoteopen_Click);
    add(file, "menuopslaan", QStringLiteral("Save"), &Editor::menuopslaan_Click);
    file->addSeparator();
    QMenu* print = file->addMenu(QStringLiteral("&Print"));
    add(print, "mnuafdrukalles", QStringLiteral("All"), &Editor::mnuafdrukalles_Click);
    add(print, "mnuafdrukselect", QStringLiteral("Only selected text"),
        &Editor::mnuafdrukselect_Click);
    file->addSeparator();
    add(file, "menuexit", QStringLiteral("Exit"), &Editor::menuexit_Click);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    add(edit, "Cutmenu", QStringLiteral("Cut"), &Editor::Cutmenu_Click);
    add(edit, "copymenu", QStringLiteral("Copy"), &Editor::copymenu_Click);
    add(edit, "pastemenu", QStringLiteral("Paste"), &Editor::pastemenu_Click);
    add(edit, "verwijdermenu", QStringLiteral("Delete"), &Editor::verwijdermenu_Click);
    edit->addSeparator();
    add(edit, "menuselectall", QStringLiteral("Select All"), &Editor::menuselectall_Click);
    add(edit, "menuclear", QStringLiteral("Clear All"), &Editor::menuclear_Click);
    edit->addSeparator();
    add(edit, "menucapsU", QStringLiteral("To Upper Caps"), &Editor::menucapsU_Click);
    add(edit, "menucapsL", QStringLiteral("To Lower Caps"), &Editor::menucapsL_Click);

    QMenu* insert = bar->addMenu(QStringLiteral("&Insert"));
    add(insert, "menuline1", QStringLiteral("Horizontal Line Style 1"), &Editor::menuline1_Click);
    add(insert, "menuline2", QStringLiteral("Horizontal Line Style 2"), &Editor::menuline2_Click);
    insert->addSeparator();
    add(insert, "menudatum", QStringLiteral("Date"), &Editor::menudatum_Click);
    add(insert, "menutijd", QStringLiteral("Time"), &Editor::menutijd_Click);
    add(insert, "menutimedate", QStringLiteral("Time/Date"), &Editor::menutimedate_Click);

    QMenu* find = bar->addMenu(QStringLiteral("&Find"));
    add(find, "NedHelpZoeken", QStringLiteral("Find..."), &Editor::NedHelpZoeken_Click);
    findNext_ = add(find, "NedHelpZoekVerder", QStringLiteral("Find Next"),
                    &Editor::NedHelpZoekVerder_Click);
    findNext_->setEnabled(false);

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
    karaktermenu_ << nullptr;
    for (int i = 1; i < fontItems.size(); ++i) {
        QAction* action =
            fontItems[i].isEmpty() ? font->addSeparator() : font->addAction(fontItems[i]);
        action->setObjectName(QStringLiteral("karaktermenu_%1").arg(i));
        action->setCheckable(!action->isSeparator());
        connect(action, &QAction::triggered, this, [this, i] { karaktermenu_Click(i); });
        karaktermenu_ << action;
    }
    QMenu* background = options->addMenu(QStringLiteral("&Achtergrondkleur"));
    const QStringList backgroundItems = {QStringLiteral("&Wit"), QStringLiteral("&Geel"),
                                         QStringLiteral("&Grijs")};
    for (int i = 0; i < backgroundItems.size(); ++i) {
        QAction* action = background->addAction(backgroundItems[i]);
        action->setObjectName(QStringLiteral("editorbkkleur_%1").arg(i));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { editorbkkleur_Click(i); });
        editorbkkleur_ << action;
    }
    showFontChecks();

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    add(help, "menuhelpedit", QStringLiteral("Help"), &Editor::menuhelpedit_Click);
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
    QString text;
    for (const QString& line : fileLines(file_)) {
        if (text.size() > kLoadLimit) {
            dialogs_.message(
                QStringLiteral("Size of the file is to large. Opened only the first 60000 bytes."),
                QStringLiteral("File to large"), MsgIcon::Exclamation, MsgButtons::Ok);
            text += kCutLine + QStringLiteral("\r\n");
            break;
        }
        text += line + QStringLiteral("\r\n");
    }
    Text1->setPlainText(text);
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
    QString text = Text1->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (saveTextFile(file_, text, dialogs_))
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
    if (changed_) {
        QString text = Text1->toPlainText();
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        writeTextFile(file_ + QStringLiteral(".unsaved"), text);
    }
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
    return boxText(
        Text1->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void Editor::replaceSelection(const QString& text) {
    Text1->textCursor().insertText(boxText(text));
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
        findNext_->setEnabled(true);
        return;
    }
    dialogs_.message(QStringLiteral("Nothing found"));
    cursor.clearSelection();
    Text1->setTextCursor(cursor);
    findNext_->setEnabled(false);
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
    for (int i = 1; i < karaktermenu_.size(); ++i) {
        const bool size = i <= 3 && qFuzzyCompare(kSizes[i - 1], fontSize_);
        const bool family = i >= kFirstFamilyItem && kFamilies[i - kFirstFamilyItem] == fontName_;
        karaktermenu_[i]->setChecked(size || family);
    }
}

void Editor::editorbkkleur_Click(int Index) {
    if (Index < 0 || Index >= editorbkkleur_.size())
        return;
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, colorFromRgbNumber(paletteColor(kBackgrounds[Index])));
    Text1->setPalette(palette);
    for (int i = 0; i < editorbkkleur_.size(); ++i)
        editorbkkleur_[i]->setChecked(i == Index);
}

void Editor::menuhelpedit_Click() {
    // The manual opens the way F1 opens it, at this window's section.
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(this, &f1);
}

}  // namespace zeno
