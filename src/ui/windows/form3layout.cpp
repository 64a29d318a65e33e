// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/form3layout.h"

#include "ui/common/controls.h"
#include "ui/common/screenfit.h"
#include "ui/common/widgets.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeno {

namespace {

using namespace controls;

// Lays out a frame's controls in rows; a null entry leaves its cell empty.
void rows(QGroupBox* frame, const QList<QList<QWidget*>>& cells) {
    auto* grid = new QGridLayout(frame);
    for (int r = 0; r < cells.size(); ++r) {
        for (int c = 0; c < cells[r].size(); ++c) {
            if (cells[r][c])
                grid->addWidget(cells[r][c], r, c);
        }
    }
}

void buildCallsign(QWidget* w, CallsignFrame& c) {
    c.Frame3 = frame(w, "Frame3", QStringLiteral("Your Call Sign"));
    c.Label2 = label(c.Frame3, "Label2", QStringLiteral("Your Call:"));
    c.Text3 = textBox(c.Frame3, "Text3", QStringLiteral("MYCALL"), QStringLiteral("Your callsign"));
    rows(c.Frame3, {{c.Label2, c.Text3}});
}

void buildAlarm(QWidget* w, AlarmFrame& c) {
    c.Frame7 = frame(w, "Frame7", QStringLiteral("Alarm"));
    QWidget* f = c.Frame7;
    c.Option10 = optionButton(f, "Option10", QStringLiteral("No alarm"));
    c.Option8 = optionButton(f, "Option8", QStringLiteral("Look in Header"),
                             QStringLiteral("Sound alarm when found in packet header"));
    c.Text2 =
        textBox(f, "Text2", QString(), QStringLiteral("String to look for in the packet header"));
    c.Option9 = optionButton(f, "Option9", QStringLiteral("Look in Data"),
                             QStringLiteral("Sound alarm when found in packet data"));
    c.Text4 = textBox(f, "Text4", QStringLiteral("Hello from Tarn"),
                      QStringLiteral("String to look for in the packet data"));
    rows(c.Frame7, {{c.Option10}, {c.Option8, c.Text2}, {c.Option9, c.Text4}});
}

void buildBeacon(QWidget* w, BeaconFrame& c) {
    c.Frame8 = frame(w, "Frame8", QStringLiteral("Beacon"));
    QWidget* f = c.Frame8;
    c.Option11 = optionButton(f, "Option11", QStringLiteral("Use TX-Data"),
                              QStringLiteral("Send the active TX-Data text"));
    c.Option12 = optionButton(f, "Option12", QString(),
                              QStringLiteral("Sends your active location and text in APRS format"));
    c.Check1 = checkBox(f, "Check1", QStringLiteral("Activate"));
    c.Label6 = label(f, "Label6", QStringLiteral("Interval"));
    c.Text5 = textBox(f, "Text5", QString());
    c.Label11 = label(f, "Label11", QStringLiteral("seconds"));
    rows(c.Frame8, {{c.Option11, c.Option12, c.Check1}, {c.Label6, c.Text5, c.Label11}});
}

void buildRadioPort(QWidget* w, RadioPortFrame& c) {
    c.Frame1 = frame(w, "Frame1", QStringLiteral("AGW Port"));
    c.Frame1->setToolTip(QStringLiteral("Select AGWPE radioport"));
    QList<QList<QWidget*>> portRows;
    const char* names[] = {"Option1", "Option2", "Option13", "Option14"};
    for (int i = 0; i < 4; ++i) {
        c.ports << optionButton(c.Frame1, names[i], QStringLiteral("Port %1").arg(i + 1));
        c.portNames << label(c.Frame1, qPrintable(QStringLiteral("PortName%1").arg(i + 1)), {});
        portRows << QList<QWidget*>{c.ports.last(), c.portNames.last()};
    }
    rows(c.Frame1, portRows);
}

// The engine is reached over TCP: where it listens is part of the setup.
void buildEngine(QWidget* w, EngineAddressFrame& c) {
    c.EngineFrame = frame(w, "EngineFrame", QStringLiteral("Engine"));
    QWidget* f = c.EngineFrame;
    c.EngineHost = textBox(f, "EngineHost", QString(),
                           QStringLiteral("Host name or address of the AGWPE engine"));
    c.EnginePort = textBox(f, "EnginePort", QString(),
                           QStringLiteral("TCP port of the AGWPE engine (1-65535)"));
    rows(c.EngineFrame, {{label(f, "Label12", QStringLiteral("Host:")), c.EngineHost},
                         {label(f, "Label13", QStringLiteral("Port:")), c.EnginePort}});
}

// Satellite passes are seen from the APRS position at this height.
void buildPasses(QWidget* w, PassesFrame& c) {
    c.PassFrame = frame(w, "PassFrame", QStringLiteral("Satellite Passes"));
    QWidget* f = c.PassFrame;
    c.Altitude = textBox(f, "Altitude", QString(),
                         QStringLiteral("Height of your station above sea level, in metres"));
    c.MinElevation =
        textBox(f, "MinElevation", QString(),
                QStringLiteral("Elevation in degrees above which a pass counts (0: the horizon)"));
    rows(c.PassFrame,
         {{label(f, "Label14", QStringLiteral("Altitude (m):")), c.Altitude},
          {label(f, "Label15", QStringLiteral("Min. elevation (°):")), c.MinElevation}});
}

void buildAutoDisconnect(QWidget* w, AutoDisconnectFrame& c) {
    c.Frame2 = frame(w, "Frame2", QStringLiteral("Auto Disconnect"));
    c.Check3 = checkBox(c.Frame2, "Check3", QStringLiteral("Disable Incomming Connects"),
                        QStringLiteral("disconnect stations who want to connect you"));
    rows(c.Frame2, {{c.Check3}});
}

void buildBbs(QWidget* w, BbsFrame& c) {
    c.Frame5 = frame(w, "Frame5", QStringLiteral("BBS"));
    QWidget* f = c.Frame5;
    c.Option15 = optionButton(f, "Option15", QStringLiteral("Enable BBS"),
                              QStringLiteral("Enable users to use all the BBS commands"));
    c.Option17 = optionButton(f, "Option17", QStringLiteral("Disable BBS"),
                              QStringLiteral("Disable the BBS commands for all users"));
    c.Option16 = optionButton(
        f, "Option16", QStringLiteral("BBS with Password"),
        QStringLiteral("Enable users to use all the BBS commands after entering password"));
    c.Label10 = label(f, "Label10", QStringLiteral("Password"));
    c.Text6 = textBox(f, "Text6", QString());
    rows(c.Frame5, {{c.Option15}, {c.Option17}, {c.Option16}, {c.Label10, c.Text6}});
}

void buildMessageLog(QWidget* w, MessageLogFrame& c) {
    c.Frame11 = frame(w, "Frame11", QStringLiteral("Log Messages"));
    c.Option19 = optionButton(c.Frame11, "Option19", QStringLiteral("Digipeated"));
    c.Option18 = optionButton(c.Frame11, "Option18", QString(), QStringLiteral("All messages"));
    c.CheckAck = checkBox(c.Frame11, "CheckAck", QStringLiteral("Acknowledge numbered messages"),
                          QStringLiteral("Answer numbered APRS messages to you with an ack"));
    rows(c.Frame11, {{c.Option19, c.Option18}, {c.CheckAck}});
}

void buildDisplay(QWidget* w, DisplayFrame& c) {
    c.Frame6 = frame(w, "Frame6", QStringLiteral("Display"));
    c.Check4 = checkBox(c.Frame6, "Check4", QStringLiteral("Remember Screen Size and Position"),
                        QStringLiteral("Use last size and position when running ZENO"));
    rows(c.Frame6, {{c.Check4}});
}

void buildListener(QWidget* w, ListenerFrame& c) {
    c.Frame13 = frame(w, "Frame13", QStringLiteral("SWL Mode"));
    c.Check6 = checkBox(
        c.Frame13, "Check6", QStringLiteral("Activate Special SWL Mode"),
        QStringLiteral("Activate special SWL mode (no TX and no editing TX related files)"));
    c.Command4 = pictureButton(c.Frame13, "Command4",
                               themedIcon("help-about", QStyle::SP_MessageBoxQuestion),
                               QStringLiteral("short info SWL mode"));
    rows(c.Frame13, {{c.Check6, c.Command4}});
}

void buildResetBoxes(QWidget* w, ResetBoxFrame& c) {
    c.Frame10 = frame(w, "Frame10", QStringLiteral("Reset Data Box"));
    const QIcon reset = themedIcon("edit-clear", QStyle::SP_DialogResetButton);
    QWidget* f = c.Frame10;
    c.Command11 = pictureButton(f, "Command11", reset, QStringLiteral("Reset the 'To:' box"));
    c.Command12 = pictureButton(f, "Command12", reset, QStringLiteral("Reset the 'Via:' box"));
    c.Command3 = pictureButton(f, "Command3", reset, QStringLiteral("Reset the 'For:' box"));
    rows(c.Frame10, {{c.Command11, c.Command12, c.Command3}});
}

void buildBoxColors(QWidget* w, BoxColorFrame& c, const QIcon& palette) {
    c.Frame12 = frame(w, "Frame12", QStringLiteral("Input And Dropdown Box Colors"));
    QWidget* f = c.Frame12;
    c.Label7 = label(f, "Label7", QStringLiteral("Example:"));
    c.Label8 = label(f, "Label8", QStringLiteral("Peace and love to the World"));
    c.Label9 = label(f, "Label9", QStringLiteral("Color Shemes"));
    c.Option3 = optionButton(f, "Option3", QStringLiteral("Default"));
    c.Option4 = optionButton(f, "Option4", QStringLiteral("Classic"));
    c.Command13 = pictureButton(f, "Command13", palette, QStringLiteral("Text foreground color"));
    c.Command14 = button(f, "Command14", QStringLiteral("Background"),
                         QStringLiteral("Text background color"));
    rows(c.Frame12,
         {{c.Label7, c.Label8}, {c.Label9, c.Option3, c.Option4}, {c.Command13, c.Command14}});
}

void buildMonitorFont(QWidget* w, MonitorFontFrame& c, const QIcon& palette) {
    c.Frame4 = frame(w, "Frame4", QStringLiteral("Display Monitor/Connect Font"));
    QWidget* f = c.Frame4;
    c.Text1 = textBox(f, "Text1", QStringLiteral("Fixedsys"),
                      QStringLiteral("Font to use in monitor window"));
    c.Command15 = button(f, "Command15", QStringLiteral("Select"));
    c.Label1 = label(f, "Label1", QStringLiteral("Example:"));
    c.Label3 = label(f, "Label3", QStringLiteral("Fm QZ9ZZZ To ..."));
    c.Label4 = label(f, "Label4", QStringLiteral("Hello from Tarn..."));
    c.Label5 = label(f, "Label5", QStringLiteral("Color Shemes"));
    c.Option5 = optionButton(f, "Option5", QStringLiteral("Black on White"));
    c.Option6 = optionButton(f, "Option6", QStringLiteral("White on Blue"));
    c.Option7 = optionButton(f, "Option7", QStringLiteral("Yellow on Black"));
    c.Command5 = pictureButton(f, "Command5", palette, QStringLiteral("Monitor text color"));
    c.Command6 = pictureButton(f, "Command6", palette, QStringLiteral("Data line color"));
    c.Command8 = button(f, "Command8", QStringLiteral("Background"));
    rows(c.Frame4, {{c.Text1, c.Command15},
                    {c.Label1, c.Label3},
                    {nullptr, c.Label4},
                    {c.Label5, c.Option5},
                    {nullptr, c.Option6},
                    {nullptr, c.Option7},
                    {c.Command5, c.Command6, c.Command8}});
}

void buildAprs(QWidget* w, AprsRow& c) {
    c.Check2 = checkBox(w, "Check2", QStringLiteral("Enable APRS"),
                        QStringLiteral("Enable/disable APRS capability"));
    c.Check5 = checkBox(w, "Check5", QStringLiteral("No ZENO Tag"),
                        QStringLiteral("Use or remove the ZENO ID-Tag in APRS"));
    c.Command9 =
        pictureButton(w, "Command9", themedIcon("applications-internet", QStyle::SP_DriveNetIcon),
                      QStringLiteral("Set your coordinates and aprs icon"));
}

QVBoxLayout* column(const QList<QWidget*>& frames) {
    auto* column = new QVBoxLayout;
    for (QWidget* w : frames)
        column->addWidget(w);
    return column;
}

}  // namespace

