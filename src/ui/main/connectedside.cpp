// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/connectedside.h"

#include "config/appstate.h"
#include "files/filedialogs.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "platform/platform.h"
#include "ui/main/transmitside.h"
#include "ui/windows/form4.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolButton>
#include <iterator>

namespace zeno {

namespace {

constexpr int kToldForMs = 20000;  // as long as the status bar's other notices

}  // namespace

ConnectedSide::ConnectedSide(const SideContext& context, TransmitSide& transmit,
                             QAction* disconnectItem)
    : context_(context),
      transmit_(transmit),
      disconnectItem_(disconnectItem),
      connection_(context.state, *this, *this, context.dialogs, context.platform) {}

ConnectedSide::~ConnectedSide() = default;

bool ConnectedSide::connectedModeEvent(const AgwFrame& frame, const QString& firstLine,
                                       const QString& body) {
    switch (frame.kind) {
        case 'c':
            return connection_.connectEvent(frame.callFrom);
        case 'D':
            connection_.dataEvent(firstLine, body, frame.callFrom);
            return true;
        case 'd':
            connection_.disconnectEvent(frame.callFrom);
            return true;
        default:
            return true;
    }
}

bool ConnectedSide::holdsPollTick() const { return connection_.isPausing(); }

void ConnectedSide::connectToStation() {
    const QString to = transmit_.boxText(HistoryBox::To);
    const QString via = transmit_.boxText(HistoryBox::Via);
    connection_.steps().add([this, to, via] { connection_.ConnectStation(to, via); });
}

void ConnectedSide::disconnectStation() {
    connection_.steps().add([this] { connection_.DisConnecting(); });
}

void ConnectedSide::editTerminalFile(int item) {
    static const QString files[] = {QStringLiteral("\\help.txt"),
                                    QStringLiteral("\\info.txt"),
                                    QStringLiteral("\\ctext.txt"),
                                    QStringLiteral("\\bye.txt"),
                                    QString(),
                                    QStringLiteral("\\sendtxt1.txt"),
                                    QStringLiteral("\\sendtxt2.txt"),
                                    QStringLiteral("\\sendtxt3.txt")};
    if (item < 0 || item >= int(std::size(files)) || files[item].isEmpty())
        return;
    openInTextEditor(context_.platform, context_.dialogs,
                     appFile(context_.state.appPath, files[item]));
}

Form4* ConnectedSide::terminal() const { return form4_; }

Form4& ConnectedSide::loadedTerminal() {
    if (!form4_) {
        form4_ = new Form4(context_.state, connection_, context_.dialogs, context_.platform,
                           context_.window);
        connect(form4_, &Form4::notebookRequested, this, &ConnectedSide::notebookRequested);
    }
    return *form4_;
}

// ConnectedView

void ConnectedSide::showTerminal() {
    Form4& terminal = loadedTerminal();
    terminal.show();
    if (terminal.windowTitle().startsWith(QLatin1String("Discon"))) {
        // Left from an earlier connection, perhaps minimised or behind other windows.
        terminal.showMinimized();
        terminal.showNormal();
    }
    terminal.raise();
    terminal.activateWindow();
}

void ConnectedSide::setTerminalCaption(const QString& caption) {
    loadedTerminal().setWindowTitle(caption);
}

void ConnectedSide::clearTerminal() { loadedTerminal().conversation().clear(); }

void ConnectedSide::showReceived(const QString& text) { loadedTerminal().showInConversation(text); }

void ConnectedSide::showSent(const QString& history, const QString& conversation) {
    Form4& terminal = loadedTerminal();
    terminal.showInHistory(history);
    terminal.showInConversation(conversation);
    terminal.Text2->setFocus();
}

void ConnectedSide::enableTerminalDisconnect() { loadedTerminal().Command1->setEnabled(true); }

void ConnectedSide::setMainCaption(const QString& caption) {
    context_.window->setWindowTitle(caption);
}

void ConnectedSide::setToBox(const QString& text) { transmit_.setBoxText(HistoryBox::To, text); }

void ConnectedSide::setViaBox(const QString& text) { transmit_.setBoxText(HistoryBox::Via, text); }

void ConnectedSide::enableDisconnectItem() { disconnectItem_->setEnabled(true); }

void ConnectedSide::showPopup(const QString& text) { emit popupRequested(text); }

void ConnectedSide::tellOperator(const QString& text) {
    loadedTerminal().showInConversation(QStringLiteral("\r\n") + text + QStringLiteral("\r\n"));
    if (auto* main = qobject_cast<QMainWindow*>(context_.window))
        main->statusBar()->showMessage(text, kToldForMs);
}

// FrameSink

void ConnectedSide::send(QChar kind, const QString& callField, const QString& data) {
    context_.link.send(kind, callField, data);
}

}  // namespace zeno
