// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

class Dialogs;

// The monitor filter: the monitor shows only frames whose header line holds the filter text.
// The heard list, the message log, connected mode and the alarm still see every frame. It is
// not stored: every run starts without one.
class MonitorFilter {
public:
    // Items of the Filters menu ("menufilters"); 4 is a separator.
    enum Item { NoFilters = 0, CallTo = 1, DigipeaterVia = 2, OnlyDigipeated = 3, EnteredText = 5 };
    static constexpr int kMaxEnteredLength = 40;

    // True when the monitor shows a frame with this header line. A frame without a header
    // (connected-mode data) shows only while there is no filter.
    bool passes(const QString& HeaderLine) const;

    Item checkedItem() const { return checked_; }
    // "MonitorFilter": the text looked for, empty without a filter.
    const QString& text() const { return text_; }
    // What the filter label shows, and its background as a classic palette index.
    QString caption() const;
    int backgroundIndex() const;

    void chooseNoFilters();
    // From the To or Via box (item 1 or 2); a box of blanks changes nothing (false).
    bool chooseCall(Item item, const QString& boxText);
    void chooseOnlyDigipeated();

    enum class Entry { Taken, TooLong, Nothing };
    // A typed text: longer than 40 characters is refused, blank changes nothing.
    Entry chooseEntered(const QString& answer);

private:
    void set(Item item, const QString& text);

    Item checked_ = NoFilters;
    QString text_;
};

// Runs one item of the Filters menu with the To and Via box texts; the question for a typed
// text and its refusal go through dialogs. True when the filter changed.
bool menufiltersChoice(MonitorFilter& filter, int Index, const QString& toBox,
                       const QString& viaBox, Dialogs& dialogs);

}  // namespace zeno
