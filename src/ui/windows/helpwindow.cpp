// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/helpwindow.h"

#include "ui/common/controls.h"
#include "ui/common/widgets.h"

#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zeno {

namespace {

const QString kManual = QStringLiteral("qrc:/help/zeno-manual.html");

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("ZENO Help"));

    auto* contents =
        controls::pictureButton(this, "helpContents", themedIcon("go-home", QStyle::SP_DirHomeIcon),
                                QStringLiteral("Contents"));
    back_ = controls::pictureButton(
        this, "helpBack", themedIcon("go-previous", QStyle::SP_ArrowBack), QStringLiteral("Back"));
    forward_ =
        controls::pictureButton(this, "helpForward", themedIcon("go-next", QStyle::SP_ArrowForward),
                                QStringLiteral("Forward"));
    search_ = controls::textBox(this, "helpSearch", QString(), QStringLiteral("Search this page"));
    search_->setPlaceholderText(QStringLiteral("Search this page"));
    search_->setClearButtonEnabled(true);
    auto* find = controls::button(this, "helpFind", QStringLiteral("Find"));
    searchResult_ = controls::label(this, "helpSearchResult", QString());
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* row = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(contents), static_cast<QWidget*>(back_),
                       static_cast<QWidget*>(forward_)})
        row->addWidget(w);
    row->addWidget(search_, 1);
    row->addWidget(find);
    row->addWidget(searchResult_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(browser_, 1);
    resize(760, 620);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, [this] { showSection(QString()); });
    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::findInPage);
    connect(find, &QPushButton::clicked, this, &HelpWindow::findInPage);
    connect(search_, &QLineEdit::textChanged, searchResult_, &QLabel::clear);
    giveDialogKeys(this);
}

void HelpWindow::showSection(const QString& section) {
    QUrl url(kManual);
    url.setFragment(section.isEmpty() ? QStringLiteral("contents") : section);
    browser_->setSource(url);
}

QString HelpWindow::sectionFor(const QString& windowName) {
    static const QHash<QString, QString> sections = {
        {QStringLiteral("Form1"), QStringLiteral("main-window")},
        {QStringLiteral("Form2"), QStringLiteral("aprs-position")},
        {QStringLiteral("Form3"), QStringLiteral("setup")},
        {QStringLiteral("Form8"), QStringLiteral("font")},
        {QStringLiteral("Form4"), QStringLiteral("connected-mode")},
        {QStringLiteral("Form5"), QStringLiteral("histories")},
        {QStringLiteral("Form7"), QStringLiteral("messages")},
        {QStringLiteral("FormStations"), QStringLiteral("stations")},
        {QStringLiteral("Editor"), QStringLiteral("notebook")},
        {QStringLiteral("frmAbout"), QStringLiteral("about")},
        {QStringLiteral("Meld"), QStringLiteral("connected-mode")},
        {QStringLiteral("FormPasses"), QStringLiteral("satellite-passes")},
    };
    return sections.value(windowName, QStringLiteral("contents"));
}

void HelpWindow::findInPage() {
    const QString text = search_->text();
    if (text.isEmpty())
        return;
    if (browser_->find(text)) {
        searchResult_->clear();
        return;
    }
    QTextCursor top = browser_->textCursor();
    top.movePosition(QTextCursor::Start);
    browser_->setTextCursor(top);
    searchResult_->setText(browser_->find(text) ? QStringLiteral("From the top")
                                                : QStringLiteral("Not on this page"));
}

}  // namespace zeno
