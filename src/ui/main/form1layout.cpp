// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/form1layout.h"

#include "config/formdefaults.h"
#include "platform/units.h"
#include "ui/common/controls.h"
#include "ui/common/hintfit.h"
#include "ui/common/toolicons.h"
#include "ui/common/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace zeno {

namespace {

using namespace controls;

constexpr int kPollMs = 250;

QIcon themed(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(themeName),
                            QApplication::style()->standardIcon(fallback));
}

// A caption that changes while the program runs (every second, every new station) fills its
// own background: a change then repaints the label alone, not the frame around it, whose
// rounded outline costs more to draw than the text.
void repaintsAlone(QLabel* label) { label->setAutoFillBackground(true); }

void makeBold(QLabel* label, double scale = 1.0) {
    QFont font = label->font();
    font.setBold(true);
    if (scale != 1.0)
        font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
}

// The callsign and its darker shadow one pixel to the lower right.
void shadowed(QLabel* text, QLabel* shadow) {
    shadow->setStyleSheet(QStringLiteral("color: #404040;"));
    text->setStyleSheet(QStringLiteral("color: #ffff00;"));
    text->raise();
    markShadow(shadow, text);
}

void buildCommunicationPanel(QWidget* central, CommunicationPanel& c) {
    c.Frame3 = frame(central, "Frame3", QStringLiteral("Communication"), {10, 0, 6015, 1455});
    QWidget* f = c.Frame3;
    c.Label1 = label(f, "Label1", QStringLiteral("To:"), {120, 300, 450, 300});
    c.Combo2 = comboBox(f, "Combo2", FormDefaults::toText(), {}, {600, 270, 1680, 330});
    c.Label3 = label(f, "Label3", QStringLiteral("Via:"), {120, 675, 450, 300});
    c.Combo3 = comboBox(f, "Combo3", FormDefaults::viaText(), {}, {600, 645, 1680, 330});
    c.Label14 = label(f, "Label14", QStringLiteral("Your Call:"), {135, 1065, 960, 300});
    c.Label2 = label(f, "Label2", QStringLiteral("Your Call:"), {120, 1050, 960, 300});
    c.Label5 = label(f, "Label5", QStringLiteral("MYCALL"), {1125, 1065, 1200, 300});
    c.Label4 = label(f, "Label4", QStringLiteral("MYCALL"), {1110, 1050, 1200, 300});
    makeBold(c.Label4);
    makeBold(c.Label5);
    shadowed(c.Label4, c.Label5);
    c.Label14->setStyleSheet(QStringLiteral("color: #404040;"));
    c.Label2->raise();
    markShadow(c.Label14, c.Label2);
    c.Command2 = button(f, "Command2", QStringLiteral("TX UI &Data/text"),
                        QStringLiteral("Send your TX-data"), {2400, 240, 1770, 375});
    c.Command9 = button(f, "Command9", QStringLiteral("TX APRS &Postition"),
                        QStringLiteral("Send your position and text in APRS format"),
                        {4200, 240, 1740, 375});
    c.Command7 = button(f, "Command7", QStringLiteral("TX APRS &Message"),
                        QStringLiteral("Send your APRS Message"), {2400, 660, 1770, 375});
    c.Command10 = button(f, "Command10", QStringLiteral("Connect To"),
                         QStringLiteral("Connect To a Station (Use on Sats only if allowed)"),
                         {4200, 660, 1740, 375});
}

// The Time panel is wider than the logo beside it: the clock shares its row with "Next pass".
void buildTimePanel(QWidget* central, TimePanel& c) {
    c.Frame6 = frame(central, "Frame6", QStringLiteral("Time"), {6120, 0, 2295, 1455});
    QWidget* f = c.Frame6;
    c.Check4 =
        checkBox(f, "Check4", QStringLiteral("Auto Beacon"),
                 QStringLiteral("Enable/disable automatic timed beacon"), {90, 240, 1560, 270});
    c.Label7 = label(f, "Label7", QStringLiteral("Start:"), {90, 555, 540, 270});
    c.Text5 = textBox(f, "Text5", QStringLiteral("00:00:00"),
                      QStringLiteral("Time in hours:minutes:seconds to start the beacon"),
                      {630, 525, 990, 300});
    c.Label9 = label(f, "Label9", QStringLiteral("Stop:"), {90, 870, 540, 270});
    c.Text6 = textBox(f, "Text6", QStringLiteral("00:00:00"),
                      QStringLiteral("Time in hours:minutes:seconds to stop the beacon"),
                      {630, 840, 990, 300});
    c.Klok = clockLabel(f, "Klok", QStringLiteral("00:00:00"), {90, 1170, 900, 240});
    c.Klok->setAlignment(Qt::AlignCenter);
    makeBold(c.Klok);
    repaintsAlone(c.Klok);
    c.NextPass = button(f, "NextPass", QStringLiteral("Next pass"),
                        QStringLiteral("Start and Stop at the next pass of the satellite in the "
                                       "Via box, Auto Beacon on"),
                        {1020, 1110, 1200, 330});
}

