#include "config/settingsfile.h"

#include "platform/numbertext.h"
#include "zenoversion.h"

#include <QByteArrayView>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zeno {

namespace {

const QString kListEnd = QStringLiteral("[**end**]");
const QString kCredit = QStringLiteral(" - packet monitor and terminal");
const QString kCommentLine =
    QStringLiteral("; One value per line, found by its position: keep every line in its place.");
const QString kOldFormatMark = QStringLiteral(";ZENO v.2");
const QString kPlaceholderCall = QStringLiteral("MYCALL");

constexpr qint64 kIntegerMin = std::numeric_limits<qint16>::min();
constexpr qint64 kIntegerMax = std::numeric_limits<qint16>::max();
constexpr qint64 kLongMin = std::numeric_limits<qint32>::min();
constexpr qint64 kLongMax = std::numeric_limits<qint32>::max();

constexpr int kReservedPairs = 6;
constexpr int kDefaultForLength = 9;

bool isBlankChar(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// A value never spans lines: a line break inside it would shift every later value.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

class LineWriter {
public:
    void line(const QString& text) {
        bytes_ += toLatin1Bytes(oneLine(text));
        bytes_ += "\r\n";
    }
    void text(const QString& key, const QString& value) {
        line(key);
        line(value);
    }
    // Integer-kind values are 16-bit in the file; clamp so that what we write reads back.
    void integer(const QString& key, int value) {
        text(key, formatIntegerValue(std::clamp<qint64>(value, kIntegerMin, kIntegerMax)));
    }
    void longValue(const QString& key, int value) { text(key, formatIntegerValue(value)); }
    void real(const QString& key, double value) { text(key, formatRealValue(value)); }
    void list(const QString& key, const QStringList& entries, int limit) {
        line(key);
        const qsizetype n = std::min<qsizetype>(entries.size(), limit);
        for (qsizetype i = 0; i < n; ++i) {
            const QString trimmed = oneLine(entries.at(i)).trimmed();
            // A blank entry is no entry, and one that looks like the terminator would end the
            // list early and shift the rest of the file.
            if (trimmed.isEmpty() || trimmed == kListEnd)
                continue;
            line(entries.at(i));
        }
        line(kListEnd);
    }
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// Lines end in CR LF; a lone CR or LF (a file edited elsewhere) ends a line as well.
class LineReader {
public:
    explicit LineReader(const QByteArray& bytes)
        : bytes_(QByteArrayView(bytes).first(std::min(bytes.size(), kSettingsFileReadLimit))) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }

    std::optional<QString> next() {
        if (atEnd())
            return std::nullopt;
        qsizetype end = pos_;
        while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n')
            ++end;
        // No value is anywhere near this long: a longer line is cut, never taken whole.
        QString line = QString::fromLatin1(
            bytes_.sliced(pos_, std::min<qsizetype>(end - pos_, kSettingsLineLimit)));
        pos_ = end;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\r')
            ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
        return line;
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

// The value reader goes on after a failure, like the writer's positional counterpart: every
// later value is still read from its own line, and the failure is reported once at the end.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : lines_(bytes) {}

    bool failed() const { return failed_; }
    void fail() { failed_ = true; }

    std::optional<QString> line() {
        std::optional<QString> l = lines_.next();
        if (!l)
            failed_ = true;
        return l;
    }
    void skip() { line(); }

    void text(QString& value) {
        if (std::optional<QString> l = line())
            value = *l;
    }
    std::optional<int> number(qint64 minimum, qint64 maximum) {
        std::optional<QString> l = line();
        if (!l)
            return std::nullopt;
        std::optional<qint64> v = parseIntegerValue(*l, minimum, maximum);
        if (!v)
            failed_ = true;
        return v ? std::optional<int>(static_cast<int>(*v)) : std::nullopt;
    }
    void integer(int& value) {
        if (std::optional<int> v = number(kIntegerMin, kIntegerMax))
            value = *v;
    }
    void longValue(int& value) {
        if (std::optional<int> v = number(kLongMin, kLongMax))
            value = *v;
    }
    void real(double& value) {
        std::optional<QString> l = line();
        if (!l)
            return;
        if (std::optional<double> v = parseRealValue(*l))
            value = *v;
        else
            failed_ = true;
    }

    // After the key line, entries up to the terminator; the file's end also ends a list.
    // Entries beyond the limit are counted but dropped. Returns the count.
    int list(QStringList& target, int limit) {
        std::optional<QString> last = line();
        QStringList kept;
        int count = 0;
        while (last && !lines_.atEnd() && last->trimmed() != kListEnd) {
            last = lines_.next();
            if (last->trimmed() != kListEnd && !last->isEmpty()) {
                if (count < limit)
                    kept << *last;
                ++count;
            }
        }
        if (count > 0)
            target = kept;
        return count;
    }

private:
    LineReader lines_;
    bool failed_ = false;
};

// The number in front of the "/" of the BBS line: leading digits count, anything else is 0.
std::optional<int> leadingInteger(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isBlankChar(text.at(i)))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > kIntegerMax + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < kIntegerMin || value > kIntegerMax)
        return std::nullopt;
    return static_cast<int>(value);
}

// "[BBS Commands]" holds the mode, " /" and the password. A line of more than three characters
// is split at its first "/". The short form " 1 /" (a mode with no password) is split too:
// otherwise a disabled command set would come back as whatever the mode was before.
void readBbsLine(const QString& line, Settings& s, FieldReader& in) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() <= 3 && !trimmed.contains(QLatin1Char('/')))
        return;
    const qsizetype slash = line.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        in.fail();
        return;
    }
    const std::optional<int> mode = leadingInteger(line.left(slash));
    if (!mode) {
        in.fail();
        return;
    }
    s.bbsMode = *mode;
    s.bbsPassword = line.mid(slash + 1);
}

}  // namespace

