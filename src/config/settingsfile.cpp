// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settingsfile.h"

#include "platform/numbertext.h"
#include "zenoversion.h"

#include <QByteArrayView>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace zeno {

namespace {

constexpr QLatin1String kListEnd("[**end**]");
constexpr QLatin1String kReserved("[reserved]");
constexpr QLatin1String kDebugset("[Debugset]");
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

constexpr SettingsField text(const char* key, QString Settings::*member,
                             FieldKind kind = FieldKind::Text, int cut = 0) {
    return {QLatin1String(key), kind, member, 0, 0, 0, 0, cut};
}
constexpr SettingsField integer(const char* key, int Settings::*member) {
    return {QLatin1String(key), FieldKind::Integer, member, kIntegerMin, kIntegerMax};
}
constexpr SettingsField longValue(const char* key, int Settings::*member) {
    return {QLatin1String(key), FieldKind::Long, member, kLongMin, kLongMax};
}
constexpr SettingsField list(const char* key, HistoryBox box, int writeLimit, int readLimit) {
    return {QLatin1String(key), FieldKind::List, box, 0, 0, writeLimit, readLimit};
}
constexpr SettingsField newer(SettingsField field) {
    field.newFormat = true;
    return field;
}

constexpr std::array kFields{
    text("[Your Call Sign]", &Settings::callsign, FieldKind::Callsign),
    text("[To call]", &Settings::toCall),
    text("[Digistation]", &Settings::digistation),
    integer("[AGWPE Radio Port]", &Settings::radioPort),
    SettingsField{QLatin1String("[AlarmSet]"), FieldKind::AlarmMode, &Settings::alarmMode,
                  kIntegerMin, kIntegerMax},
    text("[Monitor Fontname]", &Settings::monitorFont),
    integer("[Beacon Interval]", &Settings::beaconInterval),
    integer("[Auto Scroll]", &Settings::autoScroll),
    integer("[Beacon]", &Settings::beacon),
    longValue("[Header color]", &Settings::headerColor),
    longValue("[Data color]", &Settings::dataColor),
    longValue("[Screen color]", &Settings::screenColor),
    text("[AlarmSet Header Text]", &Settings::alarmHeaderText),
    text("[AlarmSet Data Text]", &Settings::alarmDataText),
    text("[APRS]", &Settings::aprs),
    integer("[APRS Enabled]", &Settings::aprsEnabled),
    integer("[Selected Beacon]", &Settings::selectedBeacon),
    list("[TX data text]", HistoryBox::TxData, 25, 31),
    list("[To text]", HistoryBox::To, 10, 13),
    list("[Via text]", HistoryBox::Via, 11, 14),
    list("[APRS-Data]", HistoryBox::AprsData, 25, 31),
    integer("[SavePosition]", &Settings::savePosition),
    SettingsField{QLatin1String("[h-size]"), FieldKind::Real, &Settings::hSize},
    SettingsField{QLatin1String("[v-size]"), FieldKind::Real, &Settings::vSize},
    SettingsField{QLatin1String("[left-pos]"), FieldKind::Real, &Settings::leftPos},
    SettingsField{QLatin1String("[top-pos]"), FieldKind::Real, &Settings::topPos},
    longValue("[DataBox Forecolor]", &Settings::dataBoxForeColor),
    longValue("[DataBox Backcolor]", &Settings::dataBoxBackColor),
    text("[TXDataDefault]", &Settings::txDataDefault),
    integer("[ZENO Tag]", &Settings::zenoTag),
    newer(list("[APRS Message For]", HistoryBox::MessageFor, 10, 13)),
    newer(list("[APRS Message Text]", HistoryBox::MessageText, 25, 31)),
    newer({QLatin1String("[BBS Commands]"), FieldKind::Bbs, &Settings::bbsMode, kIntegerMin,
           kIntegerMax}),
    newer(integer("[SWL Mode]", &Settings::swlMode)),
    newer(integer("[Log Digipeated Messages]", &Settings::logDigipeatedMessages)),
    newer(text("[Default For:]", &Settings::defaultFor, FieldKind::DefaultText, kDefaultForLength)),
    newer(text("[Default Message:]", &Settings::defaultMessage, FieldKind::DefaultText)),
    newer(text("[Default APRS Text]", &Settings::defaultAprsText, FieldKind::DefaultText)),
};

template <typename T, typename S>
auto& member(S& s, const SettingsField& f) {
    return s.*std::get<T Settings::*>(f.member);
}

bool sameKey(QLatin1String line, QLatin1String key) {
    return line.trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

// Whose key line this is, trimmed and in any case: a field's, kFields.size() for "[reserved]"
// and "[Debugset]", -1 for no key line.
int keyLineOf(QLatin1String line) {
    if (!line.trimmed().startsWith(QLatin1Char('[')))
        return -1;
    const auto f = std::find_if(kFields.cbegin(), kFields.cend(),
                                [line](const SettingsField& f) { return sameKey(line, f.key); });
    return f != kFields.cend() || sameKey(line, kReserved) || sameKey(line, kDebugset)
               ? int(f - kFields.cbegin())
               : -1;
}
bool isKeyLine(QLatin1String line) { return keyLineOf(line) >= 0; }
bool isKeyLine(const QString& text) { return isKeyLine(QLatin1String(toLatin1Bytes(text))); }

// A value never spans lines: a line break inside it would shift every later value.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void writeLine(QByteArray& out, const QString& text) {
    out += toLatin1Bytes(oneLine(text));
    out += "\r\n";
}

// Within the field's range, so that what we write reads back.
QString numberText(const SettingsField& f, qint64 value) {
    return formatIntegerValue(std::clamp(value, f.minimum, f.maximum));
}

// Writes nothing the reader would take for a key line where a value belongs.
void writeField(QByteArray& out, const SettingsField& f, const Settings& s) {
    writeLine(out, f.key);
    switch (f.kind) {
        case FieldKind::Callsign:
        case FieldKind::Text:
        case FieldKind::DefaultText: {
            const QString& value = member<QString>(s, f);
            writeLine(out, isKeyLine(oneLine(value)) ? QString() : value);
            break;
        }
        case FieldKind::Integer:
        case FieldKind::Long:
            writeLine(out, numberText(f, member<int>(s, f)));
            break;
        case FieldKind::AlarmMode: {
            const std::optional<int>& mode = member<std::optional<int>>(s, f);
            writeLine(out, mode ? numberText(f, *mode) : QString());  // never chosen: reads as 0
            break;
        }
        case FieldKind::Real:
            writeLine(out, formatRealValue(member<double>(s, f)));
            break;
        case FieldKind::List: {
            const QStringList& entries = s.history(std::get<HistoryBox>(f.member));
            for (const QString& entry : entries.mid(0, f.writeLimit)) {
                const QString trimmed = oneLine(entry).trimmed();
                // A blank entry is no entry, and one that looks like the terminator would end
                // the list early and shift the rest of the file.
                if (!trimmed.isEmpty() && trimmed != kListEnd && !isKeyLine(trimmed))
                    writeLine(out, entry);
            }
            writeLine(out, kListEnd);
            break;
        }
        case FieldKind::Bbs:
            writeLine(out, numberText(f, member<int>(s, f)) + QStringLiteral(" /") + s.bbsPassword);
            break;
    }
}

// Lines end in CR LF; a lone CR or LF (a file edited elsewhere) ends a line as well. A line is
// a view into the file's bytes.
class LineReader {
public:
    explicit LineReader(const QByteArray& bytes)
        : bytes_(QByteArrayView(bytes).first(std::min(bytes.size(), kSettingsFileReadLimit))) {}

