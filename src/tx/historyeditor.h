// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zeno {

// The three histories the editor window works on, by its mode number (0, 1, 2).
struct HistoryEditorMode {
    HistoryBox box;
    QString caption;
};
std::optional<HistoryEditorMode> historyEditorMode(int mode);

// The lines of the history editor. It works on a copy of a box's entries; the window shows
// the lines and writes them back only on OK.
class HistoryEditor {
public:
    // The settings keep 31 entries of these histories; the editor never holds more, so
    // nothing the operator types is dropped on OK.
    static constexpr int kMaxLines = 31;
    // Lines taken from the box when the editor opens.
    static constexpr int kLoadedLines = 25;

    // The box's first 25 entries that are not blank, trimmed.
    explicit HistoryEditor(const QStringList& boxEntries);

    const QStringList& lines() const { return lines_; }
    // -1: no line selected.
    int selected() const { return selected_; }
    void select(int row);
    QString selectedText() const;

    // Add Line takes another line only while fewer than 31 are there.
    bool canAdd() const { return lines_.size() < kMaxLines; }
    // A non-empty answer that differs from the selected line goes to the end.
    bool addLine(const QString& answer);
    // A non-empty answer that differs from the selected line replaces it, at the end.
    bool editLine(const QString& answer);
    bool removeLine();
    void removeAll();

private:
    QStringList lines_;
    int selected_ = -1;
};

}  // namespace zeno