int historyWriteLimit(HistoryBox box) {
    switch (box) {
        case HistoryBox::TxData:
            return 25;
        case HistoryBox::To:
            return 10;
        case HistoryBox::Via:
            return 11;
        case HistoryBox::AprsData:
            return 25;
        case HistoryBox::MessageFor:
            return 10;
        case HistoryBox::MessageText:
            return 25;
    }
    return 0;
}

int historyReadLimit(HistoryBox box) {
    switch (box) {
        case HistoryBox::TxData:
            return 31;
        case HistoryBox::To:
            return 13;
        case HistoryBox::Via:
            return 14;
        case HistoryBox::AprsData:
            return 31;
        case HistoryBox::MessageFor:
            return 13;
        case HistoryBox::MessageText:
            return 31;
    }
    return 0;
}

QString formatIntegerValue(qint64 value) { return signedNumberText(value); }

QString formatRealValue(double value) {
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    if (std::isnan(value))
        value = 0;
    const float f = static_cast<float>(std::clamp(value, -kFloatMax, kFloatMax));
    char buffer[64];
    // Shortest fixed notation that reads back as the same single-precision number.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, f == 0.0f ? 0.0f : f,
                                      std::chars_format::fixed);
    return signedNumberText(QString::fromLatin1(buffer, result.ptr - buffer));
}

std::optional<qint64> parseIntegerValue(const QString& line, qint64 minimum, qint64 maximum) {
    const QString text = line.trimmed();
    if (text.isEmpty())
        return (minimum <= 0 && 0 <= maximum) ? std::optional<qint64>(0) : std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (text.at(0) == QLatin1Char('-') || text.at(0) == QLatin1Char('+')) {
        negative = text.at(0) == QLatin1Char('-');
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > (qint64(1) << 40))
            return std::nullopt;  // far beyond any range we read
    }
    if (negative)
        value = -value;
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<double> parseRealValue(const QString& line) {
    const QString text = line.trimmed();
    if (text.isEmpty())
        return 0.0;
    // Sign, digits and at most one decimal point; no exponent, no "inf" or "nan".
    qsizetype i = (text.at(0) == QLatin1Char('-') || text.at(0) == QLatin1Char('+')) ? 1 : 0;
    int digits = 0;
    int points = 0;
    for (qsizetype j = i; j < text.size(); ++j) {
        const char16_t c = text.at(j).unicode();
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    const QByteArray number = text.mid(i).toLatin1();
    double value = 0;
    const auto result =
        std::from_chars(number.constData(), number.constData() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.constData() + number.size())
        return std::nullopt;
    if (!(std::abs(value) <= std::numeric_limits<float>::max()))
        return std::nullopt;
    if (text.at(0) == QLatin1Char('-'))
        value = -value;
    return static_cast<double>(static_cast<float>(value));
}

QByteArray toLatin1Bytes(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const uint c : text.toUcs4())
        out += c <= 0xFF ? static_cast<char>(c) : '?';
    return out;
}

