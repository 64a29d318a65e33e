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
// things of the main window it changes.
class ConnectedView {
public:
    virtual ~ConnectedView() = default;

    // Shows the terminal (modeless) and activates it, which may greet the station.
    virtual void showTerminal() = 0;
    virtual bool terminalMinimised() const = 0;
    virtual QString terminalCaption() const = 0;
    virtual void setTerminalCaption(const QString& caption) = 0;
    // Minimises and restores the terminal, which brings it up.
    virtual void bringTerminalUp() = 0;
    virtual void clearTerminal() = 0;
    // Text1 (the conversation) and Text3 (what was sent), each scrolled to its end.
    virtual void showInTerminal(const QString& text) = 0;
    virtual void showInHistory(const QString& text) = 0;
    virtual void focusTypingLine() = 0;
    virtual void enableTerminalDisconnect() = 0;

    virtual void setMainCaption(const QString& caption) = 0;
    // The To and Via boxes of the main window.
    virtual void setToBox(const QString& text) = 0;
    virtual void setViaBox(const QString& text) = 0;
    virtual void enableDisconnectItem() = 0;  // Send menu "Disconnect"
    virtual void showPopup(const QString& text) = 0;
};

}  // namespace zeno
