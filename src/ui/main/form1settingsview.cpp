// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/form1settingsview.h"

#include "platform/units.h"
#include "ui/main/beaconside.h"
#include "ui/main/receiveside.h"
#include "ui/main/transmitside.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace zeno {

Form1SettingsView::Form1SettingsView(QMainWindow& window, const ListenerPanel& listener,
                                     TransmitSide& transmit, ReceiveSide& receive,
                                     BeaconSide& beacon)
    : window_(window),
      listener_(listener),
      transmit_(transmit),
      receive_(receive),
      beacon_(beacon) {
    window_.installEventFilter(this);
}

void Form1SettingsView::showCallsign(const QString& callsign) {
    transmit_.showCallsign(callsign);
    listener_.SWLlabel1->setText(callsign);
    listener_.SWLabel2->setText(callsign);
}

void Form1SettingsView::setHistory(HistoryBox box, const QStringList& entries) {
    transmit_.setHistory(box, entries);
}

void Form1SettingsView::selectFirstEntry(HistoryBox box) { transmit_.selectFirstEntry(box); }

QString Form1SettingsView::boxText(HistoryBox box) const { return transmit_.boxText(box); }

void Form1SettingsView::setBoxText(HistoryBox box, const QString& text) {
    transmit_.setBoxText(box, text);
}

void Form1SettingsView::setMonitorFont(const QString& family) { receive_.setMonitorFont(family); }

void Form1SettingsView::setMonitorColors(int textRgb, int backgroundRgb) {
    receive_.setMonitorColors(textRgb, backgroundRgb);
}

void Form1SettingsView::setDataBoxColors(int foreRgb, int backRgb) {
    transmit_.setBoxColors(foreRgb, backRgb);
    receive_.setHeardListColors(foreRgb, backRgb);
}

void Form1SettingsView::setAutoScrollChecked(bool checked) {
    receive_.setAutoScrollChecked(checked);
}

void Form1SettingsView::showBeaconOn() { beacon_.BeaconOn(); }

QSize Form1SettingsView::decoration() const {
    if (window_.isVisible())
        return window_.frameGeometry().size() - window_.size();
    if (const QWindow* handle = window_.windowHandle()) {
        const QMargins m = handle->frameMargins();
        return {m.left() + m.right(), m.top() + m.bottom()};
    }
    return {};
}

TwipsGeometry Form1SettingsView::windowGeometry() const {
    const QRect frame = window_.frameGeometry();
    const QSize outer = window_.size() == givenInner_ ? askedOuter_ : frame.size();
    return {double(pixelsToTwips(frame.x())), double(pixelsToTwips(frame.y())),
            double(pixelsToTwips(outer.width())), double(pixelsToTwips(outer.height()))};
}

QSizeF Form1SettingsView::screenSize() const {
    const QScreen* s = window_.screen();
    if (!s)
        return {};
    return {double(pixelsToTwips(s->geometry().width())),
            double(pixelsToTwips(s->geometry().height()))};
}

void Form1SettingsView::setWindowLeft(double twips) {
    window_.move(twipsToPixels(twips), window_.y());
}

void Form1SettingsView::setWindowTop(double twips) {
    window_.move(window_.x(), twipsToPixels(twips));
}

void Form1SettingsView::setWindowSize(double widthTwips, double heightTwips) {
    askedOuter_ = QSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    settleSize();
}

void Form1SettingsView::settleSize() {
    window_.resize(askedOuter_ - decoration());
    givenInner_ = window_.size();
}

void Form1SettingsView::maximizeWindow() {
    window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}

bool Form1SettingsView::eventFilter(QObject* watched, QEvent* event) {
    // The frame is known once the window is shown: a size asked for before then is settled
    // unless the operator has resized the window since.
    if (watched == &window_ && event->type() == QEvent::Show && askedOuter_.isValid()) {
        QTimer::singleShot(0, this, [this] {
            if (window_.size() == givenInner_ && !window_.isMaximized())
                settleSize();
        });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zeno