    qsizetype position() const { return pos_; }
    void seek(qsizetype pos) { pos_ = pos; }

    std::optional<QLatin1String> next() {
        if (pos_ >= bytes_.size())
            return std::nullopt;
        qsizetype end = pos_;
        while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n')
            ++end;
        // No value is anywhere near this long: a longer line is cut, never taken whole.
        const QLatin1String line(bytes_.data() + pos_, std::min(end - pos_, kSettingsLineLimit));
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

// The reader goes on after a failure: every later value is still read from under its own key
// line, and the failure is reported once at the end.
class FieldReader {
public:
    FieldReader(const QByteArray& bytes, SettingsFileContent& out) : lines_(bytes), out_(out) {
        // Where the key lines stand and whose they are, found once: searching the whole file
        // for every field would take seconds on a large damaged one.
        for (qsizetype at = 0; std::optional<QLatin1String> l = lines_.next();
             at = lines_.position()) {
            if (const int key = keyLineOf(*l); key >= 0)
                keyLines_.emplace_back(at, key);
        }
        lines_.seek(0);
    }

    bool failed() const { return failed_; }

    // The header and the comment line come before the fields. Where they were deleted, the
    // callsign's key line stands in their place and is left for the callsign.
    std::optional<QLatin1String> skipLine() {
        const qsizetype at = lines_.position();
        const std::optional<QLatin1String> l = lines_.next();
        failed_ = failed_ || !l;
        if (!l || !sameKey(*l, kFields.front().key))
            return l;
        lines_.seek(at);
        return std::nullopt;
    }

    // A damaged file must never put a key line into a value: one read as the callsign was
    // registered with the engine and went on the air. So the line at the key position must be
    // a key line (which one does not matter: the order of the lines is the format) and no
    // value line may be one. Where either fails we have lost our place: from there on each
    // value is read from under its own key line, found by its text, until one is found again.
    // A field whose key line is not found is a read error.
    void field(const SettingsField& f) {
        if (!lost_) {
            const qsizetype keyAt = lines_.position();
            if (std::optional<QLatin1String> key = lines_.next();
                key && isKeyLine(*key) && value(f))
                return;
            lines_.seek(keyAt);
            lines_.next();
        }
        const qsizetype from = lines_.position();
        for (const auto& [at, key] : keyLines_) {
            if (at < from || key != &f - kFields.data())
                continue;
            lines_.seek(at);
            lines_.next();
            if (value(f)) {
                lost_ = false;
                return;
            }
        }
        lines_.seek(from);
        lost_ = failed_ = true;
    }

private:
    // The value lines under a key line; false, with nothing stored, when one is a key line or
    // missing. A number that does not convert is a read error but leaves us in our place.
    bool value(const SettingsField& f) {
        if (f.kind == FieldKind::List)
            return list(f);
        const std::optional<QLatin1String> l = lines_.next();
        // A key line as the callsign is for the callsign check to refuse.
        if (!l || (f.kind != FieldKind::Callsign && isKeyLine(*l)))
            return false;
        const QString line = l->toString();
        Settings& s = out_.settings;
        switch (f.kind) {
            case FieldKind::Callsign:
            case FieldKind::Text:
                member<QString>(s, f) = line;
                break;
            case FieldKind::DefaultText:
                if (!line.isEmpty())
                    member<QString>(s, f) = f.cut > 0 ? line.left(f.cut) : line;
                break;
            case FieldKind::Integer:
            case FieldKind::Long:
                if (auto v = converted(parseIntegerValue(line, f.minimum, f.maximum)))
                    member<int>(s, f) = static_cast<int>(*v);
                break;
            case FieldKind::AlarmMode:
                if (auto v = converted(parseIntegerValue(line, f.minimum, f.maximum)))
                    member<std::optional<int>>(s, f) = static_cast<int>(*v);
                break;
            case FieldKind::Real:
                if (auto v = converted(parseRealValue(line)))
                    member<double>(s, f) = *v;
                break;
            case FieldKind::Bbs:
                bbs(f, line);
                break;
            case FieldKind::List:
                break;
        }
        return true;
    }

    // A value that does not convert is a read error.
    template <typename T>
    std::optional<T> converted(std::optional<T> value) {
        failed_ = failed_ || !value;
        return value;
    }

    // Entries up to the terminator; the file's end also ends a list. Entries beyond the limit
    // are counted but dropped.
    bool list(const SettingsField& f) {
        QStringList kept;
        int count = 0;
        while (std::optional<QLatin1String> l = lines_.next()) {
            if (l->trimmed() == kListEnd)
                break;
            if (isKeyLine(*l))
                return false;
            if (!l->isEmpty()) {
                if (count < f.readLimit)
                    kept << l->toString();
                ++count;
            }
        }
        const auto box = std::get<HistoryBox>(f.member);
        out_.listCounts[static_cast<size_t>(box)] = count;
        if (count > 0)
            out_.settings.history(box) = kept;
        return true;
    }

    // "[BBS Commands]" holds the mode, " /" and the password. A line of more than three
    // characters is split at its first "/". The short form " 1 /" (a mode with no password) is
    // split too: otherwise a disabled command set would come back as whatever the mode was.
    void bbs(const SettingsField& f, const QString& line) {
        const QString trimmed = line.trimmed();
        if (trimmed.size() <= 3 && !trimmed.contains(QLatin1Char('/')))
            return;
        const qsizetype slash = line.indexOf(QLatin1Char('/'));
        // The mode is the sign and digits in front of the "/"; anything else there is 0.
        static const QRegularExpression kLeadingNumber(QStringLiteral("^[-+]?[0-9]+"));
        const QString number = kLeadingNumber.match(line.left(slash).trimmed()).captured();
        const std::optional<qint64> mode =
            converted(slash < 0          ? std::nullopt
                      : number.isEmpty() ? 0
                                         : parseIntegerValue(number, f.minimum, f.maximum));
        if (mode) {
            member<int>(out_.settings, f) = static_cast<int>(*mode);
            out_.settings.bbsPassword = line.mid(slash + 1);
        }
    }

    LineReader lines_;
    SettingsFileContent& out_;
    std::vector<std::pair<qsizetype, qsizetype>> keyLines_;
    bool failed_ = false;
    bool lost_ = false;
};

}  // namespace

std::span<const SettingsField> settingsFields() { return kFields; }

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
    QByteArray out;
    writeLine(out, QStringLiteral(";ZENO v.") + ProgramVersion::text() + kCredit);
    writeLine(out, kCommentLine);
    for (const SettingsField& f : kFields)
        writeField(out, f, s);
    for (int i = 0; i < kReservedPairs; ++i) {
        writeLine(out, kReserved);
        writeLine(out, QStringLiteral(" "));
    }

