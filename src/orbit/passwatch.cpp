// SPDX-License-Identifier: GPL-3.0-or-later
#include "orbit/passwatch.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace zeno {

namespace {

constexpr qint64 kMsPerHour = 3600 * 1000;
constexpr qint64 kMsPerDay = 24 * kMsPerHour;

// "12 min" to the whole minute below, "1 h 5 min" from an hour on, seconds in the last
// minute.
QString untilText(const QDateTime& now, const QDateTime& then) {
    const qint64 seconds = std::max<qint64>(0, now.msecsTo(then) / 1000);
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

bool sameObserver(const std::optional<Observer>& a, const std::optional<Observer>& b) {
    if (!a || !b)
        return !a && !b;
    return a->latitudeDeg == b->latitudeDeg && a->longitudeDeg == b->longitudeDeg &&
           a->altitudeM == b->altitudeM;
}

}  // namespace

std::optional<Satellite> satelliteForVia(const QString& via) {
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    for (QString call : via.toUpper().split(separators, Qt::SkipEmptyParts)) {
        if (call.endsWith(QLatin1Char('*')))
            call.chop(1);
        if (call == QLatin1String("RS0ISS") || call == QLatin1String("W3ADO-1"))
            return Satellite{QStringLiteral("ISS"), 25544};
        if (call == QLatin1String("PCSAT-1"))
            return Satellite{QStringLiteral("NO-44"), 26931};
    }
    return std::nullopt;
}

QString compassPoint(double azimuthDeg) {
    static const char* const points[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    const double az = std::fmod(std::fmod(azimuthDeg, 360.0) + 360.0, 360.0);
    return QLatin1String(points[int(std::floor((az + 22.5) / 45.0)) % 8]);
}

QString nextPassText(const QString& name, const Pass& pass, const QDateTime& now) {
    return QStringLiteral("%1: AOS %2 in %3, max %4° %5→%6")
        .arg(name, pass.aos.toLocalTime().toString(QStringLiteral("HH:mm:ss")),
             untilText(now, pass.aos), QString::number(qRound(pass.maxElevationDeg)),
             compassPoint(pass.aosAzimuthDeg), compassPoint(pass.losAzimuthDeg));
}

QString passUpText(const QString& name, const LookAngles& look, const QDateTime& los,
                   const QDateTime& now) {
    double kHz = std::round(dopplerShiftHz(kAprsDownlinkHz, look.rangeRateKmS) / 100.0) / 10.0;
    if (kHz == 0.0)
        kHz = 0.0;  // no "-0.0"
    return QStringLiteral("%1 up: el %2° az %3°, LOS in %4, Doppler %5 kHz at %6 MHz")
        .arg(name, QString::number(qRound(look.elevationDeg)),
             QString::number(qRound(look.azimuthDeg) % 360), untilText(now, los),
             QString::asprintf("%+.1f", kHz), QString::number(kAprsDownlinkHz / 1e6, 'f', 3));
}

QString elementAgeText(const QString& name, const QDateTime& epoch, const QDateTime& now) {
    const qint64 age = epoch.msecsTo(now);
    if (age <= kElementsOldAfterDays * kMsPerDay)
        return {};
    return QStringLiteral("%1 elements are %2 days old: Setup > Update TLEs...")
        .arg(name)
        .arg(age / kMsPerDay);
}

QList<LookAngles> passTrack(const Tle& tle, const Observer& observer, const Pass& pass,
                            int points) {
    QList<LookAngles> track;
    const Sgp4 sgp4(tle);
    const ObserverSite site(observer);
    const qint64 span = pass.aos.msecsTo(pass.los);
    if (!sgp4.ok() || points < 2 || span <= 0)
        return track;
    for (int i = 0; i < points; ++i) {
        const QDateTime t = pass.aos.addMSecs(span * i / (points - 1)).toUTC();
        const StateVector state = sgp4.atUtc(t);
        if (!state.ok())
            break;
        track << site.look(state, julianDate(t));
    }
    return track;
}

void PassWatch::setElements(const QList<Tle>& sets) {
    sets_ = sets;
    chooseElements();
}

void PassWatch::setSatellite(const std::optional<Satellite>& satellite) {
    if (satellite == satellite_)
        return;
    satellite_ = satellite;
    chooseElements();
}

void PassWatch::setObserver(const std::optional<Observer>& observer) {
    if (sameObserver(observer, observer_))
        return;
    observer_ = observer;
    if (observer)
        site_.emplace(*observer);
    else
        site_.reset();
    stale_ = true;
}

void PassWatch::setMinElevation(double degrees) {
    if (degrees == minElevation_)
        return;
    minElevation_ = degrees;
    stale_ = true;
}

void PassWatch::chooseElements() {
    const Tle* newest = nullptr;
    if (satellite_) {
        for (const Tle& set : sets_) {
            if (set.catalogNumber == satellite_->catalogNumber &&
                (!newest || set.epochJulian > newest->epochJulian))
                newest = &set;
        }
    }
    if (!newest) {
        tle_.reset();
        sgp4_.reset();
    } else if (!tle_ || tle_->line1 != newest->line1 || tle_->line2 != newest->line2) {
        tle_ = *newest;
        sgp4_.emplace(*tle_);
    }
    shownAgeDays_ = -2;  // the name or the epoch may have changed
    stale_ = true;
}

bool PassWatch::refresh(const QDateTime& now) {
    if (!tle_ || !observer_)
        return false;
    const QDateTime hour =
        QDateTime::fromMSecsSinceEpoch(now.toMSecsSinceEpoch() / kMsPerHour * kMsPerHour, Qt::UTC);
    if (stale_ || hour != spanStart_) {
        passes_ = predictPasses(*tle_, *observer_, hour, kSpanHours, minElevation_);
        shownPassKey_ = -1;
        spanStart_ = hour;
        stale_ = false;
        ++predictions_;
    }
    return true;
}

QString PassWatch::noPassText() const {
    if (minElevation_ > 0)
        return QStringLiteral("%1: no pass above %2° in the next 48 h")
            .arg(satellite_->name, QString::number(minElevation_));
    return QStringLiteral("%1: no pass in the next 48 h").arg(satellite_->name);
}

PassWatch::Status PassWatch::statusAt(const QDateTime& now) {
    Status status;
    if (!satellite_)
        return status;
    const QString& name = satellite_->name;
    if (!tle_) {
        status.pass = name + QStringLiteral(": no elements in tle.txt: Setup > Update TLEs...");
        return status;
    }
    // One conversion from local time; the comparisons below are then cheap.
    const QDateTime utc = now.toUTC();
    // Texts are made again only when what they show changes (the age once a day, the wait
    // for AOS once a minute): making them is most of a second's work.
    const qint64 age = tle_->epoch.msecsTo(utc);
    const qint64 ageDays = age > kElementsOldAfterDays * kMsPerDay ? age / kMsPerDay : -1;
    if (ageDays != shownAgeDays_) {
        shownAgeDays_ = ageDays;
        shownAge_ = elementAgeText(name, tle_->epoch, utc);
    }
    status.age = shownAge_;
    if (!observer_) {
        status.pass =
            name +
            QStringLiteral(": passes need your position: Setup > Setup APRS Position & Icon...");
        return status;
    }
    refresh(utc);
    for (const Pass& pass : std::as_const(passes_)) {
        if (pass.los <= utc)
            continue;
        if (pass.aos > utc) {
            const qint64 seconds = utc.msecsTo(pass.aos) / 1000;
            const qint64 shown = (&pass - passes_.constData()) * 10000 +
                                 (seconds < 60 ? seconds : 60 + seconds / 60);
            if (shown != shownPassKey_) {
                shownPassKey_ = shown;
                shownPass_ = nextPassText(name, pass, utc);
            }
            status.pass = shownPass_;
            return status;
        }
        const StateVector state = sgp4_->atUtc(utc);
        if (!state.ok())
            break;
        status.pass = passUpText(name, site_->look(state, julianDate(utc)), pass.los, utc);
        return status;
    }
    status.pass = sgp4_->ok() ? noPassText() : name + QStringLiteral(": ") + sgp4_->error();
    return status;
}

QList<Pass> PassWatch::passesFrom(const QDateTime& now, double hours) {
    QList<Pass> out;
    if (!refresh(now))
        return out;
    const QDateTime end = now.addMSecs(qint64(std::min(hours, 48.0) * kMsPerHour));
    for (const Pass& pass : std::as_const(passes_)) {
        if (pass.los > now && pass.aos <= end)
            out << pass;
    }
    return out;
}

std::optional<Pass> PassWatch::nextPass(const QDateTime& now) {
    if (!refresh(now))
        return std::nullopt;
    for (const Pass& pass : std::as_const(passes_)) {
        if (pass.aos > now)
            return pass;
    }
    return std::nullopt;
}

}  // namespace zeno
