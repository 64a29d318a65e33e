// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

namespace zeno {

// Where connected-mode frames go: the engine link ("c", "v", "D", "d").
class FrameSink {
public:
    virtual ~FrameSink() = default;
    virtual void send(QChar kind, const QString& callField, const QString& data) = 0;
};

// What connected mode shows: the terminal window ("Form4", made on first use) and the few
// things of the main window it changes. This one shows nothing: connected mode also runs
// without windows.
class ConnectedView {
public:
    virtual ~ConnectedView() = default;

    // Shows the terminal (modeless), brought up when it was left from an earlier connection,
    // and activates it.
    virtual void showTerminal() {}
    virtual void setTerminalCaption(const QString& /*caption*/) {}
    virtual void clearTerminal() {}
    // Received text at the end of the conversation (Text1).
    virtual void showReceived(const QString& /*text*/) {}
    // Sent text at the end of the history (Text3) and of the conversation; the keyboard goes
    // back to the typing line.
    virtual void showSent(const QString& /*history*/, const QString& /*conversation*/) {}
    virtual void enableTerminalDisconnect() {}

    virtual void setMainCaption(const QString& /*caption*/) {}
    // The To and Via boxes of the main window.
    virtual void setToBox(const QString& /*text*/) {}
    virtual void setViaBox(const QString& /*text*/) {}
    virtual void enableDisconnectItem() {}  // Send menu "Disconnect"
    virtual void showPopup(const QString& /*text*/) {}
    // Something the operator has to know of at once: in the terminal and on the status bar.
    virtual void tellOperator(const QString& /*text*/) {}
};

}  // namespace zeno
