// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/monitorfilter.h"

#include "platform/dialogs.h"

#include <QStringList>

namespace zeno {

namespace {

constexpr int kGreyIndex = 7;
constexpr int kGreenIndex = 10;
// The engine marks a digipeater that repeated the frame with a trailing "*".
const QString kRepeatedMark = QStringLiteral("*");

QString entryPrompt() {
    return QStringList{QStringLiteral("Type the call or any header string that you"),
                       QStringLiteral("want to monitor the traffic From and To."),
                       QStringLiteral("This can be any text or part of a word in the header!"),
                       QStringLiteral("Examples:"),
                       QStringLiteral("RS0ISS*, CQ, GATE, QZ9ZZZ, APRS, ID, BEACON..."),
                       QString(),
                       QStringLiteral("Enter the callsign or string:")}
        .join(QLatin1Char('\r'));
}

}  // namespace

bool MonitorFilter::passes(const QString& HeaderLine) const {
    if (checked_ == NoFilters)
        return true;
    return !text_.isEmpty() && HeaderLine.contains(text_, Qt::CaseSensitive);
}

QString MonitorFilter::caption() const {
    switch (checked_) {
        case NoFilters:
            return QStringLiteral("No Filter");
        case OnlyDigipeated:
            return QStringLiteral("Digipeated");
        default:
            return text_;
    }
}

int MonitorFilter::backgroundIndex() const {
    return checked_ == NoFilters ? kGreyIndex : kGreenIndex;
}

void MonitorFilter::set(Item item, const QString& text) {
    checked_ = item;
    text_ = text;
}

void MonitorFilter::chooseNoFilters() {
    set(NoFilters, QString());
}

bool MonitorFilter::chooseCall(Item item, const QString& boxText) {
    const QString call = boxText.trimmed().toUpper();
    if (call.isEmpty())
        return false;
    set(item, call);
    return true;
}

void MonitorFilter::chooseOnlyDigipeated() {
    set(OnlyDigipeated, kRepeatedMark);
}

MonitorFilter::Entry MonitorFilter::chooseEntered(const QString& answer) {
    if (answer.size() > kMaxEnteredLength)
        return Entry::TooLong;
    // Blanks alone would make a filter that shows nothing under an empty label.
    const QString text = answer.trimmed().toUpper();
    if (text.isEmpty())
        return Entry::Nothing;
    set(EnteredText, text);
    return Entry::Taken;
}

bool menufiltersChoice(MonitorFilter& filter, int Index, const QString& toBox,
                       const QString& viaBox, Dialogs& dialogs) {
    switch (Index) {
        case MonitorFilter::NoFilters:
            filter.chooseNoFilters();
            return true;
        case MonitorFilter::CallTo:
            return filter.chooseCall(MonitorFilter::CallTo, toBox);
        case MonitorFilter::DigipeaterVia:
            return filter.chooseCall(MonitorFilter::DigipeaterVia, viaBox);
        case MonitorFilter::OnlyDigipeated:
            filter.chooseOnlyDigipeated();
            return true;
        case MonitorFilter::EnteredText: {
            const QString answer = dialogs.input(
                entryPrompt(), QStringLiteral("Filter Callsign/String"), filter.text());
            const MonitorFilter::Entry entry = filter.chooseEntered(answer);
            if (entry == MonitorFilter::Entry::TooLong) {
                dialogs.message(QStringLiteral("Search string to long. Maximum 40 characters"),
                                QStringLiteral("Filter"), MsgIcon::Exclamation, MsgButtons::Ok);
            }
            return entry == MonitorFilter::Entry::Taken;
        }
        default:
            return false;
    }
}

}  // namespace zeno
