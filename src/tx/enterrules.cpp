// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/enterrules.h"

#include "tx/aprsmessage.h"
#include "tx/aprsposition.h"
#include "tx/uiframe.h"

namespace zeno {

namespace {

constexpr int kMaxToLength = 10;
constexpr int kMaxViaLength = 50;

}  // namespace

EnterRule enterRule(HistoryBox box) {
    switch (box) {
        case HistoryBox::TxData:
            return {kMaxTxTextLength, box, EnterSend::TxText, std::nullopt, {}};
        case HistoryBox::To:
            return {kMaxToLength, box, EnterSend::Nothing, std::nullopt, {}};
        case HistoryBox::Via:
            return {kMaxViaLength, box, EnterSend::Nothing, std::nullopt, {}};
        case HistoryBox::AprsData:
            return {kMaxAprsCommentLength, box, EnterSend::Position, std::nullopt, {}};
        case HistoryBox::MessageFor:
            // The addressee is only recorded: the operator goes on to write the message.
            return {kAddresseeLength, box, EnterSend::Nothing, HistoryBox::MessageText,
                    QStringLiteral("Message contents to transmit For:")};
        case HistoryBox::MessageText:
            return {kMaxMessageTextLength, box, EnterSend::Message, std::nullopt, {}};
    }
    return {};
}

}  // namespace zeno