QByteArray writeSettingsFile(const Settings& s, const SettingsDiagnostics& d) {
    LineWriter out;
    out.line(QStringLiteral(";ZENO v.") + ProgramVersion::text() + kCredit);
    out.line(kCommentLine);
    out.text(QStringLiteral("[Your Call Sign]"), s.callsign);
    out.text(QStringLiteral("[To call]"), s.toCall);
    out.text(QStringLiteral("[Digistation]"), s.digistation);
    out.integer(QStringLiteral("[AGWPE Radio Port]"), s.radioPort);
    if (s.alarmMode)
        out.integer(QStringLiteral("[AlarmSet]"), *s.alarmMode);
    else
        out.text(QStringLiteral("[AlarmSet]"), QString());  // never chosen yet: reads back as 0
    out.text(QStringLiteral("[Monitor Fontname]"), s.monitorFont);
    out.integer(QStringLiteral("[Beacon Interval]"), s.beaconInterval);
    out.integer(QStringLiteral("[Auto Scroll]"), s.autoScroll);
    out.integer(QStringLiteral("[Beacon]"), s.beacon);
    out.longValue(QStringLiteral("[Header color]"), s.headerColor);
    out.longValue(QStringLiteral("[Data color]"), s.dataColor);
    out.longValue(QStringLiteral("[Screen color]"), s.screenColor);
    out.text(QStringLiteral("[AlarmSet Header Text]"), s.alarmHeaderText);
    out.text(QStringLiteral("[AlarmSet Data Text]"), s.alarmDataText);
    out.text(QStringLiteral("[APRS]"), s.aprs);
    out.integer(QStringLiteral("[APRS Enabled]"), s.aprsEnabled);
    out.integer(QStringLiteral("[Selected Beacon]"), s.selectedBeacon);
    out.list(QStringLiteral("[TX data text]"), s.txDataHistory,
             historyWriteLimit(HistoryBox::TxData));
    out.list(QStringLiteral("[To text]"), s.toHistory, historyWriteLimit(HistoryBox::To));
    out.list(QStringLiteral("[Via text]"), s.viaHistory, historyWriteLimit(HistoryBox::Via));
    out.list(QStringLiteral("[APRS-Data]"), s.aprsDataHistory,
             historyWriteLimit(HistoryBox::AprsData));
    out.integer(QStringLiteral("[SavePosition]"), s.savePosition);
    out.real(QStringLiteral("[h-size]"), s.hSize);
    out.real(QStringLiteral("[v-size]"), s.vSize);
    out.real(QStringLiteral("[left-pos]"), s.leftPos);
    out.real(QStringLiteral("[top-pos]"), s.topPos);
    out.longValue(QStringLiteral("[DataBox Forecolor]"), s.dataBoxForeColor);
    out.longValue(QStringLiteral("[DataBox Backcolor]"), s.dataBoxBackColor);
    out.text(QStringLiteral("[TXDataDefault]"), s.txDataDefault);
    out.integer(QStringLiteral("[ZENO Tag]"), s.zenoTag);
    out.list(QStringLiteral("[APRS Message For]"), s.messageForHistory,
             historyWriteLimit(HistoryBox::MessageFor));
    out.list(QStringLiteral("[APRS Message Text]"), s.messageTextHistory,
             historyWriteLimit(HistoryBox::MessageText));
    out.text(QStringLiteral("[BBS Commands]"),
             formatIntegerValue(std::clamp<qint64>(s.bbsMode, kIntegerMin, kIntegerMax)) +
                 QStringLiteral(" /") + s.bbsPassword);
    out.integer(QStringLiteral("[SWL Mode]"), s.swlMode);
    out.integer(QStringLiteral("[Log Digipeated Messages]"), s.logDigipeatedMessages);
    out.text(QStringLiteral("[Default For:]"), s.defaultFor);
    out.text(QStringLiteral("[Default Message:]"), s.defaultMessage);
    out.text(QStringLiteral("[Default APRS Text]"), s.defaultAprsText);
    for (int i = 0; i < kReservedPairs; ++i)
        out.text(QStringLiteral("[reserved]"), QStringLiteral(" "));

    out.line(QStringLiteral("[Debugset]"));
    out.line(QStringLiteral(";winddir ") + d.systemDirectory);
    out.line(QStringLiteral(";apppath ") + d.appPath);
    out.line(QStringLiteral(";timeset ") + d.writtenAt.toString(QStringLiteral("HH:mm:ss")));
    out.line(QStringLiteral(";dateset ") + d.writtenAt.toString(QStringLiteral("MM-dd-yyyy")));
    out.line(QStringLiteral(";windver ") + d.osText);
    const qsizetype nul = d.engineInitText.indexOf(QChar(0));
    out.line(QStringLiteral(";agwinit ") +
             (nul < 0 ? d.engineInitText : d.engineInitText.left(nul)));
    out.line(QStringLiteral(";addon   ") +
             (d.addOnMenuVisible ? QStringLiteral("True") : QStringLiteral("False")));
    return out.bytes();
}

