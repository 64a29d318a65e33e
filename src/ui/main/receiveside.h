// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/heardlist.h"
#include "monitor/monitorfilter.h"
#include "monitor/polltick.h"
#include "ui/common/monitorbox.h"
#include "ui/main/form1controls.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace zeno {

class Meld;

// The receive side of the main window: the poll tick, the monitor view and its filters,
// the heard list, the alarm and the popup. It owns the Monitor and MHeard panels and the
// Filters menu.
class ReceiveSide : public QObject, private MonitorView, private FrameSource {
    Q_OBJECT
public:
    ReceiveSide(const SideContext& context, const MonitorPanel& monitor, const HeardPanel& heard,
                const FilterMenu& filters, QLabel* droppedFrames, const PollHooks& hooks);
    ~ReceiveSide() override;

    void tick();
    void setEndPending(std::function<bool()> pending) { tick_.setEndPending(std::move(pending)); }
    void storeAutoScroll();  // the AutoScroll box was clicked
    void clearMonitor();
    // Runs an item of the Filters menu; the call filters take the To and Via box texts.
    void chooseFilter(int item, const QString& toBox, const QString& viaBox);
    void popUpFilterMenu();
    void copyHeardList();
    void clearHeardList();
    void saveHeardList();
    void viewHeardStations();
    // The heard station the operator picked in the list, empty when none.
    QString selectedHeardStation() const;
    void playAlarm();
    // The self-closing popup ("Meld").
    void showPopup(const QString& text);

    const HeardList& heardList() const { return heard_; }
    // The monitor text with CR LF line ends, as the program counts it.
    MonitorTextBox& monitor() { return monitor_; }

    // Expand ("Restore" then): the monitor panel covers everything below the top row.
    void expandMonitor(double windowHeightTwips, double topRowTwips);
    // Listener (SWL) layout: the heard list in the top left corner, the monitor expanded
    // for good.
    void showListenerLayout(double windowHeightTwips, double topRowTwips);

    void setMonitorFont(const QString& family);
    void setMonitorColors(int textRgb, int backgroundRgb);
    void setHeardListColors(int foreRgb, int backRgb);
    void setAutoScrollChecked(bool checked);

signals:
    // A tick took its frames (none fired inside another): what waits for a whole tick runs.
    void tickEnded();
    // The notebook window on a file, with a caption.
    void notebookRequested(const QString& path, const QString& caption);

private:
    // FrameSource: the engine link.
    std::optional<AgwFrame> fetch() override;

    // MonitorView
    bool stopMonitorChecked() const override;
    bool viewDataChecked() const override;
    bool autoScrollChecked() const override;
    void appendToMonitor(const QString& text) override;
    qsizetype monitorLength() const override;
    QChar monitorLastChar() const override;
    void cutMonitorFront(qsizetype count) override;
    void scrollMonitorToEnd() override;
    void showHeardStation(const QString& call, int stationCount) override;
    void showMonitorNow() override;

    void showFilter();
    void showHeardList();

    SideContext context_;
    MonitorPanel panel_;
    HeardPanel heardPanel_;
    FilterMenu filters_;
    QLabel* droppedFrames_;
    qint64 droppedShown_ = 0;
    MonitorTextBox monitor_;
    MonitorFilter filter_;
    HeardList heard_;
    PollTick tick_;
    QPointer<Meld> meld_;
};

}  // namespace zeno