    writeLine(out, kDebugset);
    writeLine(out, QStringLiteral(";winddir ") + d.systemDirectory);
    writeLine(out, QStringLiteral(";apppath ") + d.appPath);
    writeLine(out, QStringLiteral(";timeset ") + d.writtenAt.toString(QStringLiteral("HH:mm:ss")));
    writeLine(out,
              QStringLiteral(";dateset ") + d.writtenAt.toString(QStringLiteral("MM-dd-yyyy")));
    writeLine(out, QStringLiteral(";windver ") + d.osText);
    writeLine(out, QStringLiteral(";agwinit ") + d.engineInitText.section(QChar(0), 0, 0));
    writeLine(out, QStringLiteral(";addon   ") +
                       (d.addOnMenuVisible ? QStringLiteral("True") : QStringLiteral("False")));
    return out;
}

SettingsFileContent readSettingsFile(const QByteArray& bytes, const Settings& current) {
    SettingsFileContent out;
    out.settings = current;
    Settings& s = out.settings;
    FieldReader in(bytes, out);

    if (std::optional<QLatin1String> first = in.skipLine()) {
        out.oldFormat = first->left(9) == kOldFormatMark;
        in.skipLine();
    }
    in.field(kFields.front());
    if (s.callsign.trimmed().toUpper() == kPlaceholderCall) {
        out.callsignPlaceholder = true;
        return out;
    }
    // A key line, binary or anything else the setup dialog would refuse where the callsign
    // belongs: the file is not ours to read on, and start-up asks for the callsign. A callsign
    // too short to be one is for LoadSettings to refuse aloud.
    if (s.callsign.trimmed().size() >= 2 && !isValidCallsign(s.callsign)) {
        s.callsign = kPlaceholderCall;
        out.callsignPlaceholder = true;
        out.callsignUnreadable = true;
        return out;
    }
    for (const SettingsField& f : std::span(kFields).subspan(1)) {
        if (out.oldFormat && f.newFormat)
            break;
        in.field(f);
    }
    out.readError = in.failed();
    return out;
}

}  // namespace zeno