void buildLogoPanel(QWidget* central, LogoPanel& c) {
    c.Frame4 = frame(central, "Frame4", QString(), {8520, 0, 1695, 1455});
    c.Picture1 = new LogoPicture(c.Frame4);
    c.Picture1->setObjectName(QStringLiteral("Picture1"));
    placeTwips(c.Picture1, {75, 120, 1545, 1260});
}

void buildTxPanels(QWidget* central, TxDataPanel& tx, AprsPositionPanel& position,
                   AprsMessagePanel& message) {
    const QIcon editIcon = themed("document-edit", QStyle::SP_FileDialogDetailedView);

    tx.Frame2 = frame(central, "Frame2", QStringLiteral("TX-Data"), {10, 1440, 7815, 585});
    tx.Label10 = label(tx.Frame2, "Label10", QStringLiteral("Text:"), {90, 225, 510, 300});
    tx.Combo1 = comboBox(tx.Frame2, "Combo1", FormDefaults::txText(),
                         QStringLiteral("Text to transmit"), {630, 195, 6660, 330});
    tx.Command12 = pictureButton(tx.Frame2, "Command12", editIcon,
                                 QStringLiteral("Edit TX-Data history"), {7380, 180, 360, 360});

    position.Frame7 =
        frame(central, "Frame7", QStringLiteral("TX APRS Position"), {10, 2020, 7815, 585});
    QWidget* p = position.Frame7;
    position.Label8 = label(p, "Label8", QStringLiteral("Text:"), {90, 225, 510, 300});
    position.Combo4 = comboBox(p, "Combo4", FormDefaults::aprsComment(),
                               QStringLiteral("Enter text to transmit with your APRS position"),
                               {630, 195, 6240, 330});
    position.Command19 =
        pictureButton(p, "Command19", themed("applications-internet", QStyle::SP_DriveNetIcon),
                      QStringLiteral("Edit APRS Position and/or Icon"), {6960, 180, 360, 360});
    position.Command11 = pictureButton(
        p, "Command11", editIcon, QStringLiteral("Edit APRS-Data history"), {7380, 180, 360, 360});

    message.Frame8 =
        frame(central, "Frame8", QStringLiteral("TX APRS Message"), {10, 2610, 7815, 580});
    QWidget* m = message.Frame8;
    message.Label11 = label(m, "Label11", QStringLiteral("For:"), {90, 225, 420, 300});
    message.Combo5 = comboBox(m, "Combo5", FormDefaults::messageFor(), {}, {510, 195, 1380, 330});
    message.Label12 = label(m, "Label12", QStringLiteral("Message:"), {1980, 225, 810, 300});
    message.Combo6 =
        comboBox(m, "Combo6", FormDefaults::messageText(),
                 QStringLiteral("Message contents to transmit for:"), {2820, 195, 4050, 330});
    message.Command18 =
        pictureButton(m, "Command18", themed("mail-read", QStyle::SP_FileDialogContentsView),
                      QStringLiteral("View received APRS Messages"), {6960, 180, 360, 360});
    message.Command17 =
        pictureButton(m, "Command17", editIcon, QStringLiteral("Edit APRS-Messages history"),
                      {7380, 180, 360, 360});
}

void buildHeardPanel(QWidget* central, HeardPanel& c) {
    c.Frame5 = frame(central, "Frame5", QStringLiteral("MHeard"), {7920, 1440, 2295, 1755});
    QWidget* f = c.Frame5;
    c.List1 = heardListBox(f, "List1", QStringLiteral("Double click callsign to write message..."),
                           {90, 240, 1380, 1440});
    c.StationTeller = label(f, "StationTeller", QStringLiteral("0"), {1530, 240, 690, 270});
    c.StationTeller->setToolTip(QStringLiteral("Total stations heard"));
    c.StationTeller->setAlignment(Qt::AlignCenter);
    repaintsAlone(c.StationTeller);
    c.Command16 = button(f, "Command16", QStringLiteral("Copy"), QStringLiteral("Copy Heard List"),
                         {1530, 570, 690, 345});
    c.Command6 = button(f, "Command6", QStringLiteral("Clear"),
                        QStringLiteral("Clear heard station list"), {1530, 945, 690, 345});
    c.Command5 = button(f, "Command5", QStringLiteral("Save.."),
                        QStringLiteral("Save this MHeard station list"), {1530, 1320, 690, 345});
}

