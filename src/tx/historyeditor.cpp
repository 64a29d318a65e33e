// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/historyeditor.h"

#include <algorithm>

namespace zeno {

std::optional<HistoryEditorMode> historyEditorMode(int mode) {
    switch (mode) {
        case 0:
            return HistoryEditorMode{HistoryBox::TxData, QStringLiteral("Edit TX-Data entries")};
        case 1:
            return HistoryEditorMode{HistoryBox::AprsData,
                                     QStringLiteral("Edit TX-APRS Pos/Data entries")};
        case 2:
            return HistoryEditorMode{HistoryBox::MessageText,
                                     QStringLiteral("Edit TX APRS-Messages entries")};
        default:
            return std::nullopt;
    }
}

HistoryEditor::HistoryEditor(const QStringList& boxEntries) {
    const qsizetype count = std::min<qsizetype>(boxEntries.size(), kLoadedLines);
    for (qsizetype i = 0; i < count; ++i) {
        const QString line = boxEntries.at(i).trimmed();
        if (!line.isEmpty())
            lines_ << line;
    }
}

void HistoryEditor::select(int row) {
    selected_ = row >= 0 && row < lines_.size() ? row : -1;
}

QString HistoryEditor::selectedText() const {
    return selected_ >= 0 ? lines_.at(selected_) : QString();
}

bool HistoryEditor::addLine(const QString& answer) {
    if (!canAdd() || answer.isEmpty() || answer == selectedText())
        return false;
    lines_ << answer;
    return true;
}

bool HistoryEditor::editLine(const QString& answer) {
    if (answer.isEmpty() || answer == selectedText())
        return false;
    if (selected_ >= 0) {
        lines_.removeAt(selected_);
        selected_ = -1;
    } else if (!canAdd()) {
        return false;  // nothing replaced, and no room for another line
    }
    lines_ << answer;
    return true;
}

bool HistoryEditor::removeLine() {
    if (selected_ < 0)
        return false;
    lines_.removeAt(selected_);
    selected_ = -1;
    return true;
}

void HistoryEditor::removeAll() {
    lines_.clear();
    selected_ = -1;
}

}  // namespace zeno
