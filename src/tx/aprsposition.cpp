// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/aprsposition.h"

#include "config/settings.h"

#include <algorithm>
#include <array>

namespace zeno {

namespace {

// The order in which the setup looks at the pictures when it stores the icon.
constexpr std::array<int, 18> kIconTestOrder = {2,  8,  3,  4,  5,  6,  7,  9,  10,
                                                11, 16, 18, 17, 19, 12, 13, 14, 15};

bool allDigits(const QString& text, int length) {
    if (text.size() != length)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// Degrees, minutes and hundredths of a minute, checked as digits and kept on the globe.
bool coordinateWrong(const QString& degrees, int degreeDigits, const QString& minutes,
                     const QString& hundredths, int maxDegrees) {
    if (!allDigits(degrees, degreeDigits) || !allDigits(minutes, 2) || !allDigits(hundredths, 2))
        return true;
    const int d = degrees.toInt();
    const int m = minutes.toInt();
    if (m >= 60 || d > maxDegrees)
        return true;
    return d == maxDegrees && (m != 0 || hundredths.toInt() != 0);
}

QString hemisphere(const QString& text) {
    return text.trimmed().toUpper();
}

}  // namespace

const QList<AprsIcon>& aprsIcons() {
    static const QList<AprsIcon> icons = {
        {2, QStringLiteral("Satellite"), u'\\', u'S'},
        {3, QStringLiteral("Shuttle"), u'/', u'S'},
        {4, QStringLiteral("Home"), u'/', u'-'},
        {5, QStringLiteral("Mobile"), u'/', u'>'},
        {6, QStringLiteral("Yagi Home"), u'/', u'y'},
        {7, QStringLiteral("School"), u'/', u'K'},
        {8, QStringLiteral("Emergency"), u'\\', u'!'},
        {9, QStringLiteral("Digi"), u'/', u'#'},
        {10, QStringLiteral("WX"), u'/', u'_'},
        {11, QStringLiteral("DX Spot"), u'\\', u'd'},
        {12, QStringLiteral("WX Service"), u'/', u'W'},
        {13, QStringLiteral("Yacht"), u'/', u'Y'},
        {14, QStringLiteral("Balloon"), u'/', u'O'},
        {15, QStringLiteral("Red Cross"), u'/', u'+'},
        {16, QStringLiteral("Home HF"), u'\\', u'-'},
        {17, QStringLiteral("Node"), u'/', u'n'},
        {18, QStringLiteral("HF Gateway"), u'/', u'&'},
        {19, QStringLiteral("Repeater"), u'/', u'm'},
    };
    return icons;
}

AprsIcon fallbackIcon() {
    return {0, QString(), u'\\', u'S'};
}

AprsIcon chosenIcon(const QList<int>& selectedPictures) {
    AprsIcon icon = fallbackIcon();
    for (const int picture : kIconTestOrder) {
        if (selectedPictures.contains(picture))
            icon = aprsIcons().at(picture - 2);
    }
    return icon;
}

QList<int> picturesFor(QChar table, QChar code) {
    QList<int> pictures;
    for (const AprsIcon& icon : aprsIcons()) {
        if (icon.table == table && icon.code == code)
            pictures << icon.picture;
    }
    return pictures;
}

bool latitudeWrong(const CoordinateFields& f) {
    const QString ns = hemisphere(f.northSouth);
    if (ns != QLatin1String("N") && ns != QLatin1String("S"))
        return true;
    return coordinateWrong(f.latDegrees, 2, f.latMinutes, f.latHundredths, 90);
}

bool longitudeWrong(const CoordinateFields& f) {
    const QString ew = hemisphere(f.eastWest);
    if (ew != QLatin1String("E") && ew != QLatin1String("W"))
        return true;
    return coordinateWrong(f.lonDegrees, 3, f.lonMinutes, f.lonHundredths, 180);
}

QString coordinatesWrongText(bool latitudeIsWrong, bool longitudeIsWrong) {
    QString text;
    if (latitudeIsWrong)
        text += QStringLiteral("The Latitude is not in the correct format.\r");
    if (longitudeIsWrong)
        text += QStringLiteral("\rThe Longitude is not in the correct format.\r");
    text += QStringLiteral("\rDo you want to try to enter your coordinates again?");
    return text;
}

QString latitudeDisplay(const CoordinateFields& f) {
    return f.latDegrees + QLatin1Char('.') + f.latMinutes + QLatin1Char('.') + f.latHundredths +
           hemisphere(f.northSouth);
}

QString longitudeDisplay(const CoordinateFields& f) {
    return f.lonDegrees + QLatin1Char('.') + f.lonMinutes + QLatin1Char('.') + f.lonHundredths +
           hemisphere(f.eastWest);
}

QString setupConfirmationText(const CoordinateFields& f, const QString& iconName) {
    return QStringLiteral("Your latitude is: ") + latitudeDisplay(f) +
           QStringLiteral("\rYour longitude is: ") + longitudeDisplay(f) +
           QStringLiteral("\rYour selected Icon is: ") + iconName +
           QStringLiteral("\r\rIs this correct?");
}

QString positionHeader(const CoordinateFields& f, QChar table, QChar code) {
    const QString latitude =
        f.latDegrees + f.latMinutes + QLatin1Char('.') + f.latHundredths + hemisphere(f.northSouth);
    const QString longitude =
        f.lonDegrees + f.lonMinutes + QLatin1Char('.') + f.lonHundredths + hemisphere(f.eastWest);
    return QLatin1Char('=') + latitude + table + longitude + code;
}

std::optional<StoredPosition> storedPosition(const QString& aprsValue) {
    if (aprsValue.size() < kPositionHeaderLength)
        return std::nullopt;
    const QString latitude = aprsValue.mid(1, 8);
    const QString longitude = aprsValue.mid(10, 9);
    StoredPosition stored;
    CoordinateFields& f = stored.fields;
    f.latDegrees = latitude.mid(0, 2);
    f.latMinutes = latitude.mid(2, 2);
    f.latHundredths = latitude.mid(5, 2);
    f.northSouth = latitude.right(1).toUpper();
    f.lonDegrees = longitude.mid(0, 3);
    f.lonMinutes = longitude.mid(3, 2);
    f.lonHundredths = longitude.mid(6, 2);
    f.eastWest = longitude.right(1).toUpper();
    stored.table = aprsValue.at(9);
    stored.code = aprsValue.at(19);
    return stored;
}

QString positionInformation(const QString& aprsValue, const QString& comment, const QString& tag) {
    return aprsValue.left(kPositionHeaderLength).trimmed() + comment.trimmed() + tag;
}

bool aprsSendingAvailable(const Settings& settings) {
    return settings.aprs.size() >= kPositionHeaderLength && settings.aprsEnabled != 0;
}

}  // namespace zeno
