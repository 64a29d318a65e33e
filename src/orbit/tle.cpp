// SPDX-License-Identifier: GPL-3.0-or-later
#include "orbit/tle.h"

#include <QFile>
#include <cmath>
#include <cstdlib>

namespace zeno {

namespace {

constexpr int kLineLength = 69;
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString withoutTrailingBlanks(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

// Columns as the element set format counts them: 1-based, both ends included.
QStringView columns(const QString& line, int first, int last) {
    return QStringView(line).mid(first - 1, last - first + 1);
}

int checksum(const QString& line) {
    int sum = 0;
    for (QChar c : columns(line, 1, kLineLength - 1)) {
        if (isDigit(c))
            sum += c.unicode() - u'0';
        else if (c == u'-')
            sum += 1;
    }
    return sum % 10;
}

// A decimal field: digits with at most a sign and a point, blanks around.
std::optional<double> decimal(QStringView field) {
    const QStringView t = field.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (QChar c : t) {
        if (!isDigit(c) && c != u'.' && c != u'-' && c != u'+')
            return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// An integer field; blank reads as 0 where the format allows it (counters, set numbers).
std::optional<int> integer(QStringView field, bool blankIsZero) {
    const QStringView t = field.trimmed();
    if (t.isEmpty())
        return blankIsZero ? std::optional<int>(0) : std::nullopt;
    for (QChar c : t) {
        if (!isDigit(c))
            return std::nullopt;
    }
    return t.toInt();
}

// "sMMMMMsE": a mantissa with an implied leading point and a power of ten, " 12345-3" is
// 0.12345e-3. Blank mantissa digits read as 0, as many generators pad with them.
std::optional<double> impliedExponent(QStringView f) {
    if (f.size() != 8)
        return std::nullopt;
    if (f[0] != u' ' && f[0] != u'+' && f[0] != u'-')
        return std::nullopt;
    if (f[6] != u' ' && f[6] != u'+' && f[6] != u'-')
        return std::nullopt;
    if (!isDigit(f[7]))
        return std::nullopt;
    double mantissa = 0;
    for (QChar c : f.mid(1, 5)) {
        if (c != u' ' && !isDigit(c))
            return std::nullopt;
        mantissa = mantissa * 10 + (c == u' ' ? 0 : c.unicode() - u'0');
    }
    // Scale by an exact power of ten, so " 22137-3" gives the same double as 0.22137e-3.
    const int power = 5 - (f[6] == u'-' ? -1 : 1) * (f[7].unicode() - u'0');
    double scale = 1;
    for (int k = 0; k < std::abs(power); ++k)
        scale *= 10;
    const double magnitude = power >= 0 ? mantissa / scale : mantissa * scale;
    return f[0] == u'-' ? -magnitude : magnitude;
}

// Five digits, or a letter and four digits for numbers above 99999 (I and O are skipped).
std::optional<int> catalogNumber(QStringView f) {
    const QChar lead = f.isEmpty() ? QChar() : f[0];
    if (lead >= u'A' && lead <= u'Z' && lead != u'I' && lead != u'O') {
        const auto rest = integer(f.mid(1), false);
        if (!rest || f.mid(1).trimmed().size() != 4)
            return std::nullopt;
        int value = lead.unicode() - u'A' + 10;
        value -= (lead > u'I') + (lead > u'O');
        return value * 10000 + *rest;
    }
    return integer(f, false);
}

}  // namespace

std::optional<Tle> parseTle(const QString& name, const QString& line1, const QString& line2,
                            QString* whyNot) {
    auto fail = [whyNot](const QString& why) {
        if (whyNot)
            *whyNot = why;
        return std::nullopt;
    };
    Tle tle;
    tle.name = name.trimmed();
    tle.line1 = withoutTrailingBlanks(line1);
    tle.line2 = withoutTrailingBlanks(line2);
    const QString* lines[] = {&tle.line1, &tle.line2};
    for (int n = 1; n <= 2; ++n) {
        const QString& line = *lines[n - 1];
        if (line.size() != kLineLength)
            return fail(
                QStringLiteral("line %1 has %2 characters, not 69").arg(n).arg(line.size()));
        if (line[0] != QChar(u'0' + n) || line[1] != u' ')
            return fail(QStringLiteral("line %1 does not start with \"%1 \"").arg(n));
        if (!isDigit(line[68]) || line[68].unicode() - u'0' != checksum(line))
            return fail(QStringLiteral("the checksum of line %1 is wrong").arg(n));
    }
    const QString& l1 = tle.line1;
    const QString& l2 = tle.line2;

    const auto number1 = catalogNumber(columns(l1, 3, 7));
    const auto number2 = catalogNumber(columns(l2, 3, 7));
    if (!number1 || !number2)
        return fail(QStringLiteral("the catalogue number is not a number"));
    if (*number1 != *number2)
        return fail(QStringLiteral("line 2 is of another satellite"));
    tle.catalogNumber = *number1;
    tle.classification = l1[7];
    tle.internationalDesignator = columns(l1, 10, 17).trimmed().toString();

    const auto year = integer(columns(l1, 19, 20), false);
    const auto day = decimal(columns(l1, 21, 32));
    if (!year || !day)
        return fail(QStringLiteral("the epoch is not a number"));
    tle.epochYear = *year >= 57 ? 1900 + *year : 2000 + *year;
    const QDate newYear(tle.epochYear, 1, 1);
    if (*day < 1.0 || *day >= newYear.daysInYear() + 1.0)
        return fail(QStringLiteral("the epoch's day is not a day of the year"));
    tle.epochDay = *day;
    tle.epochJulian = double(newYear.toJulianDay()) - 0.5 + (*day - 1.0);
    tle.epoch =
        QDateTime(newYear, QTime(0, 0), Qt::UTC).addMSecs(qRound64((*day - 1.0) * 86400000.0));

    struct Field {
        QString what;
        std::optional<double> value;
        double* into;
    };
    const Field fields[] = {
        {QStringLiteral("first derivative of the mean motion"), decimal(columns(l1, 34, 43)),
         &tle.meanMotionDot},
        {QStringLiteral("second derivative of the mean motion"),
         impliedExponent(columns(l1, 45, 52)), &tle.meanMotionDdot},
        {QStringLiteral("drag term"), impliedExponent(columns(l1, 54, 61)), &tle.bstar},
        {QStringLiteral("inclination"), decimal(columns(l2, 9, 16)), &tle.inclinationDeg},
        {QStringLiteral("right ascension of the node"), decimal(columns(l2, 18, 25)), &tle.raanDeg},
        {QStringLiteral("argument of perigee"), decimal(columns(l2, 35, 42)), &tle.argPerigeeDeg},
        {QStringLiteral("mean anomaly"), decimal(columns(l2, 44, 51)), &tle.meanAnomalyDeg},
        {QStringLiteral("mean motion"), decimal(columns(l2, 53, 63)), &tle.meanMotion},
    };
    for (const Field& f : fields) {
        if (!f.value)
            return fail(QStringLiteral("the %1 is not a number").arg(f.what));
        *f.into = *f.value;
    }
    // Seven digits after an implied "0."; blanks are leading zeros dropped by a generator.
    const QString ecc = columns(l2, 27, 33).toString().replace(u' ', u'0');
    const auto eccDigits = integer(ecc, false);
    if (!eccDigits || ecc.size() != 7)
        return fail(QStringLiteral("the eccentricity is not a number"));
    tle.eccentricity = *eccDigits / 1e7;

    const auto setNumber = integer(columns(l1, 65, 68), true);
    const auto revolution = integer(columns(l2, 64, 68), true);
    if (!setNumber || !revolution)
        return fail(QStringLiteral("the element set or revolution number is not a number"));
    tle.elementSetNumber = *setNumber;
    tle.revolutionNumber = *revolution;
    return tle;
}

double julianDate(const QDateTime& utc) {
    constexpr double unixEpoch = 2440587.5;  // 1970-01-01 0:00
    return double(utc.toMSecsSinceEpoch()) / 86400000.0 + unixEpoch;
}

double minutesSinceEpoch(const Tle& tle, const QDateTime& utc) {
    return (julianDate(utc) - tle.epochJulian) * 1440.0;
}

TleFile parseTleText(const QString& text) {
    TleFile out;
    const QStringList lines = text.split(u'\n');
    auto isElementLine = [](const QString& line, char16_t digit) {
        return line.size() >= 2 && line[0] == digit && line[1] == u' ';
    };
    QString name;
    int nameLine = 0;  // line number of a name still waiting for its elements
    auto dropName = [&] {
        if (nameLine)
            out.errors
                << QStringLiteral("line %1: \"%2\" has no element lines").arg(nameLine).arg(name);
        nameLine = 0;
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = withoutTrailingBlanks(lines[i]);
        if (line.trimmed().isEmpty())
            continue;
        if (isElementLine(line, u'2')) {
            out.errors << QStringLiteral("line %1: line 2 without its line 1").arg(i + 1);
            nameLine = 0;
            continue;
        }
        if (!isElementLine(line, u'1')) {
            dropName();
            name = line.trimmed();
            if (name.startsWith(QLatin1String("0 ")))  // the "0 NAME" form of some sources
                name = name.mid(2).trimmed();
            nameLine = i + 1;
            continue;
        }
        int next = i + 1;
        while (next < lines.size() && lines[next].trimmed().isEmpty())
            ++next;
        const QString second = next < lines.size() ? withoutTrailingBlanks(lines[next]) : QString();
        if (!isElementLine(second, u'2')) {
            out.errors << QStringLiteral("line %1: line 1 without its line 2").arg(i + 1);
            nameLine = 0;
            continue;
        }
        QString why;
        const QString setName = nameLine ? name : QString();
        if (auto tle = parseTle(setName, line, second, &why)) {
            if (tle->name.isEmpty())
                tle->name = QString::number(tle->catalogNumber);
            out.sets << *tle;
        } else {
            const QString label =
                setName.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(setName);
            out.errors
                << QStringLiteral("line %1%2: %3").arg(nameLine ? nameLine : i + 1).arg(label, why);
        }
        nameLine = 0;
        i = next;
    }
    dropName();
    return out;
}

TleFile readTleFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, {QStringLiteral("%1: %2").arg(path, file.errorString())}};
    }
    if (file.size() > kMaxFileBytes)
        return {{}, {QStringLiteral("%1: larger than 4 MiB, not an element file").arg(path)}};
    return parseTleText(QString::fromUtf8(file.read(kMaxFileBytes)));
}

QString tleUpdateRefusal(const TleFile& update) {
    constexpr int kShown = 8;  // a box of reasonable height
    if (update.ok() && !update.sets.isEmpty())
        return {};
    if (update.ok())
        return QStringLiteral("It holds no element sets.");
    QString text = QStringLiteral("These sets did not read:");
    for (const QString& error : update.errors.mid(0, kShown))
        text += QLatin1Char('\r') + error;
    if (update.errors.size() > kShown)
        text += QStringLiteral("\r... and %1 more").arg(update.errors.size() - kShown);
    return text;
}

}  // namespace zeno
