// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/form1geometry.h"

#include "monitor/monitorlayout.h"
#include "platform/units.h"
#include "ui/common/controls.h"
#include "ui/common/hintfit.h"
#include "ui/main/form1controls.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

namespace zeno {

namespace {

// The borders, caption and menu bar that the monitor rules count in a window's outer size.
// Counting the desktop's own (often taller) decoration instead would push the monitor's foot
// out of sight.
constexpr QSizeF kDecoration(120, 690);

double twips(int pixels) { return pixelsToTwips(pixels); }

}  // namespace

Form1Geometry::Form1Geometry(QMainWindow& window, Form1Controls& controls, QScrollArea& scroll)
    : QObject(&window), window_(window), c_(controls), scroll_(scroll) {
    heardBase_ = requestedPlace(c_.heard.Frame5);
    heardListBase_ = requestedPlace(c_.heard.List1);
    QWidget* canvas = scroll_.widget();
    canvas->installEventFilter(this);
    fittedHints_[canvas];
    for (QGroupBox* panel : canvas->findChildren<QGroupBox*>()) {
        panel->installEventFilter(this);
        fittedHints_[panel];
    }
}

bool Form1Geometry::eventFilter(QObject* watched, QEvent* event) {
    // A caption changed (a filter, the beacon state, "Restore"): fit again once things settle.
    // Text that changes and needs no other room (the clock, every second) moves nothing, and
    // a fit would paint the monitor again.
    if (event->type() == QEvent::LayoutRequest && !refitQueued_ &&
        hintsOf(static_cast<QWidget*>(watched)) != fittedHints_[watched]) {
        refitQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            refitQueued_ = false;
            refit();
        });
    }
    return QObject::eventFilter(watched, event);
}

QSizeF Form1Geometry::windowTwips(const QSize& canvasNeed) const {
    const QSize inner = scroll_.maximumViewportSize().expandedTo(canvasNeed);
    return {twips(inner.width()) + kDecoration.width(),
            twips(inner.height()) + kDecoration.height()};
}

// What the panels need with the monitor at its smallest. Places the panels as they are asked
// for on the way, so that where the monitor really starts is known.
QSize Form1Geometry::minimumCanvas() {
    const MonitorPanel& m = c_.monitor;
    fitToHints(scroll_.widget());
    const QRect frame = requestedPlace(m.Frame1);
    const QRect text = requestedPlace(m.Text1);
    setRequestedPlace(m.Text1, QRect(text.topLeft(), QSize(1, 1)));
    setRequestedPlace(m.Frame1, QRect(frame.topLeft(), QSize(1, 1)));
    QSize need = fitToHints(scroll_.widget(), FitMode::Measure);
    setRequestedPlace(m.Text1, text);
    setRequestedPlace(m.Frame1, frame);
    const int monitorBottom =
        m.Frame1->y() + twipsToPixels(kMonitorMinimumHeight) + twipsToPixels(20);
    need.setHeight(std::max(need.height(), monitorBottom));
    return need;
}

void Form1Geometry::placeMonitor(double top, double height, double textTop, double textHeight) {
    const MonitorPanel& m = c_.monitor;
    const QRect frame = requestedPlace(m.Frame1);
    const QRect text = requestedPlace(m.Text1);
    placeTwips(m.Frame1, {twips(frame.x()), top, twips(frame.width()), height});
    placeTwips(m.Text1, {twips(text.x()), textTop, twips(text.width()), textHeight});
}

void Form1Geometry::openAtSize(double widthTwips, double heightTwips) {
    window_.resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    window_.layout()->activate();
    const QSize need = minimumCanvas();
    const QSize chrome = window_.size() - scroll_.maximumViewportSize();
    QSize wanted = window_.size().expandedTo(need + chrome);
    if (const QScreen* screen = window_.screen()) {
        const QSize room =
            screen->availableGeometry().size() - (window_.frameGeometry().size() - window_.size());
        window_.setMinimumSize((need + chrome).boundedTo(room));
        wanted = wanted.boundedTo(room);
    }
    window_.resize(wanted);
    openingHeight_ = windowTwips(minimumCanvas()).height();
    fitToWindow();
}

