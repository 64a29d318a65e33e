#include "ui/receiveside.h"

#include "config/appstate.h"
#include "config/filedialogs.h"
#include "link/agwlink.h"
#include "monitor/alarm.h"
#include "platform/apppath.h"
#include "platform/colors.h"
#include "ui/editor.h"
#include "ui/form1.h"
#include "ui/form1controls.h"
#include "ui/meld.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>

namespace zeno {

namespace {

const QString kHeardFileName = QStringLiteral("mheard.txt");
// The heard list as shown in the notebook window; kept in the application path.
const QString kHeardViewFile = QStringLiteral("\\mheared.tmp");

}  // namespace

std::optional<AgwFrame> ReceiveSide::LinkSource::fetch() {
    return link_.fetch();
}

ReceiveSide::ReceiveSide(const SideContext& context, PollHooks& hooks)
    : context_(context),
      monitor_(context.controls.Text1),
      source_(context.link),
      tick_(context.state, context.platform, source_, filter_, heard_, *this, hooks) {
    showFilter();
}

ReceiveSide::~ReceiveSide() = default;

Editor* ReceiveSide::notebook() const {
    return editor_;
}

void ReceiveSide::Timer1_Timer() {
    tick_.Timer1_Timer();
}

void ReceiveSide::Check1_Click() {
    context_.state.settings.autoScroll = context_.controls.Check1->isChecked() ? 1 : 0;
}

void ReceiveSide::Command8_Click() {
    monitor_.clear();
}

// Filters

void ReceiveSide::menufilters_Click(int Index) {
    const Form1Controls& c = context_.controls;
    menufiltersChoice(filter_, Index, c.Combo2->currentText(), c.Combo3->currentText(),
                      context_.dialogs);
    // Always: a checkable menu item has already toggled its own mark.
    showFilter();
}

void ReceiveSide::Label13_Click() {
    context_.controls.menufilter->popup(QCursor::pos());
}

void ReceiveSide::showFilter() {
    const Form1Controls& c = context_.controls;
    for (int i = 0; i < c.menufilters.size(); ++i) {
        if (c.menufilters[i]->isCheckable())
            c.menufilters[i]->setChecked(i == filter_.checkedItem());
    }
    c.Label13->setText(filter_.caption());
    setWidgetColors(c.Label13, paletteColor(0), paletteColor(filter_.backgroundIndex()));
}

// Heard list

void ReceiveSide::Command16_Click() {
    copyHeardList(heard_, context_.dialogs, context_.platform);
}

void ReceiveSide::Command6_Click() {
    if (clearHeardList(heard_, context_.dialogs))
        showHeardList();
}

void ReceiveSide::Command5_Click() {
    AppState& state = context_.state;
    state.files.FileName = kHeardFileName;
    AskSaveFile(state, context_.dialogs);
    if (state.files.SaveConfirmed)
        writeTextFile(state.files.FilePath, heard_.saveText());  // errors are ignored
}

void ReceiveSide::List1_DblClick() {
    const Form1Controls& c = context_.controls;
    const QListWidgetItem* item = c.List1->currentItem();
    if (!item)
        return;
    c.Combo5->setEditText(item->text());
    c.Combo6->setFocus();
}

void ReceiveSide::viewHeardStations() {
    const QString path = appFile(context_.state.appPath, kHeardViewFile);
    writeTextFile(path, heard_.saveText());  // errors are ignored
    if (!editor_)
        editor_ = new Editor(context_.dialogs, &context_.window);
    editor_->setWindowTitle(QStringLiteral("Current Heard List"));
    editor_->loadFile(path);
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
}

void ReceiveSide::showHeardList() {
    const Form1Controls& c = context_.controls;
    c.List1->clear();
    c.List1->addItems(heard_.entries());
    c.StationTeller->setText(QString::number(c.List1->count()));
}

// Alarm and popup

void ReceiveSide::PlayAlarm() {
    zeno::PlayAlarm(context_.platform, context_.state.appPath);
}

void ReceiveSide::showPopup(const QString& text) {
    if (!meld_ || meld_->isUnloaded())
        meld_ = new Meld(&context_.window);
    meld_->show();
    meld_->Label1->setText(text);
}

// MonitorView

QString ReceiveSide::clockCaption() const {
    return context_.controls.Klok->text();
}

void ReceiveSide::setClockCaption(const QString& caption) {
    context_.controls.Klok->setText(caption);
}

bool ReceiveSide::stopMonitorChecked() const {
    return context_.controls.Check2->isChecked();
}

bool ReceiveSide::viewDataChecked() const {
    return context_.controls.Check3->isChecked();
}

bool ReceiveSide::autoScrollChecked() const {
    return context_.controls.Check1->isChecked();
}

void ReceiveSide::appendToMonitor(const QString& text) {
    monitor_.append(text);
}

qsizetype ReceiveSide::monitorLength() const {
    return monitor_.length();
}

QChar ReceiveSide::monitorLastChar() const {
    return monitor_.lastChar();
}

void ReceiveSide::cutMonitorFront(qsizetype count) {
    monitor_.cutFront(count);
}

void ReceiveSide::scrollMonitorToEnd() {
    monitor_.scrollToEnd();
}

void ReceiveSide::showHeardStation(const QString& call, int) {
    const Form1Controls& c = context_.controls;
    c.List1->addItem(call);
    c.StationTeller->setText(QString::number(c.List1->count()));
}

}  // namespace zeno
