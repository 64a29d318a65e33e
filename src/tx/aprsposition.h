// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <optional>

namespace zeno {

struct Settings;

// Length of the position header at the start of "[APRS]": "=5258.23N/00002.77W-".
inline constexpr int kPositionHeaderLength = 20;
// Longest APRS comment kept by the comment box.
inline constexpr int kMaxAprsCommentLength = 60;

// One map symbol of the setup window (Picture2 ... Picture19).
struct AprsIcon {
    int picture = 0;  // 2 ... 19; 0 for "nothing selected"
    QString name;
    QChar table;
    QChar code;
};

// The 18 symbols in picture order.
const QList<AprsIcon>& aprsIcons();
// The symbol used when no picture is selected: satellite table and code, no name.
AprsIcon fallbackIcon();
// The icon the setup stores for the selected pictures. The pictures are tested in a fixed
// order and the last selected one in that order wins.
AprsIcon chosenIcon(const QList<int>& selectedPictures);
// Pictures whose symbol is this table and code (shown selected when the setup opens).
QList<int> picturesFor(QChar table, QChar code);

// The coordinate boxes of the setup window, as typed.
struct CoordinateFields {
    QString latDegrees = QStringLiteral("00");
    QString latMinutes = QStringLiteral("00");
    QString latHundredths = QStringLiteral("00");
    QString northSouth = QStringLiteral("N");
    QString lonDegrees = QStringLiteral("000");
    QString lonMinutes = QStringLiteral("00");
    QString lonHundredths = QStringLiteral("00");
    QString eastWest = QStringLiteral("E");
};

// Wrong: a box too short or not all digits, a value off the globe (more than 90 or 180
// degrees, 60 minutes or more), or a hemisphere other than N/S (E/W) after trimming and
// upper-casing.
bool latitudeWrong(const CoordinateFields& f);
bool longitudeWrong(const CoordinateFields& f);
// The text of the "APRS coordinates not correct" question.
QString coordinatesWrongText(bool latitudeIsWrong, bool longitudeIsWrong);

// "52.58.23N", "000.02.77W": the coordinates as the operator enters them.
QString latitudeDisplay(const CoordinateFields& f);
QString longitudeDisplay(const CoordinateFields& f);
// The "APRS Setup complete" question.
QString setupConfirmationText(const CoordinateFields& f, const QString& iconName);

// "=5258.23N/00002.77W-": the 20-character position header.
QString positionHeader(const CoordinateFields& f, QChar table, QChar code);

// What a stored "[APRS]" gives the setup window; nothing when it is shorter than a header.
struct StoredPosition {
    CoordinateFields fields;
    QChar table;
    QChar code;
};
std::optional<StoredPosition> storedPosition(const QString& aprsValue);

// The information field of a position report: the stored header (trimmed), the comment
// (trimmed) and the tag as given (with its leading blank, or empty).
QString positionInformation(const QString& aprsValue, const QString& comment, const QString& tag);

// APRS sending is possible: a stored header and APRS switched on.
bool aprsSendingAvailable(const Settings& settings);

}  // namespace zeno
