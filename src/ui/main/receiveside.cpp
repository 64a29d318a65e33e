// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/receiveside.h"

#include "config/appstate.h"
#include "files/filedialogs.h"
#include "files/textfiles.h"
#include "link/agwlink.h"
#include "monitor/alarm.h"
#include "platform/apppath.h"
#include "platform/colors.h"
#include "platform/units.h"
#include "ui/common/controls.h"
#include "ui/common/widgets.h"
#include "ui/windows/meld.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace zeno {

namespace {

const QString kHeardFileName = QStringLiteral("mheard.txt");
// The heard list as shown in the notebook window; kept in the application path.
const QString kHeardViewFile = QStringLiteral("\\mheared.tmp");

}  // namespace

ReceiveSide::ReceiveSide(const SideContext& context, const MonitorPanel& monitor,
                         const HeardPanel& heard, const FilterMenu& filters, QLabel* droppedFrames,
                         const PollHooks& hooks)
    : context_(context),
      panel_(monitor),
      heardPanel_(heard),
      filters_(filters),
      droppedFrames_(droppedFrames),
      monitor_(monitor.Text1),
      tick_(context.state, context.platform, *this, filter_, heard_, *this, hooks) {
    showFilter();
}

ReceiveSide::~ReceiveSide() = default;

std::optional<AgwFrame> ReceiveSide::fetch() { return context_.link.fetch(); }

void ReceiveSide::tick() {
    tick_.Timer1_Timer();
    if (!tick_.isRunning())
        emit tickEnded();
}

void ReceiveSide::storeAutoScroll() {
    context_.state.settings.autoScroll = panel_.Check1->isChecked() ? 1 : 0;
}

void ReceiveSide::clearMonitor() { monitor_.clear(); }

void ReceiveSide::expandMonitor(double windowHeightTwips, double topRowTwips) {
    const QRect frame = panel_.Frame1->geometry();
    const double frameHeight = windowHeightTwips - topRowTwips - 750;
    placeTwips(panel_.Frame1, {double(pixelsToTwips(frame.x())), topRowTwips,
                               double(pixelsToTwips(frame.width())), frameHeight});
    const QRect button = panel_.Command13->geometry();
    const QRect text = panel_.Text1->geometry();
    placeTwips(panel_.Text1,
               {double(pixelsToTwips(text.x())), double(pixelsToTwips(button.bottom() + 1)) + 10,
                double(pixelsToTwips(text.width())), frameHeight - 600});
    panel_.Check5->setText(QStringLiteral("Restore"));
    const QSignalBlocker blocker(panel_.Check5);
    panel_.Check5->setChecked(true);
}

void ReceiveSide::showListenerLayout(double windowHeightTwips, double topRowTwips) {
    // As tall as the top row beside it, so it stays clear of the monitor.
    const HeardPanel& h = heardPanel_;
    placeTwips(h.Frame5, {20, 0, 2295, topRowTwips});
    placeTwips(h.List1, {90, 195, 1380, 1250});
    placeTwips(h.StationTeller, {1530, 1200, 690, 240});
    placeTwips(h.Command16, {1530, 195, 690, 330});
    placeTwips(h.Command6, {1530, 525, 690, 330});
    placeTwips(h.Command5, {1530, 855, 690, 330});
    expandMonitor(windowHeightTwips, topRowTwips);
    panel_.Check5->hide();
}

void ReceiveSide::setMonitorFont(const QString& family) {
    panel_.Text1->setFont(fontForFamily(family));
}

void ReceiveSide::setMonitorColors(int textRgb, int backgroundRgb) {
    setWidgetColors(panel_.Text1, textRgb, backgroundRgb);
}

void ReceiveSide::setHeardListColors(int foreRgb, int backRgb) {
    setWidgetColors(heardPanel_.List1, foreRgb, backRgb);
}

void ReceiveSide::setAutoScrollChecked(bool checked) {
    const QSignalBlocker blocker(panel_.Check1);
    panel_.Check1->setChecked(checked);
}

// Filters

void ReceiveSide::chooseFilter(int item, const QString& toBox, const QString& viaBox) {
    menufiltersChoice(filter_, item, toBox, viaBox, context_.dialogs);
    // Always: a checkable menu item has already toggled its own mark.
    showFilter();
}

void ReceiveSide::popUpFilterMenu() { filters_.menufilter->popup(QCursor::pos()); }

void ReceiveSide::showFilter() {
    for (int i = 0; i < filters_.menufilters.size(); ++i) {
        if (filters_.menufilters[i]->isCheckable())
            filters_.menufilters[i]->setChecked(i == filter_.checkedItem());
    }
    panel_.Label13->setText(filter_.caption());
    setWidgetColors(panel_.Label13, paletteColor(0), paletteColor(filter_.backgroundIndex()));
}

// Heard list

void ReceiveSide::copyHeardList() {
    zeno::copyHeardList(heard_, context_.dialogs, context_.platform);
}

void ReceiveSide::clearHeardList() {
    if (zeno::clearHeardList(heard_, context_.dialogs))
        showHeardList();
}

void ReceiveSide::saveHeardList() {
    saveTextAs(context_.state.files, context_.dialogs, {kHeardFileName, {}, {}},
               [this](bool) { return heard_.saveText(); });
}

QString ReceiveSide::selectedHeardStation() const {
    const QListWidgetItem* item = heardPanel_.List1->currentItem();
    return item ? item->text() : QString();
}

void ReceiveSide::viewHeardStations() {
    const QString path = appFile(context_.state.appPath, kHeardViewFile);
    if (!saveTextFile(path, heard_.saveText(), context_.dialogs))
        return;
    emit notebookRequested(path, QStringLiteral("Current Heard List"));
}

void ReceiveSide::showHeardList() {
    heardPanel_.List1->clear();
    heardPanel_.List1->addItems(heard_.entries());
    heardPanel_.StationTeller->setText(QString::number(heardPanel_.List1->count()));
}

// Alarm and popup

void ReceiveSide::playAlarm() { PlayAlarm(context_.platform, context_.state.appPath); }

void ReceiveSide::showPopup(const QString& text) {
    if (!meld_ || meld_->isUnloaded())
        meld_ = new Meld(context_.window);
    meld_->showMessage(text);
}

// MonitorView

bool ReceiveSide::stopMonitorChecked() const { return panel_.Check2->isChecked(); }

bool ReceiveSide::viewDataChecked() const { return panel_.Check3->isChecked(); }

bool ReceiveSide::autoScrollChecked() const { return panel_.Check1->isChecked(); }

void ReceiveSide::appendToMonitor(const QString& text) { monitor_.appendLater(text); }

qsizetype ReceiveSide::monitorLength() const { return monitor_.length(); }

QChar ReceiveSide::monitorLastChar() const { return monitor_.lastChar(); }

void ReceiveSide::cutMonitorFront(qsizetype count) { monitor_.cutFront(count); }

void ReceiveSide::scrollMonitorToEnd() { monitor_.scrollToEnd(); }

void ReceiveSide::showMonitorNow() {
    monitor_.flush();
    // Frames the link had to drop (the program fell behind): counted, never silently.
    const qint64 dropped = context_.link.droppedFrames();
    if (dropped != droppedShown_) {
        droppedShown_ = dropped;
        droppedFrames_->setText(QStringLiteral("%1 frames dropped").arg(dropped));
        droppedFrames_->setVisible(dropped > 0);
    }
}

void ReceiveSide::showHeardStation(const QString& call, int) {
    heardPanel_.List1->addItem(call);
    heardPanel_.StationTeller->setText(QString::number(heardPanel_.List1->count()));
}

}  // namespace zeno