void buildForm3Layout(QDialog* dialog, Form3Controls& c) {
    buildCallsign(dialog, c.callsign);
    buildAlarm(dialog, c.alarm);
    buildBeacon(dialog, c.beacon);
    buildRadioPort(dialog, c.radioPort);
    buildEngine(dialog, c.engine);
    buildPasses(dialog, c.passes);
    buildAutoDisconnect(dialog, c.autoDisconnect);
    buildBbs(dialog, c.bbs);
    buildMessageLog(dialog, c.messageLog);
    buildDisplay(dialog, c.display);
    buildListener(dialog, c.listener);
    buildResetBoxes(dialog, c.resetBoxes);
    const QIcon palette = themedIcon("color-picker", QStyle::SP_DesktopIcon);
    buildBoxColors(dialog, c.boxColors, palette);
    buildMonitorFont(dialog, c.monitorFont, palette);
    buildAprs(dialog, c.aprs);
    c.Command1 = button(dialog, "Command1", QStringLiteral("Save Current Settings"));
    c.Command2 = button(dialog, "Command2", QStringLiteral("Cancel"));
    c.Command1->setDefault(true);

    QVBoxLayout* left = column({c.callsign.Frame3, c.alarm.Frame7, c.beacon.Frame8,
                                c.radioPort.Frame1, c.engine.EngineFrame});
    QVBoxLayout* middle = column({c.autoDisconnect.Frame2, c.bbs.Frame5, c.messageLog.Frame11,
                                  c.display.Frame6, c.listener.Frame13, c.resetBoxes.Frame10});
    QVBoxLayout* right = column({c.boxColors.Frame12, c.monitorFont.Frame4});
    auto* aprs = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.aprs.Check2, c.aprs.Check5, c.aprs.Command9})
        aprs->addWidget(w);
    right->addLayout(aprs);
    right->addWidget(c.passes.PassFrame);
    auto* columns = new QHBoxLayout;
    for (QVBoxLayout* column : {left, middle, right}) {
        column->addStretch();
        columns->addLayout(column);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.Command1);
    buttons->addWidget(c.Command2);
    auto* whole = new QVBoxLayout(scrollingPage(dialog));
    whole->addLayout(columns);
    // OK and Cancel stay in sight under the page when it scrolls.
    buttons->setContentsMargins(whole->contentsMargins());
    qobject_cast<QBoxLayout*>(dialog->layout())->addLayout(buttons);
}

}  // namespace zeno
