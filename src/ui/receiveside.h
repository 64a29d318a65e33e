#pragma once

#include "monitor/heardlist.h"
#include "monitor/monitorfilter.h"
#include "monitor/polltick.h"
#include "ui/monitortext.h"
#include "ui/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace zeno {

class AgwLink;
class Editor;
class Meld;
class PollHooks;

// The receive side of the main window: the poll tick, the monitor view and its filters,
// the heard list, the alarm and the popup.
class ReceiveSide : public QObject, private MonitorView {
    Q_OBJECT
public:
    ReceiveSide(const SideContext& context, PollHooks& hooks);
    ~ReceiveSide() override;

    void Timer1_Timer();
    void Check1_Click();
    void Command8_Click();
    void menufilters_Click(int Index);
    void Label13_Click();
    void Command16_Click();
    void Command6_Click();
    void Command5_Click();
    void List1_DblClick();
    void viewHeardStations();
    void PlayAlarm();
    // The self-closing popup ("Meld").
    void showPopup(const QString& text);

    // The heard stations (the station report reads HeardCount).
    const HeardList& heardList() const { return heard_; }
    // The monitor text with CR LF line ends, as the program counts it.
    MonitorTextBox& monitor() { return monitor_; }
    // The notebook window once "View Heard Stations..." built it.
    Editor* notebook() const;

private:
    // The engine link as the tick's frame source.
    class LinkSource : public FrameSource {
    public:
        explicit LinkSource(AgwLink& link) : link_(link) {}
        std::optional<AgwFrame> fetch() override;

    private:
        AgwLink& link_;
    };

    // MonitorView
    QString clockCaption() const override;
    void setClockCaption(const QString& caption) override;
    bool stopMonitorChecked() const override;
    bool viewDataChecked() const override;
    bool autoScrollChecked() const override;
    void appendToMonitor(const QString& text) override;
    qsizetype monitorLength() const override;
    QChar monitorLastChar() const override;
    void cutMonitorFront(qsizetype count) override;
    void scrollMonitorToEnd() override;
    void showHeardStation(const QString& call, int stationCount) override;

    void showFilter();
    void showHeardList();

    SideContext context_;
    MonitorTextBox monitor_;
    MonitorFilter filter_;
    HeardList heard_;
    LinkSource source_;
    PollTick tick_;
    QPointer<Meld> meld_;
    QPointer<Editor> editor_;
};

}  // namespace zeno
