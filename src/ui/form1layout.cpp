#include "ui/form1layout.h"

#include "config/formdefaults.h"
#include "platform/units.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace zeno {

void placeTwips(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QGroupBox* panel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                 int h) {
    auto* box = named(new QGroupBox(caption, parent), name);
    placeTwips(box, l, t, w, h);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect px) {
    auto* l = named(new QLabel(text, parent), name);
    l->setGeometry(px);
    return l;
}

QComboBox* historyBox(QWidget* parent, const char* name, const QString& text, QRect px) {
    auto* box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);  // the history rules decide what is kept
    box->setEditText(text);
    box->setGeometry(px);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip,
                    QRect px) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setToolTip(tip);
    b->setGeometry(px);
    b->setAutoDefault(false);
    return b;
}

QToolButton* pictureButton(QWidget* parent, const char* name, const QIcon& icon, const QString& tip,
                           QRect px) {
    auto* b = named(new QToolButton(parent), name);
    b->setIcon(icon);
    b->setToolTip(tip);
    b->setGeometry(px);
    b->setAutoRaise(false);
    return b;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& caption, const QString& tip,
                 QRect px) {
    auto* c = named(new QCheckBox(caption, parent), name);
    c->setToolTip(tip);
    c->setGeometry(px);
    return c;
}

QIcon themed(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(themeName),
                            QApplication::style()->standardIcon(fallback));
}

void buildCommunicationPanel(QWidget* central, Form1Controls& c) {
    c.Frame3 = panel(central, "Frame3", QStringLiteral("Communication"), 10, 0, 6015, 1455);
    c.Label1 = label(c.Frame3, "Label1", QStringLiteral("To:"), {8, 20, 30, 20});
    c.Combo2 = historyBox(c.Frame3, "Combo2", FormDefaults::toText(), {40, 18, 112, 22});
    c.Label3 = label(c.Frame3, "Label3", QStringLiteral("Via:"), {8, 45, 30, 20});
    c.Combo3 = historyBox(c.Frame3, "Combo3", FormDefaults::viaText(), {40, 43, 112, 22});
    c.Label14 = label(c.Frame3, "Label14", QStringLiteral("Your Call:"), {9, 71, 64, 20});
    c.Label2 = label(c.Frame3, "Label2", QStringLiteral("Your Call:"), {8, 70, 64, 20});
    c.Label5 = label(c.Frame3, "Label5", QStringLiteral("MYCALL"), {75, 71, 80, 20});
    c.Label4 = label(c.Frame3, "Label4", QStringLiteral("MYCALL"), {74, 70, 80, 20});
    for (QLabel* shadow : {c.Label14, c.Label5})
        shadow->setStyleSheet(QStringLiteral("color: #404040;"));
    QFont callFont = c.Label4->font();
    callFont.setBold(true);
    c.Label4->setFont(callFont);
    c.Label5->setFont(callFont);
    c.Label4->setStyleSheet(QStringLiteral("color: #ffff00;"));
    c.Command2 = button(c.Frame3, "Command2", QStringLiteral("TX UI &Data/text"),
                        QStringLiteral("Send your TX-data"), {160, 16, 118, 25});
    c.Command9 =
        button(c.Frame3, "Command9", QStringLiteral("TX APRS &Postition"),
               QStringLiteral("Send your position and text in APRS format"), {280, 16, 116, 25});
    c.Command7 = button(c.Frame3, "Command7", QStringLiteral("TX APRS &Message"),
                        QStringLiteral("Send your APRS Message"), {160, 44, 118, 25});
    c.Command10 = button(c.Frame3, "Command10", QStringLiteral("Connect To"),
                         QStringLiteral("Connect To a Station (Use on Sats only if allowed)"),
                         {280, 44, 116, 25});
}

void buildTimePanel(QWidget* central, Form1Controls& c) {
    c.Frame6 = panel(central, "Frame6", QStringLiteral("Time"), 6120, 0, 1695, 1455);
    c.Check4 = check(c.Frame6, "Check4", QStringLiteral("Auto Beacon"),
                     QStringLiteral("Enable/disable automatic timed beacon"), {6, 16, 104, 18});
    c.Label7 = label(c.Frame6, "Label7", QStringLiteral("Start:"), {6, 37, 36, 18});
    c.Text5 = named(new QLineEdit(QStringLiteral("00:00:00"), c.Frame6), "Text5");
    c.Text5->setToolTip(QStringLiteral("Time in hours:minutes:seconds to start the beacon"));
    c.Text5->setGeometry(42, 35, 66, 20);
    c.Label9 = label(c.Frame6, "Label9", QStringLiteral("Stop:"), {6, 58, 36, 18});
    c.Text6 = named(new QLineEdit(QStringLiteral("00:00:00"), c.Frame6), "Text6");
    c.Text6->setToolTip(QStringLiteral("Time in hours:minutes:seconds to stop the beacon"));
    c.Text6->setGeometry(42, 56, 66, 20);
    c.Klok = label(c.Frame6, "Klok", QStringLiteral("00:00:00"), {6, 78, 102, 16});
    c.Klok->setAlignment(Qt::AlignCenter);
    QFont clockFont = c.Klok->font();
    clockFont.setBold(true);
    c.Klok->setFont(clockFont);
}

