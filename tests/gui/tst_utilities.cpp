// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's utilities: add-ons, the Help menu, the About box, the manual, the notebook.

#include "windowtest.h"

#include "config/weblinks.h"
#include "ui/common/widgets.h"
#include "ui/windows/editor.h"
#include "ui/windows/frmabout.h"
#include "ui/windows/helpwindow.h"

#include <QMenu>
#include <QTextBrowser>

namespace {

QAction* helpItem(const ZenoFixture& f, HelpItem item) {
    return menuItem(f.form1().controls().menus.menuhelps, item);
}

QString shownSection(const ZenoFixture& f) {
    auto* help = f.form1().findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
    return help && help->isVisible() ? help->browser()->source().fragment() : QString();
}

}  // namespace

class TestUtilities : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Slot 3 alone: shown in its place, run with its token, and a program that does not start.
    void extraMenuRunsTheAddOnFound() {
        ZenoFixture f;
        f.writeFile(QStringLiteral("ZENOAddOn3.bin"), "PA3XYZ\r\nPasses\r\ntools/passes.sh\r\n");
        QVERIFY(f.startStation());
        const Form1Menus& m = f.form1().controls().menus;
        QVERIFY(m.menuextra->menuAction()->isVisible() && f.state().addOnMenuVisible);
        for (int i = 0; i < m.menuextras.size(); ++i)
            QCOMPARE(m.menuextras[i]->isVisible(), i == 2);
        QCOMPARE(m.menuextras[2]->text(), QStringLiteral("Passes"));
        m.menuextras[2]->trigger();
        QCOMPARE(f.platform.programs.last().program, f.file(QStringLiteral("tools/passes.sh")));
        QCOMPARE(f.platform.programs.last().arguments, QStringList{QStringLiteral("PA3XYZ")});
        f.platform.setProgramsStart(false);
        f.dialogs.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok,
                                QStringLiteral("Could not found AddOn Passes"));
        m.menuextras[2]->trigger();
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void helpMenuAboutManualAndNotebook() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        for (HelpItem item :
             {HelpItem::Web, HelpItem::Group, HelpItem::MoreSoftware, HelpItem::Homepage})
            helpItem(f, item)->trigger();
        QCOMPARE(f.platform.webLinks,
                 QStringList({weblinks::kProgramPage, weblinks::kSupportGroup,
                              weblinks::kAuthorSoftware, weblinks::kAuthorHome}));

        // The manual, with F1 at each window's section; the notebook keeps the file it opened.
        helpItem(f, HelpItem::Topics)->trigger();
        QCOMPARE(shownSection(f), QStringLiteral("contents"));
        QTest::keyClick(&f.form1(), Qt::Key_F1);
        QCOMPARE(shownSection(f), QStringLiteral("main-window"));
        auto* help = f.form1().findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
        help->findChild<QLineEdit*>(QStringLiteral("helpSearch"))
            ->setText(QStringLiteral("public folder"));
        help->findChild<QPushButton*>(QStringLiteral("helpFind"))->click();
        QCOMPARE(help->browser()->textCursor().selectedText(), QStringLiteral("public folder"));

        f.writeFile(QStringLiteral("Notebook.txt"), "sked 21:30\r\n");
        f.writeFile(QStringLiteral("passes.txt"), "AO-91\r\n");
        QAction* notebookItem =
            menuItem(f.form1().controls().menus.menuoptions, OptionItem::Notebook);
        notebookItem->trigger();
        auto* notebook = f.form1().findChild<Editor*>(QStringLiteral("Editor"));
        QVERIFY(notebook && notebook->isVisible());
        QCOMPARE(notebook->Text1->toPlainText(), QStringLiteral("sked 21:30\n"));
        notebook->findChild<QAction*>(QStringLiteral("menuhelpedit"))->trigger();
        QCOMPARE(shownSection(f), QStringLiteral("notebook"));
        help->findChild<QToolButton*>(QStringLiteral("helpBack"))->click();
        QCOMPARE(shownSection(f), QStringLiteral("main-window"));

        f.dialogs.expectOpenFile(f.file(QStringLiteral("passes.txt")));
        notebook->findChild<QAction*>(QStringLiteral("menunoteopen"))->trigger();
        QCOMPARE(f.state().notebookFile, f.file(QStringLiteral("passes.txt")));
        notebook->close();
        notebookItem->trigger();
        QCOMPARE(notebook->Text1->toPlainText(), QStringLiteral("AO-91\n"));

        QTest::mouseDClick(f.find<LogoPicture>(QStringLiteral("Picture1")), Qt::LeftButton);
        QPointer<frmAbout> about = f.form1().findChild<frmAbout*>(QStringLiteral("frmAbout"));
        QVERIFY(about && about->isVisible() && about->isModal());
        QCOMPARE(about->lblVersion->text(), QStringLiteral("Version 3.0.1"));
        QTest::mouseClick(about->lblMail, Qt::LeftButton);
        QCOMPARE(f.platform.webLinks.last(),
                 QStringLiteral("mailto:qz9zzz@zeno.example.org?subject=ZENO v 3. 0. 1"));
        f.dialogs.expectMessage(QStringLiteral("System Information"));
        about->cmdSysInfo->click();
        const QString info = f.dialogs.shown.last().text;
        QVERIFY2(info.contains(QStringLiteral("Test System 1")) &&
                     info.contains(f.state().link.EngineInitText.section(QChar(0), 0, 0)),
                 qPrintable(info));
        about->cmdOK->click();
        QTRY_VERIFY(!about);

        helpItem(f, HelpItem::About)->trigger();
        QVERIFY(f.form1().findChild<frmAbout*>(QStringLiteral("frmAbout")));

        QVERIFY(f.dialogs.problems().isEmpty());
    }

    // F1 above a modal window: the manual as its own. What the desktop cannot open: a box.
    void manualAboveAModalWindowAndDesktopFailures() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        helpItem(f, HelpItem::About)->trigger();
        auto* about = f.find<frmAbout>(QStringLiteral("frmAbout"));
        QTest::keyClick(about, Qt::Key_F1);
        QCOMPARE(shownSection(f), QStringLiteral("about"));
        QCOMPARE(f.find<HelpWindow>(QStringLiteral("HelpWindow"))->parentWidget(), about);
        f.platform.setProgramsStart(false);
        f.dialogs.expectMessage(kProgramTitle).expectMessage(kProgramTitle);
        helpItem(f, HelpItem::Web)->trigger();
        menuItem(f.form1().controls().menus.menuoptionsopens, TerminalFileItem::Help)->trigger();
        QVERIFY(f.dialogs.problems().isEmpty());
        QVERIFY(f.dialogs.shown.last().text.endsWith(f.file(QStringLiteral("help.txt"))));
    }

    void recordedPassWithoutDirewolfSaysHowToInstallIt() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        f.dialogs.expectMessage(QStringLiteral("ZENO"));
        f.form1().controls().menus.menuhelpdemo->trigger();
        qputenv("PATH", path);
        QVERIFY(f.dialogs.shown.last().text.contains(QLatin1String("sudo apt install direwolf")));
        QVERIFY(f.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestUtilities)
#include "tst_utilities.moc"
