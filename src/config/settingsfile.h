// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"

#include <QByteArray>
#include <QDateTime>
#include <QLatin1String>
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <variant>

namespace zeno {

// The settings file byte for byte: positional lines, CR LF, one Latin-1 byte per character.
// Nothing here touches a window, a dialog or the disk.

// A real file is a few kilobytes. Whatever lies beyond this many bytes is treated as missing,
// so a runaway or hostile file cannot make the reader allocate without bound; such a file
// simply ends early and falls back like any cut file.
inline constexpr qsizetype kSettingsFileReadLimit = 1024 * 1024;
// Every value line is read up to this many characters; the rest of a longer line is skipped.
inline constexpr qsizetype kSettingsLineLimit = 1000;

// How a value line is written and read.
enum class FieldKind {
    Callsign,     // text; one the setup dialog would refuse (a key line, say) means none
    Text,         // the whole line as it stands
    DefaultText,  // text kept only when not empty, cut to `cut` characters when that is set
    Integer,      // 16-bit, a blank in the sign position when not negative (" 60", "-1")
    Long,         // 32-bit, written like an integer
    Real,         // single precision, written like an integer, a decimal point allowed
    AlarmMode,    // an integer, or an empty line while no mode was ever chosen
    List,         // entries, then "[**end**]"
    Bbs,          // the mode as an integer, " /", then bbsPassword as it stands
};

// The Settings member of a field; a list is named by its box.
using SettingsMember = std::variant<QString Settings::*, int Settings::*, double Settings::*,
                                    std::optional<int> Settings::*, HistoryBox>;

// One key of the settings file: its key line and what the value lines under it hold.
struct SettingsField {
    QLatin1String key;
    FieldKind kind;
    SettingsMember member;
    qint64 minimum = 0;  // numbers: what converts, and what the writer keeps a value within
    qint64 maximum = 0;
    int writeLimit = 0;      // lists: entries written
    int readLimit = 0;       // lists: entries kept
    int cut = 0;             // default texts: characters kept, 0 for all of them
    bool newFormat = false;  // after "[ZENO Tag]": a file of the previous release ends before it
};

// Every field in file order. The writer and the reader both walk this one table.
std::span<const SettingsField> settingsFields();

// The lines after "[Debugset]": written for whoever reads the file, never read back.
struct SettingsDiagnostics {
    QString systemDirectory;
    QString appPath;
    QDateTime writtenAt;
    QString osText;
    QString engineInitText;  // cut at its first NUL when written
    bool addOnMenuVisible = false;
};

QByteArray writeSettingsFile(const Settings& settings, const SettingsDiagnostics& diagnostics);

struct SettingsFileContent {
    // The settings given to the reader with every value that read replaced. A list replaces
    // the old one only when the file held at least one entry for it.
    Settings settings;
    bool oldFormat = false;            // first line ";ZENO v.2": nothing after "[ZENO Tag]"
    bool callsignPlaceholder = false;  // callsign "MYCALL": nothing after it was read
    bool callsignUnreadable = false;   // one the setup dialog would refuse: "MYCALL"
    bool readError = false;  // a key line not found, a value missing or a number not converting
    // Entries counted per list, including those beyond the read limit.
    std::array<int, kHistoryBoxCount> listCounts{};
};

// Reads a file's bytes over the current settings (values that fail to read stay as they are).
// The format is positional, but every line at a key position must be a key line and no value
// may be one; where that fails, the field is read from under its own key line further on.
SettingsFileContent readSettingsFile(const QByteArray& bytes, const Settings& current);

// Value lines. Numbers carry a blank in the sign position when not negative (" 60", "-1").
QString formatIntegerValue(qint64 value);
// Single precision, whole numbers without a decimal point (" 12345", " 7545.5"), never an
// exponent; what is not a finite number is written as 0.
QString formatRealValue(double value);
// Blanks around the number are skipped and an empty line reads as 0. Integers take no decimal
// point; a value outside [minimum, maximum] does not convert.
std::optional<qint64> parseIntegerValue(const QString& line, qint64 minimum, qint64 maximum);
std::optional<double> parseRealValue(const QString& line);

// One byte per character; what Latin-1 cannot hold becomes "?".
QByteArray toLatin1Bytes(const QString& text);

}  // namespace zeno
