// The main window's utilities: the Extra menu of add-ons, the Help menu, the About box, the
// manual with F1 and the notebook, each reached the way the operator reaches it.

#include "config/appstate.h"
#include "config/weblinks.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "support/testrows.h"
#include "ui/common/widgets.h"
#include "ui/main/form1.h"
#include "ui/main/form1menus.h"
#include "ui/windows/editor.h"
#include "ui/windows/frmabout.h"
#include "ui/windows/helpwindow.h"
#include "zenoversion.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

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

    void extraMenuShowsTheAddOnsFound_data() {
        columns<bool>("slot3");
        row("no add-on file", false);
        row("slot 3 alone", true);
    }

    void extraMenuShowsTheAddOnsFound() {
        QFETCH(bool, slot3);
        ZenoFixture f;
        if (slot3)
            f.writeFile(QStringLiteral("ZENOAddOn3.bin"),
                        "PA3XYZ\r\nPasses\r\ntools/passes.sh\r\n");
        QVERIFY(f.startStation());
        const Form1Menus& m = f.form1().controls().menus;
        QCOMPARE(m.menuextra->menuAction()->isVisible(), slot3);
        QCOMPARE(f.state().addOnMenuVisible, slot3);
        for (int i = 0; i < m.menuextras.size(); ++i)
            QCOMPARE(m.menuextras[i]->isVisible(), slot3 && i == 2);
        if (!slot3)
            return;
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

    void helpMenuAndAboutBox() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        for (HelpItem item :
             {HelpItem::Web, HelpItem::Group, HelpItem::MoreSoftware, HelpItem::Homepage})
            helpItem(f, item)->trigger();
        QCOMPARE(f.platform.webLinks,
                 QStringList({weblinks::kProgramPage, weblinks::kSupportGroup,
                              weblinks::kAuthorSoftware, weblinks::kAuthorHome}));

        QTest::mouseDClick(f.find<LogoPicture>(QStringLiteral("Picture1")), Qt::LeftButton);
        QPointer<frmAbout> about = f.form1().findChild<frmAbout*>(QStringLiteral("frmAbout"));
        QVERIFY(about && about->isVisible() && about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("About ZENO"));
        QCOMPARE(about->lblVersion->text(), QStringLiteral("Version ") + ProgramVersion::text());

        QTest::mouseClick(about->lblMail, Qt::LeftButton);
        QCOMPARE(f.platform.webLinks.last(),
                 QStringLiteral("mailto:qz9zzz@zeno.example.org?subject=ZENO v %1. %2. %3")
                     .arg(ProgramVersion::major)
                     .arg(ProgramVersion::minor)
                     .arg(ProgramVersion::revision));
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

    void manualOpensAtTheWindowsSection() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        helpItem(f, HelpItem::Topics)->trigger();
        QCOMPARE(shownSection(f), QStringLiteral("contents"));
        QTest::keyClick(&f.form1(), Qt::Key_F1);
        QCOMPARE(shownSection(f), QStringLiteral("main-window"));

        menuItem(f.form1().controls().menus.menuoptions, OptionItem::Notebook)->trigger();
        auto* notebook = f.form1().findChild<Editor*>(QStringLiteral("Editor"));
        notebook->findChild<QAction*>(QStringLiteral("menuhelpedit"))->trigger();
        QCOMPARE(shownSection(f), QStringLiteral("notebook"));

        auto* help = f.form1().findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
        help->findChild<QToolButton*>(QStringLiteral("helpBack"))->click();
        QCOMPARE(shownSection(f), QStringLiteral("main-window"));
        help->findChild<QLineEdit*>(QStringLiteral("helpSearch"))
            ->setText(QStringLiteral("public folder"));
        help->findChild<QPushButton*>(QStringLiteral("helpFind"))->click();
        QCOMPARE(help->browser()->textCursor().selectedText(), QStringLiteral("public folder"));
    }

    void notebookKeepsTheFileItOpened() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.writeFile(QStringLiteral("Notebook.txt"), "sked 21:30\r\n");
        f.writeFile(QStringLiteral("passes.txt"), "AO-91\r\n");
        menuItem(f.form1().controls().menus.menuoptions, OptionItem::Notebook)->trigger();
        auto* notebook = f.form1().findChild<Editor*>(QStringLiteral("Editor"));
        QVERIFY(notebook && notebook->isVisible());
        QCOMPARE(notebook->Text1->toPlainText(), QStringLiteral("sked 21:30\n"));

        f.dialogs.expectOpenFile(f.file(QStringLiteral("passes.txt")));
        notebook->findChild<QAction*>(QStringLiteral("menunoteopen"))->trigger();
        QCOMPARE(f.state().notebookFile, f.file(QStringLiteral("passes.txt")));
        notebook->close();
        menuItem(f.form1().controls().menus.menuoptions, OptionItem::Notebook)->trigger();
        QCOMPARE(notebook->Text1->toPlainText(), QStringLiteral("AO-91\n"));
        QVERIFY(f.dialogs.problems().isEmpty());
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