SettingsFileContent readSettingsFile(const QByteArray& bytes, const Settings& current) {
    SettingsFileContent out;
    out.settings = current;
    Settings& s = out.settings;
    FieldReader in(bytes);
    auto count = [&out](HistoryBox box) -> int& {
        return out.listCounts[static_cast<size_t>(box)];
    };

    if (std::optional<QString> first = in.line())
        out.oldFormat = first->left(9) == kOldFormatMark;
    in.skip();  // comment line
    in.skip();
    in.text(s.callsign);
    if (s.callsign.trimmed().toUpper() == kPlaceholderCall) {
        out.callsignPlaceholder = true;
        return out;
    }
    // Binary or a runaway line where the callsign belongs: the file is not ours to read on.
    if (!isReadableCallsign(s.callsign)) {
        s.callsign = kPlaceholderCall;
        out.callsignPlaceholder = true;
        out.callsignUnreadable = true;
        return out;
    }

    in.skip();
    in.text(s.toCall);
    in.skip();
    in.text(s.digistation);
    in.skip();
    in.integer(s.radioPort);
    in.skip();
    if (std::optional<int> alarm = in.number(kIntegerMin, kIntegerMax))
        s.alarmMode = *alarm;
    in.skip();
    in.text(s.monitorFont);
    in.skip();
    in.integer(s.beaconInterval);
    in.skip();
    in.integer(s.autoScroll);
    in.skip();
    in.integer(s.beacon);
    in.skip();
    in.longValue(s.headerColor);
    in.skip();
    in.longValue(s.dataColor);
    in.skip();
    in.longValue(s.screenColor);
    in.skip();
    in.text(s.alarmHeaderText);
    in.skip();
    in.text(s.alarmDataText);
    in.skip();
    in.text(s.aprs);
    in.skip();
    in.integer(s.aprsEnabled);
    in.skip();
    in.integer(s.selectedBeacon);
    for (HistoryBox box :
         {HistoryBox::TxData, HistoryBox::To, HistoryBox::Via, HistoryBox::AprsData})
        count(box) = in.list(s.history(box), historyReadLimit(box));
    in.skip();
    in.integer(s.savePosition);
    in.skip();
    in.real(s.hSize);
    in.skip();
    in.real(s.vSize);
    in.skip();
    in.real(s.leftPos);
    in.skip();
    in.real(s.topPos);
    in.skip();
    in.longValue(s.dataBoxForeColor);
    in.skip();
    in.longValue(s.dataBoxBackColor);
    in.skip();
    in.text(s.txDataDefault);
    in.skip();
    in.integer(s.zenoTag);

    if (!out.oldFormat) {
        for (HistoryBox box : {HistoryBox::MessageFor, HistoryBox::MessageText})
            count(box) = in.list(s.history(box), historyReadLimit(box));
        in.skip();
        if (std::optional<QString> bbs = in.line())
            readBbsLine(*bbs, s, in);
        in.skip();
        in.integer(s.swlMode);
        in.skip();
        in.integer(s.logDigipeatedMessages);
        in.skip();
        if (std::optional<QString> l = in.line(); l && !l->isEmpty())
            s.defaultFor = l->left(kDefaultForLength);
        in.skip();
        if (std::optional<QString> l = in.line(); l && !l->isEmpty())
            s.defaultMessage = *l;
        in.skip();
        if (std::optional<QString> l = in.line(); l && !l->isEmpty())
            s.defaultAprsText = *l;
    }
    out.readError = in.failed();
    return out;
}

}  // namespace zeno
