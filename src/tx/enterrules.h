// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"

#include <QString>
#include <optional>

namespace zeno {

// The key code the six transmit boxes react to; they swallow it, other keys do nothing.
inline constexpr int kEnterKey = 13;

// What Enter in a box sends once its text is recorded.
enum class EnterSend { Nothing, TxText, Position, Message };

// Enter in one of the six boxes: the text is cut, goes into a history, may be sent, and the
// keyboard moves on or stays.
struct EnterRule {
    int cutTo = 0;                   // the box text is cut to this many characters
    HistoryBox history{};            // the history the text goes into
    EnterSend sends{};               // after a send the box's whole text is selected
    std::optional<HistoryBox> next;  // where the keyboard goes; none: it stays in the box
    QString nextTip;                 // the next box's tooltip, followed by this box's text
};
EnterRule enterRule(HistoryBox box);

}  // namespace zeno