void buildMonitorPanel(QWidget* central, MonitorPanel& c, TimePanel& time) {
    c.Frame1 = frame(central, "Frame1", QStringLiteral("Monitor"), {10, 3190, 10200, 4335});
    QWidget* f = c.Frame1;
    c.Check5 = checkBox(f, "Check5", QStringLiteral("Expand"),
                        QStringLiteral("Expand the Monitor window (or restore it to normal)"),
                        {90, 240, 960, 300});
    const struct {
        QToolButton** button;
        const char* name;
        const char* theme;
        const char* tip;
        int left;
    } pictures[] = {
        {&c.Command13, "Command13", "edit-cut", "Cut", 1080},
        {&c.Command14, "Command14", "edit-copy", "Copy", 1470},
        {&c.Command15, "Command15", "edit-paste", "Paste", 1860},
        {&c.Command8, "Command8", "edit-clear", "Clear the entire monitor window", 2310},
        {&c.Command4, "Command4", "document-print", "Print selected tekst or entire monitor", 2700},
        {&c.Command1, "Command1", "document-save", "Save Monitor (or selected parts)", 3090},
        {&c.Command3, "Command3", "document-open", "Open File in Monitor", 3480},
    };
    for (const auto& p : pictures) {
        *p.button = pictureButton(f, p.name, toolIcon(p.theme), QLatin1String(p.tip),
                                  {double(p.left), 210, 360, 360});
    }
    c.Check3 =
        checkBox(f, "Check3", QStringLiteral("View Data"),
                 QStringLiteral("Switch to view only data (no headers)"), {3960, 240, 1230, 300});
    c.Check2 =
        checkBox(f, "Check2", QStringLiteral("Stop Monitor"),
                 QStringLiteral("Temporary stop monitoring packets"), {5190, 240, 1440, 300});
    c.Check1 = checkBox(f, "Check1", QStringLiteral("AutoScroll"),
                        QStringLiteral("Automatic scrolling ON or OFF"), {6630, 240, 1290, 300});
    c.Check1->setChecked(true);
    c.Label13 =
        clickableLabel(f, "Label13", QStringLiteral("No Filter"),
                       QStringLiteral("Selected Filter (show only data from specified Filter)"),
                       {7950, 240, 1080, 300});
    time.Label6 = clickableLabel(f, "Label6", QStringLiteral("Beacon OFF"),
                                 QStringLiteral("Double click to enable/disable Beacon"),
                                 {9060, 240, 1080, 300});
    for (ClickableLabel* l : {c.Label13, time.Label6}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Panel);
    }
    c.Text1 = monitorArea(f, "Text1", {90, 580, 10020, 4335 - 580});
    c.Text1->setReadOnly(true);
    c.Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    c.Text1->setUndoRedoEnabled(false);  // the monitor is appended to all day: keep no undo history
    c.Text1->setFont(fontForFamily(QStringLiteral("Fixedsys")));
}

void buildListenerPanel(QWidget* central, ListenerPanel& c) {
    c.SWLFrame = frame(central, "SWLFrame", QString(), {10, 0, 3615, 1455});
    QWidget* f = c.SWLFrame;
    c.Label15 = label(f, "Label15", QStringLiteral("SWL MODE"), {120, 180, 3300, 450});
    c.SWLabel2 = label(f, "SWLabel2", QStringLiteral("MYCALL"), {135, 735, 3300, 450});
    c.SWLlabel1 = label(f, "SWLlabel1", QStringLiteral("MYCALL"), {120, 720, 3300, 450});
    for (QLabel* l : {c.Label15, c.SWLabel2, c.SWLlabel1})
        makeBold(l, 1.6);
    shadowed(c.SWLlabel1, c.SWLabel2);
    c.SWLFrame->hide();
}

}  // namespace

double layoutHeightTwips(const QMainWindow& window) {
    const QStatusBar* status = window.statusBar();
    return pixelsToTwips(window.frameGeometry().height()) -
           (status->isVisible() ? pixelsToTwips(status->height()) : 0);
}

void buildForm1Layout(QMainWindow* window, Form1Controls& c) {
    // The panels scroll only where the screen is smaller than they need.
    c.scroll = new QScrollArea(window);
    c.scroll->setObjectName(QStringLiteral("panels"));
    c.scroll->setFrameShape(QFrame::NoFrame);
    window->setCentralWidget(c.scroll);
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("centralWidget"));
    c.scroll->setWidget(central);
    buildCommunicationPanel(central, c.communication);
    buildTimePanel(central, c.time);
    buildLogoPanel(central, c.logo);
    buildTxPanels(central, c.txData, c.aprsPosition, c.aprsMessage);
    buildHeardPanel(central, c.heard);
    buildMonitorPanel(central, c.monitor, c.time);
    buildListenerPanel(central, c.listener);

    c.linkStatus = label(window, "linkStatus", QString());
    window->statusBar()->addWidget(c.linkStatus, 1);
    c.engineFileStatus = label(window, "engineFileStatus", QString());
    c.engineFileStatus->hide();
    window->statusBar()->addWidget(c.engineFileStatus);
    c.droppedFrames = label(window, "droppedFrames", QString());
    c.droppedFrames->hide();
    window->statusBar()->addPermanentWidget(c.droppedFrames);
    c.Timer1 = controls::timer(window, "Timer1", kPollMs);
}

}  // namespace zeno
