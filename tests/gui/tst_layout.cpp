// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on a 1280x800 screen: wholly on it, and no control overlapping a sibling,
// sticking out of its parent, under its minimum size hint or cutting its caption.

#include "windowtest.h"

#include "ui/common/widgets.h"
#include "ui/windows/form8.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {

QString where(const QWidget* w) {
    QString text;
    QDebug(&text).nospace() << w->objectName() << ' ' << w->geometry();
    return text;
}

// Our own shown controls against their size hints, their parent and each other.
void walk(const QWidget* parent, QStringList& problems) {
    QList<const QWidget*> shown;
    for (const QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || !w->isVisible())
            continue;
        walk(w, problems);
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        shown << w;
        const QSize least = w->minimumSizeHint();
        if (least.isValid() && (w->width() < least.width() || w->height() < least.height()))
            problems << where(w) + " is smaller than its minimum size hint";
        const auto* label = qobject_cast<const QLabel*>(w);
        if ((qobject_cast<const QAbstractButton*>(w) || (label && !label->wordWrap())) &&
            w->width() < w->sizeHint().width())
            problems << where(w) + " cuts its text";
        if (parent->objectName() != QLatin1String("qt_scrollarea_viewport") &&
            !parent->rect().contains(w->geometry()))
            problems << where(w) + " sticks out of " + where(parent);
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            // A label drawn again a pixel aside as its shadow shows the same text.
            const auto* a = qobject_cast<const QLabel*>(shown[i]);
            const auto* b = qobject_cast<const QLabel*>(shown[j]);
            if (shown[i]->geometry().intersects(shown[j]->geometry()) &&
                !(a && b && a->text() == b->text()))
                problems << where(shown[i]) + " overlaps " + where(shown[j]);
        }
    }
}

QStringList problemsOf(const QWidget* window) {
    QStringList problems;
    const QRect screen = window->screen()->availableGeometry();
    if (!screen.contains(window->frameGeometry()))
        problems << window->objectName() + " does not open wholly on the screen";
    walk(window, problems);
    return problems;
}

QWidget* openWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == name)
            return w;
    }
    return nullptr;
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void everyWindowOpensWholeWithNothingCutOrOverlapping() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        Form1& main = f.form1();
        QStringList problems = problemsOf(&main);
        const QScrollArea* panels = main.controls().scroll;
        if (main.screen()->availableGeometry().height() >= 700 &&
            (panels->horizontalScrollBar()->isVisible() ||
             panels->verticalScrollBar()->isVisible()))
            problems << "Form1 scrolls at its opening size";
        QCheckBox* expand = main.controls().monitor.Check5;
        expand->click();
        problems << problemsOf(&main);
        expand->click();
        // A caption that needs more room at run time moves its neighbours along.
        main.controls().time.Label6->setText(QStringLiteral("Beacon OFF until the next pass"));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        problems << problemsOf(&main);

        main.showPopup(QStringLiteral("PA3XYZ de N0CALL"));
        main.Command18_Click();
        main.Picture1_DblClick();
        const Form1Menus& menus = main.controls().menus;
        menuItem(menus.menuoptions, OptionItem::Notebook)->trigger();
        menuItem(menus.menuhelps, HelpItem::Topics)->trigger();
        f.server.sendConnected(QStringLiteral("N2BBB"), QStringLiteral("PA3XYZ"));
        QVERIFY(f.tickUntil([&] { return f.state().connection.IsConnected; }));
        for (const char* name : {"Meld", "Form7", "frmAbout", "Editor", "HelpWindow", "Form4"}) {
            const QWidget* window = openWindow(QLatin1String(name));
            QVERIFY2(window, name);
            problems << problemsOf(window);
        }
        for (const auto& [name, item] :
             {std::pair{"Form2", SetupItem::AprsPosition}, std::pair{"Form3", SetupItem::Setup},
              std::pair{"Form5", SetupItem::EditTxDataHistory}}) {
            whenModal(QLatin1String(name), [&](QDialog* modal) { problems << problemsOf(modal); });
            menuItem(menus.menusetups, item)->trigger();
        }
        Form8 fonts(&main);
        fonts.show();
        problems << problemsOf(&fonts);

        // Where the screen has room: a whole message line, and a heard list that grows with a
        // taller window.
        const QRect screen = main.screen()->availableGeometry();
        const auto* messages = openWindow("Form7")->findChild<QListWidget*>("List1");
        const QString line = "05-24-2002 - 21:04:09 | From: N0CALL-15 | To: PA3XYZ    | Message: ";
        if (screen.width() >= 1200 &&
            messages->viewport()->width() <
                messages->fontMetrics().horizontalAdvance(line + QString(73, u'M')))
            problems << QStringLiteral("Form7 is narrower than a message line");
        if (screen.height() >= 700) {
            main.resize(main.width(), screen.height() - 40);
            QVERIFY(f.hear({"N1A>CQ:x", "N2A>CQ:x", "N3A>CQ:x", "N4A>CQ:x", "N5A>CQ:x", "N6A>CQ:x",
                            "N7A>CQ:x"}));
            const QListWidget* heard = main.controls().heard.List1;
            if (!heard->viewport()->rect().contains(heard->visualItemRect(heard->item(6))))
                problems << QStringLiteral("The heard list shows six rows or fewer");
            problems << problemsOf(&main);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

// The screen of a 1280x800 laptop; CTest runs this once more with QT_SCALE_FACTOR=2.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    if (QFile file(config); file.open(QIODevice::WriteOnly))
        file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280, "height": 800,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestLayout test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
