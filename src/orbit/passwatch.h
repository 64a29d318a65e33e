// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orbit/observersite.h"
#include "orbit/passes.h"
#include "orbit/sgp4.h"
#include "orbit/tle.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace zeno {

// A satellite whose digipeater ZENO knows: the short name the status bar uses and the
// catalogue number its element set carries.
struct Satellite {
    QString name;
    int catalogNumber = 0;
    bool operator==(const Satellite&) const = default;
};

// The satellite the Via path goes through: RS0ISS and W3ADO-1 (PCSAT-2 flew aboard the
// station) are the ISS, PCSAT-1 is NO-44. Any other path has no satellite.
std::optional<Satellite> satelliteForVia(const QString& via);

// The APRS downlink of the ISS and of PCSAT; the Doppler shift is given for it.
inline constexpr double kAprsDownlinkHz = 145.825e6;

// Element sets older than this many days are flagged: a low orbit drifts by minutes a week.
inline constexpr int kElementsOldAfterDays = 14;

// The eight-point compass name of an azimuth ("N", "NE" ... "NW").
QString compassPoint(double azimuthDeg);

// "ISS: AOS 14:02:10 in 12 min, max 54° NW→E": the next pass, its AOS in local time.
QString nextPassText(const QString& name, const Pass& pass, const QDateTime& now);
// "ISS up: el 23° az 140°, LOS in 6 min, Doppler +2.1 kHz at 145.825 MHz".
QString passUpText(const QString& name, const LookAngles& look, const QDateTime& los,
                   const QDateTime& now);
// "ISS elements are 23 days old: Setup > Update TLEs...", or empty while they are recent.
QString elementAgeText(const QString& name, const QDateTime& epoch, const QDateTime& now);

// The points of a pass as the polar plot draws them: from AOS to LOS, `points` of them.
QList<LookAngles> passTrack(const Tle& tle, const Observer& observer, const Pass& pass,
                            int points = 60);

// What the status bar says about the satellite of the Via path, once a second. The passes
// are predicted once and kept: again only when the satellite, its elements, the observer,
// the minimum elevation or the hour changes. Between those a second costs one look at the
// kept list, and during a pass one SGP4 evaluation.
class PassWatch {
public:
    // Hours of passes kept from the start of the current hour: the next 48 h at any moment.
    static constexpr double kSpanHours = 49.0;

    void setElements(const QList<Tle>& sets);
    void setSatellite(const std::optional<Satellite>& satellite);
    void setObserver(const std::optional<Observer>& observer);
    void setMinElevation(double degrees);

    const std::optional<Satellite>& satellite() const { return satellite_; }
    const std::optional<Observer>& observer() const { return observer_; }
    double minElevation() const { return minElevation_; }
    // The chosen satellite's element set (the newest in the file), when there is one.
    const Tle* elements() const { return tle_ ? &*tle_ : nullptr; }
    int elementSetCount() const { return int(sets_.size()); }

    struct Status {
        QString pass;  // next pass or the pass under way; empty without a satellite
        QString age;   // the old-elements flag, empty while they are recent
    };
    Status statusAt(const QDateTime& now);

    // Passes with a part in [now, now + hours], hours at most 48; the first may be under way.
    QList<Pass> passesFrom(const QDateTime& now, double hours = 48.0);
    // The first pass that has not begun yet.
    std::optional<Pass> nextPass(const QDateTime& now);

    // How many times the passes were predicted (they are the expensive part).
    int predictions() const { return predictions_; }

private:
    void chooseElements();
    // False when no pass can be predicted (no elements or no observer).
    bool refresh(const QDateTime& now);
    QString noPassText() const;

    QList<Tle> sets_;
    std::optional<Satellite> satellite_;
    std::optional<Observer> observer_;
    double minElevation_ = 0;

    std::optional<Tle> tle_;
    std::optional<Sgp4> sgp4_;
    std::optional<ObserverSite> site_;
    bool stale_ = true;
    QDateTime spanStart_;  // UTC, the hour the kept passes start at
    QList<Pass> passes_;
    int predictions_ = 0;
    // What statusAt said last, reused while it holds.
    qint64 shownPassKey_ = -1;  // the pass's place and the wait shown
    QString shownPass_;
    qint64 shownAgeDays_ = -2;
    QString shownAge_;
};

}  // namespace zeno