void buildLogoPanel(QWidget* central, Form1Controls& c) {
    c.Frame4 = panel(central, "Frame4", QString(), 7920, 0, 2295, 1455);
    c.Picture1 = named(new LogoPicture(c.Frame4), "Picture1");
    c.Picture1->setGeometry(5, 8, twipsToPixels(2295) - 10, twipsToPixels(1455) - 13);
}

void buildTxPanels(QWidget* central, Form1Controls& c) {
    const QIcon editIcon = themed("document-edit", QStyle::SP_FileDialogDetailedView);

    c.Frame2 = panel(central, "Frame2", QStringLiteral("TX-Data"), 10, 1440, 7815, 585);
    c.Label10 = label(c.Frame2, "Label10", QStringLiteral("Text:"), {6, 15, 34, 20});
    c.Combo1 = historyBox(c.Frame2, "Combo1", FormDefaults::txText(), {42, 13, 444, 22});
    c.Combo1->setToolTip(QStringLiteral("Text to transmit"));
    c.Command12 = pictureButton(c.Frame2, "Command12", editIcon,
                                QStringLiteral("Edit TX-Data history"), {492, 12, 24, 24});

    c.Frame7 = panel(central, "Frame7", QStringLiteral("TX APRS Position"), 10, 2020, 7815, 585);
    c.Label8 = label(c.Frame7, "Label8", QStringLiteral("Text:"), {6, 15, 34, 20});
    c.Combo4 = historyBox(c.Frame7, "Combo4", FormDefaults::aprsComment(), {42, 13, 416, 22});
    c.Combo4->setToolTip(QStringLiteral("Enter text to transmit with your APRS position"));
    c.Command19 = pictureButton(
        c.Frame7, "Command19", themed("applications-internet", QStyle::SP_DriveNetIcon),
        QStringLiteral("Edit APRS Position and/or Icon"), {464, 12, 24, 24});
    c.Command11 = pictureButton(c.Frame7, "Command11", editIcon,
                                QStringLiteral("Edit APRS-Data history"), {492, 12, 24, 24});

    c.Frame8 = panel(central, "Frame8", QStringLiteral("TX APRS Message"), 10, 2610, 7815, 580);
    c.Label11 = label(c.Frame8, "Label11", QStringLiteral("For:"), {6, 15, 28, 20});
    c.Combo5 = historyBox(c.Frame8, "Combo5", FormDefaults::messageFor(), {34, 13, 92, 22});
    c.Label12 = label(c.Frame8, "Label12", QStringLiteral("Message:"), {132, 15, 54, 20});
    c.Combo6 = historyBox(c.Frame8, "Combo6", FormDefaults::messageText(), {188, 13, 270, 22});
    c.Combo6->setToolTip(QStringLiteral("Message contents to transmit for:"));
    c.Command18 =
        pictureButton(c.Frame8, "Command18", themed("mail-read", QStyle::SP_FileDialogContentsView),
                      QStringLiteral("View received APRS Messages"), {464, 12, 24, 24});
    c.Command17 = pictureButton(c.Frame8, "Command17", editIcon,
                                QStringLiteral("Edit APRS-Messages history"), {492, 12, 24, 24});
}

void buildHeardPanel(QWidget* central, Form1Controls& c) {
    c.Frame5 = panel(central, "Frame5", QStringLiteral("MHeard"), 7920, 1440, 2295, 1755);
    c.List1 = named(new QListWidget(c.Frame5), "List1");
    c.List1->setToolTip(QStringLiteral("Double click callsign to write message..."));
    c.List1->setGeometry(6, 16, 92, 96);
    c.StationTeller = label(c.Frame5, "StationTeller", QStringLiteral("0"), {102, 16, 46, 18});
    c.StationTeller->setToolTip(QStringLiteral("Total stations heard"));
    c.StationTeller->setAlignment(Qt::AlignCenter);
    c.Command16 = button(c.Frame5, "Command16", QStringLiteral("Copy"),
                         QStringLiteral("Copy Heard List"), {102, 38, 46, 23});
    c.Command6 = button(c.Frame5, "Command6", QStringLiteral("Clear"),
                        QStringLiteral("Clear heard station list"), {102, 63, 46, 23});
    c.Command5 = button(c.Frame5, "Command5", QStringLiteral("Save.."),
                        QStringLiteral("Save this MHeard station list"), {102, 88, 46, 23});
}

