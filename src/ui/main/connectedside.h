// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connected/connectedview.h"
#include "connected/connection.h"
#include "monitor/pollhooks.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>

class QAction;

namespace zeno {

class Form4;
class TransmitSide;

// Connected mode: the one AX.25 conversation and its terminal window (Form4). It takes the
// engine's connect, data and disconnect events from the poll tick, the Send menu's Connect
// and Disconnect, and the "Edit BBS/Terminal Files" items.
class ConnectedSide : public QObject,
                      public ConnectedModeHook,
                      private ConnectedView,
                      private FrameSink {
    Q_OBJECT
public:
    // The To and Via boxes belong to the transmit side; the Send menu's "Disconnect" item is
    // enabled here.
    ConnectedSide(const SideContext& context, TransmitSide& transmit, QAction* disconnectItem);
    ~ConnectedSide() override;

    bool connectedModeEvent(const AgwFrame& frame, const QString& firstLine,
                            const QString& body) override;
    bool holdsPollTick() const override;

    void connectToStation();   // to the station of the To and Via boxes
    void disconnectStation();  // the current connection
    // Opens a file of "Edit BBS/Terminal Files" (TerminalFileItem) in the system's own text
    // editor, whichever the operator has chosen there.
    void editTerminalFile(int item);

    Connection& connection() { return connection_; }
    // The terminal window while it is loaded.
    Form4* terminal() const;

signals:
    // The self-closing popup of the main window.
    void popupRequested(const QString& text);
    // The notebook window on a file, with a caption (empty: the notebook's own).
    void notebookRequested(const QString& path, const QString& caption);

private:
    Form4& loadedTerminal();

    // ConnectedView
    void showTerminal() override;
    void setTerminalCaption(const QString& caption) override;
    void clearTerminal() override;
    void showReceived(const QString& text) override;
    void showSent(const QString& history, const QString& conversation) override;
    void enableTerminalDisconnect() override;
    void setMainCaption(const QString& caption) override;
    void setToBox(const QString& text) override;
    void setViaBox(const QString& text) override;
    void enableDisconnectItem() override;
    void showPopup(const QString& text) override;
    void tellOperator(const QString& text) override;

    // FrameSink
    void send(QChar kind, const QString& callField, const QString& data) override;

    SideContext context_;
    TransmitSide& transmit_;
    QAction* disconnectItem_;
    Connection connection_;
    QPointer<Form4> form4_;
};

}  // namespace zeno