void Form1Geometry::expandOrRestore() {
    const MonitorPanel& m = c_.monitor;
    const bool expand = m.Check5->isChecked();
    for (QGroupBox* covered :
         {c_.txData.Frame2, c_.aprsPosition.Frame7, c_.aprsMessage.Frame8, c_.heard.Frame5})
        covered->setVisible(!expand);
    m.Check5->setText(expand ? QStringLiteral("Restore") : QStringLiteral("Expand"));
    const double height = windowTwips(minimumCanvas()).height();
    const PanelsAbove above{twips(c_.communication.Frame3->height()),
                            twips(c_.txData.Frame2->height()),
                            twips(c_.aprsMessage.Frame8->height())};
    const double buttonsBottom = twips(m.Command13->y() + m.Command13->height());
    const MonitorPlace p = expand ? expandedMonitor(height, above, buttonsBottom)
                                  : restoredMonitor(height, above, buttonsBottom);
    const int growth = expand ? 0 : showHeardShare(height);
    const double top = p.frameTop + twips(growth);
    placeMonitor(top, p.frameHeight, p.textTop, p.textHeight);
    heardShareOnTop_ = growth;
    placedTop_ = requestedPlace(m.Frame1).y();
    refit();
}

int Form1Geometry::showHeardShare(double windowHeight) {
    const int growth = twipsToPixels(heardListGrowth(windowHeight, openingHeight_));
    setRequestedPlace(c_.heard.Frame5, heardBase_.adjusted(0, 0, 0, growth));
    setRequestedPlace(c_.heard.List1, heardListBase_.adjusted(0, 0, 0, growth));
    return growth;
}

void Form1Geometry::fitToWindow() {
    if (fitting_)
        return;
    const MonitorPanel& m = c_.monitor;
    int growth = 0;
    if (!m.Check5->isChecked()) {
        showHeardShare(0);
        growth = showHeardShare(windowTwips(minimumCanvas()).height());
    }
    QRect frame = requestedPlace(m.Frame1);
    // Placed elsewhere since (the listener layout): no share of ours in it.
    if (frame.y() != placedTop_)
        heardShareOnTop_ = 0;
    frame.moveTop(frame.y() - heardShareOnTop_ + growth);
    heardShareOnTop_ = growth;
    placedTop_ = frame.y();
    setRequestedPlace(m.Frame1, frame);
    const QSizeF window = windowTwips(minimumCanvas());
    const QRect text0 = requestedPlace(m.Text1);
    const MonitorSize s =
        fittedMonitor(window.width(), window.height(), twips(frame.y()), twips(text0.y()));
    frame.setSize(QSize(twipsToPixels(s.frameWidth), twipsToPixels(s.frameHeight)));
    setRequestedPlace(m.Frame1, frame);
    QRect text = requestedPlace(m.Text1);
    text.setSize(QSize(twipsToPixels(s.textWidth), twipsToPixels(s.textHeight)));
    setRequestedPlace(m.Text1, text);
    refit();
}

void Form1Geometry::refit() {
    if (fitting_)
        return;
    fitting_ = true;
    QWidget* canvas = scroll_.widget();
    fitToHints(canvas);
    // Panels above that are taller than designed push the monitor down: its foot stays where
    // the rules put it, and the text still reaches the panel's foot.
    const MonitorPanel& m = c_.monitor;
    const QRect frame = requestedPlace(m.Frame1);
    const QRect text = requestedPlace(m.Text1);
    const int least = m.Text1->y() + m.Text1->minimumSizeHint().height();
    m.Frame1->resize(m.Frame1->width(), std::max(least, frame.bottom() + 1 - m.Frame1->y()));
    const int textFoot = frame.height() - text.bottom() - 1;
    m.Text1->resize(m.Text1->width(), std::max(m.Text1->minimumSizeHint().height(),
                                               m.Frame1->height() - textFoot - m.Text1->y()));
    const QRect used = canvas->childrenRect();
    canvas->resize(
        scroll_.maximumViewportSize().expandedTo(QSize(used.right() + 1, used.bottom() + 1)));
    for (auto& [container, hints] : fittedHints_)
        hints = hintsOf(static_cast<const QWidget*>(container));
    fitting_ = false;
}

std::vector<QSize> Form1Geometry::hintsOf(const QWidget* container) {
    std::vector<QSize> hints;
    for (const QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isHidden()) {
            hints.push_back({-1, -1});
            continue;
        }
        hints.push_back(w->sizeHint());
        hints.push_back(w->minimumSizeHint());
    }
    return hints;
}

}  // namespace zeno
