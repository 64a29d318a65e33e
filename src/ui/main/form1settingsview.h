// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settingsview.h"
#include "ui/main/form1controls.h"

#include <QObject>
#include <QSize>

class QMainWindow;

namespace zeno {

class BeaconSide;
class ReceiveSide;
class TransmitSide;

// The main window as the settings reader and writer see it: each value goes to the part that
// shows it. The window's size is kept as the outer frame; the frame itself is only known once
// the window is on screen, so a size stored before that is settled when it is shown.
class Form1SettingsView : public QObject, public SettingsView {
    Q_OBJECT
public:
    Form1SettingsView(QMainWindow& window, const ListenerPanel& listener, TransmitSide& transmit,
                      ReceiveSide& receive, BeaconSide& beacon);

    void showCallsign(const QString& callsign) override;
    void setHistory(HistoryBox box, const QStringList& entries) override;
    void selectFirstEntry(HistoryBox box) override;
    QString boxText(HistoryBox box) const override;
    void setBoxText(HistoryBox box, const QString& text) override;
    void setMonitorFont(const QString& family) override;
    void setMonitorColors(int textRgb, int backgroundRgb) override;
    void setDataBoxColors(int foreRgb, int backRgb) override;
    void setAutoScrollChecked(bool checked) override;
    void showBeaconOn() override;
    TwipsGeometry windowGeometry() const override;
    QSizeF screenSize() const override;
    void setWindowLeft(double twips) override;
    void setWindowTop(double twips) override;
    void setWindowSize(double widthTwips, double heightTwips) override;
    void maximizeWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize decoration() const;
    void settleSize();

    QMainWindow& window_;
    ListenerPanel listener_;
    TransmitSide& transmit_;
    ReceiveSide& receive_;
    BeaconSide& beacon_;
    // The outer size last asked for and the inner size it gave: while the window keeps that
    // inner size, its outer size is the one asked for.
    QSize askedOuter_;
    QSize givenInner_;
};

}  // namespace zeno
