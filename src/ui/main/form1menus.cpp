// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/form1menus.h"

#include "monitor/monitorfilter.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace zeno {

namespace {

struct Item {
    QString caption;  // empty: separator
    QKeySequence shortcut = {};
};

QMenu* menu(QMainWindow* window, const char* name, const QString& caption) {
    QMenu* m = window->menuBar()->addMenu(caption);
    m->setObjectName(QLatin1String(name));
    return m;
}

// Adds the items of one menu array, naming them "<array>_<index>" (separators included).
QList<QAction*> addItems(QMenu* menu, const char* arrayName, const QList<Item>& items) {
    QList<QAction*> actions;
    for (int i = 0; i < items.size(); ++i) {
        QAction* action =
            items[i].caption.isEmpty() ? menu->addSeparator() : menu->addAction(items[i].caption);
        action->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(arrayName)).arg(i));
        if (!items[i].shortcut.isEmpty())
            action->setShortcut(items[i].shortcut);
        actions << action;
    }
    return actions;
}

}  // namespace

void buildForm1Menus(QMainWindow* window, Form1Menus& c) {
    c.menufile = menu(window, "menufile", QStringLiteral("&File"));
    c.menufiles = addItems(c.menufile, "menufiles",
                           {{QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O)},
                            {QStringLiteral("Open in NotePad...")},
                            {QStringLiteral("&Save...")},
                            {QStringLiteral("Save Report..."), QKeySequence(Qt::CTRL | Qt::Key_S)},
                            {},
                            {QStringLiteral("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P)},
                            {},
                            {QStringLiteral("E&xit")}});

    c.menuedit = menu(window, "menuedit", QStringLiteral("&Edit"));
    c.menuedits = addItems(c.menuedit, "menuedits",
                           {{QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X)},
                            {QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C)},
                            {QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V)},
                            {QStringLiteral("Delete")},
                            {},
                            {QStringLiteral("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A)},
                            {QStringLiteral("Clear All")},
                            {},
                            {QStringLiteral("Enable Monitor for Edit")}});
    menuItem(c.menuedits, EditItem::EnableMonitorForEdit)->setCheckable(true);

    c.menusend = menu(window, "menusend", QStringLiteral("&Send"));
    c.menusends =
        addItems(c.menusend, "menusends",
                 {{QStringLiteral("UI Header only"), QKeySequence(Qt::Key_F2)},
                  {QStringLiteral("UI Data"), QKeySequence(Qt::Key_F4)},
                  {QStringLiteral("APRS Position and Data"), QKeySequence(Qt::Key_F7)},
                  {QStringLiteral("APRS Message"), QKeySequence(Qt::Key_F9)},
                  {},
                  {QStringLiteral("Connect"), QKeySequence(Qt::Key_F5)},
                  {QStringLiteral("Disconnect"), QKeySequence(Qt::Key_F6)},
                  {},
                  {QStringLiteral("MHeard Stations")},
                  {QStringLiteral("MHeard Stations as APRS Bulletin"), QKeySequence(Qt::Key_F8)}});
    menuItem(c.menusends, SendItem::Disconnect)->setEnabled(false);

    c.filters.menufilter = menu(window, "menufilter", QStringLiteral("&Filters"));
    c.filters.menufilters =
        addItems(c.filters.menufilter, "menufilters",
                 {{QStringLiteral("No Filters"), QKeySequence(Qt::CTRL | Qt::Key_N)},
                  {QStringLiteral("Call (To)")},
                  {QStringLiteral("Digipeater Call (Via)")},
                  {QStringLiteral("Only Digipeated Packets")},
                  {},
                  {QStringLiteral("Enter Call/String...")}});
    for (int i : {MonitorFilter::NoFilters, MonitorFilter::CallTo, MonitorFilter::DigipeaterVia,
                  MonitorFilter::OnlyDigipeated, MonitorFilter::EnteredText})
        c.filters.menufilters[i]->setCheckable(true);
    c.filters.menufilters[0]->setChecked(true);

    c.menufind = menu(window, "menufind", QStringLiteral("F&ind"));
    c.findmenu = c.menufind->addAction(QStringLiteral("Find in Monitor..."));
    c.findmenu->setObjectName(QStringLiteral("findmenu"));
    c.findnextmenu = c.menufind->addAction(QStringLiteral("Find Next"));
    c.findnextmenu->setObjectName(QStringLiteral("findnextmenu"));
    c.findnextmenu->setShortcut(QKeySequence(Qt::Key_F3));
    c.findnextmenu->setEnabled(false);

    c.menuoption = menu(window, "menuoption", QStringLiteral("&Options"));
    c.menuoptions =
        addItems(c.menuoption, "menuoptions",
                 {{QStringLiteral("Received APRS Messages..."), QKeySequence(Qt::CTRL | Qt::Key_M)},
                  {},
                  {QStringLiteral("View Heard Stations...")},
                  {QStringLiteral("Clear MHeard List")},
                  {QStringLiteral("Copy MHeard List to Clipboard")},
                  {},
                  {QStringLiteral("Notebook..."), QKeySequence(Qt::Key_F12)},
                  {},
                  {QStringLiteral("Stations..."), QKeySequence(Qt::CTRL | Qt::Key_T)},
                  {QStringLiteral("Passes..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
                  {QStringLiteral("Map..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)}});

    c.menusetup = menu(window, "menusetup", QStringLiteral("Set&up"));
    c.menusetups = addItems(c.menusetup, "menusetups",
                            {{QStringLiteral("Setup...")},
                             {QStringLiteral("Setup APRS Position && Icon...")},
                             {},
                             {QStringLiteral("Edit TX-Data History...")},
                             {QStringLiteral("Edit APRS-Data History...")},
                             {QStringLiteral("Edit APRS-Messages History....")},
                             {},
                             {QStringLiteral("Update TLEs...")}});
    c.menuoptionsopen = c.menusetup->addMenu(QStringLiteral("Edit BBS/Terminal Files"));
    c.menuoptionsopen->setObjectName(QStringLiteral("menuoptionsopen"));
    c.menuoptionsopens = addItems(c.menuoptionsopen, "menuoptionsopens",
                                  {{QStringLiteral("Help")},
                                   {QStringLiteral("Info")},
                                   {QStringLiteral("Welcome")},
                                   {QStringLiteral("Goodbye")},
                                   {},
                                   {QStringLiteral("'Send Text' Nr 1")},
                                   {QStringLiteral("'Send Text' Nr 2")},
                                   {QStringLiteral("'Send Text' Nr 3")}});

    c.menuextra = menu(window, "menuextra", QStringLiteral("&Extra"));
    c.menuextras = addItems(c.menuextra, "menuextras",
                            {{QStringLiteral("AddOn 1")},
                             {QStringLiteral("AddOn 2")},
                             {QStringLiteral("AddOn 3")},
                             {QStringLiteral("AddOn 4")},
                             {QStringLiteral("AddOn 5")},
                             {}});
    for (QAction* item : c.menuextras)
        item->setVisible(false);
    c.menuextra->menuAction()->setVisible(false);

    c.menuhelp = menu(window, "menuhelp", QStringLiteral("&Help"));
    c.menuhelps = addItems(c.menuhelp, "menuhelps",
                           {{QStringLiteral("ZENO Help Topics") + QString(17, QLatin1Char(' ')) +
                             QStringLiteral("F1")},
                            {},
                            {QStringLiteral("ZENO On The Web")},
                            {QStringLiteral("ZENO Support/Discussion Group")},
                            {QStringLiteral("More QZ9ZZZ Software")},
                            {QStringLiteral("QZ9ZZZ Homepage")},
                            {},
                            {QStringLiteral("&About ZENO")}});
    c.menuhelpdemo = new QAction(QStringLiteral("Listen to a Recorded Pass"), c.menuhelp);
    c.menuhelpdemo->setObjectName(QStringLiteral("menuhelpdemo"));
    c.menuhelp->insertAction(c.menuhelps.at(1), c.menuhelpdemo);
}

}  // namespace zeno
