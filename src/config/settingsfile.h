#pragma once

#include "config/settings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

namespace zeno {

// The settings file byte for byte: positional lines, CR LF, one Latin-1 byte per character.
// Nothing here touches a window, a dialog or the disk.

// A real file is a few kilobytes. Whatever lies beyond this many bytes is treated as missing,
// so a runaway or hostile file cannot make the reader allocate without bound; such a file
// simply ends early and falls back like any cut file.
inline constexpr qsizetype kSettingsFileReadLimit = 1024 * 1024;
// Every value line is read up to this many characters; the rest of a longer line is skipped.
inline constexpr qsizetype kSettingsLineLimit = 1000;

// Entries of each history list that the writer writes and the reader keeps.
int historyWriteLimit(HistoryBox box);
int historyReadLimit(HistoryBox box);

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
    bool callsignUnreadable = false;   // not a callsign at all: counts as "MYCALL"
    bool readError = false;            // a line missing or a number that would not convert
    // Entries counted per list, including those beyond the read limit.
    std::array<int, kHistoryBoxCount> listCounts{};
};

// Reads a file's bytes over the current settings (values that fail to read stay as they are).
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
