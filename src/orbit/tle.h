// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace zeno {

// One element set: the name line and its two lines, decoded. Angles in degrees as the set
// gives them; SGP4 converts to its own units.
struct Tle {
    QString name;
    QString line1;  // as read (trailing blanks removed), to write the set back unchanged
    QString line2;
    int catalogNumber = 0;  // NORAD number; "A0001" style (alpha-5) reads as 100001
    QChar classification;
    QString internationalDesignator;
    int epochYear = 0;          // four digits: 57-99 are 19xx, 00-56 are 20xx
    double epochDay = 0;        // day of the year with its fraction, 1.0 = 1 January 0:00 UTC
    QDateTime epoch;            // UTC, to the millisecond
    double epochJulian = 0;     // UTC Julian date, to the set's full precision
    double meanMotionDot = 0;   // the set's first field: dn/dt / 2, rev/day^2
    double meanMotionDdot = 0;  // the set's second field: d2n/dt2 / 6, rev/day^3
    double bstar = 0;           // drag term, 1/earth radii
    int elementSetNumber = 0;
    double inclinationDeg = 0;
    double raanDeg = 0;  // right ascension of the ascending node
    double eccentricity = 0;
    double argPerigeeDeg = 0;
    double meanAnomalyDeg = 0;
    double meanMotion = 0;  // rev/day
    int revolutionNumber = 0;
};

// A set from its name and two lines: each line is 69 characters (trailing blanks allowed)
// with its checksum in the last column (digits count their value, '-' counts 1, mod 10);
// both lines must name the same satellite and every field must read as a number. Nothing
// when a rule fails; then *whyNot (when given) says which.
std::optional<Tle> parseTle(const QString& name, const QString& line1, const QString& line2,
                            QString* whyNot = nullptr);

// The Julian date of a moment (UTC; ZENO takes it for UT1, well within a pass's second).
double julianDate(const QDateTime& utc);

// Minutes from the set's epoch to a UTC time, the argument SGP4 takes.
double minutesSinceEpoch(const Tle& tle, const QDateTime& utc);

// The sets of a file and what went wrong reading it: one text per set that failed, and for
// lines that belong to no set ("line 7: ..."), so a caller can refuse a damaged download.
struct TleFile {
    QList<Tle> sets;
    QStringList errors;
    bool ok() const { return errors.isEmpty(); }
};

// Three-line sets (name, line 1, line 2). A set without a name line (two-line sets, as some
// sources serve them) is accepted and named by its catalogue number. CR LF or LF, blank
// lines anywhere and a missing last newline are fine; any other line is reported.
TleFile parseTleText(const QString& text);

// The same for a file; one that cannot be read, or is larger than 4 MiB, gives one error.
TleFile readTleFile(const QString& path);

// Why new sets may not replace tle.txt, for the operator: every set must read and there must
// be at least one (a web server's error page holds none). Empty when they may.
QString tleUpdateRefusal(const TleFile& update);

}  // namespace zeno
