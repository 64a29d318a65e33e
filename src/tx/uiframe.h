// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace zeno {

class AgwLink;

// Longest TX text one UI frame carries; the rest of the box is not sent.
inline constexpr int kMaxTxTextLength = 80;
// A long text goes out in UI frames of at most this many characters.
inline constexpr int kMonitorTextPieceLength = 90;

// The address of every unconnected frame: To text, one blank, Via text, upper case.
// "CQ" and "" give "CQ " (the link sends that without a path).
QString callString(const QString& to, const QString& via);

// True when the call string holds nothing but blanks: the operator has to be asked.
bool needsCallQuestion(const QString& callString);

// The information field of a TX text frame: at most 80 characters, and never shorter than
// two ("" goes out as " ", "x" as "x ").
QString txTextPayload(const QString& boxText);

// What the status bar says when a send finds the engine link down: nothing went out.
QString notSentNotice(const QString& host, quint16 port);

// The frames of a long text, in order: pieces of 90 characters, the last one shorter.
QStringList monitorTextPieces(const QString& text);

// Hands every unconnected frame to the link as kind "V". A listener station never transmits:
// in listener mode every send is refused, whichever path asked for it (button, menu, Enter,
// beacon, acknowledgement).
class UiSender {
public:
    explicit UiSender(AgwLink& link) : link_(link) {}
    void enterListenerMode() { listening_ = true; }
    bool isListening() const { return listening_; }
    // False when refused.
    bool send(const QString& callString, const QString& data);

private:
    AgwLink& link_;
    bool listening_ = false;
};

}  // namespace zeno
