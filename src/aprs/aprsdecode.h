// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <optional>

namespace zeno {

// Station power, antenna height, gain and directivity from a "PHGphgd" extension.
struct AprsPhg {
    int powerW = 0;          // transmitter power, watts
    double heightM = 0;      // antenna height above average terrain, metres
    int gainDb = 0;          // antenna gain, dB
    int directivityDeg = 0;  // main lobe direction, degrees; 0 = omnidirectional
};

// What one APRS information field says. Units are metric: degrees, km/h, metres, degrees
// Celsius, millimetres, hPa. A value the packet does not carry stays empty.
struct AprsReport {
    // Unscoped so that both AprsReport::Position and AprsKind::Position read well.
    enum Kind { None, Position, Object, Item, Status, Weather, Message, Other };

    Kind kind = None;  // None only for an empty information field

    std::optional<double> latitude;   // degrees, north positive
    std::optional<double> longitude;  // degrees, east positive
    QChar symbolTable;                // '/', '\\' or the overlay character (A-Z, 0-9)
    QChar symbolCode;
    QString objectName;  // objects and items, trailing blanks removed
    bool objectAlive = false;
    // Free text: what follows a position (its extensions taken out), the status text, a
    // weather station's software and type, or for Other the whole field as received.
    QString comment;
    std::optional<int> courseDeg;     // 1 ... 360 (north is 360), compressed: 0 ... 356
    std::optional<double> speedKmh;   // over ground
    std::optional<double> altitudeM;  // above mean sea level
    std::optional<double> rangeKm;    // radio range ("RNGrrrr", compressed range)
    std::optional<AprsPhg> phg;

    bool messaging = false;  // '=' and '@': the station handles APRS messages
    QString timestamp;       // as sent: "092345z", "234517h", "092345/" or "10090556"
    QString locator;         // Maidenhead locator of a status report, e.g. "IO91SX"

    // Mic-E: the message from the destination ("En Route", "Custom-3", "Emergency") and the
    // telemetry channels of the status text (2 or 5 values, 0 ... 255).
    QString micEMessage;
    QList<int> telemetry;

    // Messages (":ADDRESSEE:text{nn"): the addressee without its padding, the text without
    // its number, and the number; acks and rejects carry only the number they answer.
    QString addressee;
    QString messageText;
    QString messageNumber;
    bool isAck = false;
    bool isReject = false;
    bool isBulletin = false;  // addressed to BLNx: for everyone, never acknowledged

    // Weather, from a positionless report or a position with the weather symbol '_'.
    std::optional<int> windDirectionDeg;  // where the wind comes from
    std::optional<double> windSpeedKmh;   // sustained over one minute
    std::optional<double> windGustKmh;    // peak of the last five minutes
    std::optional<double> temperatureC;
    std::optional<double> rain1hMm;        // in the last hour
    std::optional<double> rain24hMm;       // in the last 24 hours
    std::optional<double> rainMidnightMm;  // since local midnight
    std::optional<int> humidityPercent;    // 1 ... 100
    std::optional<double> pressureHpa;     // barometric, at sea level
    std::optional<int> luminosityWm2;      // watts per square metre

    bool hasWeather() const;
};

using AprsKind = AprsReport::Kind;

// Decodes one received information field. source and destination are the frame's calls
// ("N0CALL-9", "T4SP0R"): Mic-E carries its latitude and message in the destination.
// Malformed input is never fatal: what cannot be decoded comes back as Other with the field
// kept in comment, and nothing is read past the end of info. A third-party packet ("}") is
// Other too, since its report belongs to another station than source.
AprsReport decodeAprs(const QString& source, const QString& destination, const QByteArray& info);

}  // namespace zeno