void buildMonitorPanel(QWidget* central, Form1Controls& c) {
    c.Frame1 = panel(central, "Frame1", QStringLiteral("Monitor"), 10, 3190, 10200, 4335);
    QWidget* f = c.Frame1;
    c.Check5 = check(f, "Check5", QStringLiteral("Expand"),
                     QStringLiteral("Expand the Monitor window (or restore it to normal)"),
                     {6, 16, 64, 20});
    c.Command13 = pictureButton(f, "Command13", themed("edit-cut", QStyle::SP_DialogDiscardButton),
                                QStringLiteral("Cut"), {72, 14, 24, 24});
    c.Command14 = pictureButton(f, "Command14", themed("edit-copy", QStyle::SP_FileLinkIcon),
                                QStringLiteral("Copy"), {98, 14, 24, 24});
    c.Command15 = pictureButton(f, "Command15", themed("edit-paste", QStyle::SP_DialogApplyButton),
                                QStringLiteral("Paste"), {124, 14, 24, 24});
    c.Command8 =
        pictureButton(f, "Command8", themed("edit-clear", QStyle::SP_DialogResetButton),
                      QStringLiteral("Clear the entire monitor window"), {154, 14, 24, 24});
    c.Command4 =
        pictureButton(f, "Command4", themed("document-print", QStyle::SP_ComputerIcon),
                      QStringLiteral("Print selected tekst or entire monitor"), {180, 14, 24, 24});
    c.Command1 =
        pictureButton(f, "Command1", themed("document-save", QStyle::SP_DialogSaveButton),
                      QStringLiteral("Save Monitor (or selected parts)"), {206, 14, 24, 24});
    c.Command3 = pictureButton(f, "Command3", themed("document-open", QStyle::SP_DialogOpenButton),
                               QStringLiteral("Open File in Monitor"), {232, 14, 24, 24});
    c.Check3 = check(f, "Check3", QStringLiteral("View Data"),
                     QStringLiteral("Switch to view only data (no headers)"), {264, 16, 82, 20});
    c.Check2 = check(f, "Check2", QStringLiteral("Stop Monitor"),
                     QStringLiteral("Temporary stop monitoring packets"), {346, 16, 96, 20});
    c.Check1 = check(f, "Check1", QStringLiteral("AutoScroll"),
                     QStringLiteral("Automatic scrolling ON or OFF"), {442, 16, 86, 20});
    c.Check1->setChecked(true);
    c.Label13 = named(new ClickableLabel(QStringLiteral("No Filter"), f), "Label13");
    c.Label13->setToolTip(QStringLiteral("Selected Filter (show only data from specified Filter)"));
    c.Label13->setGeometry(530, 16, 72, 20);
    c.Label13->setAlignment(Qt::AlignCenter);
    c.Label13->setFrameShape(QFrame::Panel);
    c.Label6 = named(new ClickableLabel(QStringLiteral("Beacon OFF"), f), "Label6");
    c.Label6->setToolTip(QStringLiteral("Double click to enable/disable Beacon"));
    c.Label6->setGeometry(604, 16, 72, 20);
    c.Label6->setAlignment(Qt::AlignCenter);
    c.Label6->setFrameShape(QFrame::Panel);
    c.Text1 = named(new QPlainTextEdit(f), "Text1");
    c.Text1->setReadOnly(true);
    c.Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    c.Text1->setUndoRedoEnabled(false);  // the monitor is appended to all day: keep no undo history
    c.Text1->setFont(fontForFamily(QStringLiteral("Fixedsys")));
    placeTwips(c.Text1, 90, 580, 10020, 4335 - 580);
}

void buildListenerPanel(QWidget* central, Form1Controls& c) {
    c.SWLFrame = panel(central, "SWLFrame", QString(), 10, 0, 3615, 1455);
    c.Label15 = label(c.SWLFrame, "Label15", QStringLiteral("SWL MODE"), {8, 12, 220, 30});
    QFont big = c.Label15->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    c.Label15->setFont(big);
    c.SWLabel2 = label(c.SWLFrame, "SWLabel2", QStringLiteral("MYCALL"), {9, 49, 220, 30});
    c.SWLlabel1 = label(c.SWLFrame, "SWLlabel1", QStringLiteral("MYCALL"), {8, 48, 220, 30});
    c.SWLabel2->setFont(big);
    c.SWLlabel1->setFont(big);
    c.SWLabel2->setStyleSheet(QStringLiteral("color: #404040;"));
    c.SWLlabel1->setStyleSheet(QStringLiteral("color: #ffff00;"));
    c.SWLFrame->hide();
}

}  // namespace

void buildForm1Layout(QMainWindow* window, Form1Controls& c) {
    auto* central = named(new QWidget(window), "centralWidget");
    window->setCentralWidget(central);
    buildCommunicationPanel(central, c);
    buildTimePanel(central, c);
    buildLogoPanel(central, c);
    buildTxPanels(central, c);
    buildHeardPanel(central, c);
    buildMonitorPanel(central, c);
    buildListenerPanel(central, c);

    c.linkStatus = named(new QLabel(window), "linkStatus");
    window->statusBar()->addWidget(c.linkStatus, 1);

    c.Timer1 = named(new QTimer(window), "Timer1");
    c.Timer1->setInterval(250);
}

}  // namespace zeno
