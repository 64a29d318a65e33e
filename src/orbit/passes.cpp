// SPDX-License-Identifier: GPL-3.0-or-later
#include "orbit/passes.h"

#include "orbit/observersite.h"
#include "orbit/sgp4.h"

#include <limits>
#include <numbers>

namespace zeno {

namespace {

// Samples a minute apart find every pass: the search looks for each maximum of the
// elevation, not only for samples above the minimum, so a grazing pass shorter than the
// step is still caught. Elevation of a near-Earth orbit has one maximum per approach, many
// minutes apart.
constexpr double kStepSeconds = 60.0;
constexpr double kRootSeconds = 0.01;                // bisection stops there; the pass needs 1 s
constexpr double kMaxPassSeconds = 86400;            // a near-Earth satellite never stays up a day
constexpr double kGolden = std::numbers::phi - 1.0;  // the golden section's inner point

class PassSearch {
public:
    PassSearch(const Tle& tle, const Observer& observer, const QDateTime& from, double minEl)
        : sgp4_(tle),
          site_(observer),
          from_(from),
          t0_(minutesSinceEpoch(tle, from)),
          jd0_(julianDate(from)),
          minEl_(minEl) {}

    bool usable() const { return sgp4_.ok(); }
    bool propagates(double s) const { return sgp4_.at(t0_ + s / 60.0).ok(); }

    // Look angles at s seconds after the start.
    LookAngles look(double s) const {
        return site_.look(sgp4_.at(t0_ + s / 60.0), jd0_ + s / 86400.0);
    }
    double above(double s) const { return look(s).elevationDeg - minEl_; }

    // The highest point of a stretch where the elevation has a single maximum.
    double highest(double a, double b) const {
        double c = b - kGolden * (b - a);
        double d = a + kGolden * (b - a);
        double fc = above(c);
        double fd = above(d);
        while (b - a > kRootSeconds) {
            if (fc > fd) {
                b = d;
                d = c;
                fd = fc;
                c = b - kGolden * (b - a);
                fc = above(c);
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + kGolden * (b - a);
                fd = above(d);
            }
        }
        return (a + b) / 2.0;
    }

    // Where the elevation crosses the minimum between a and b (one side below, one not).
    double crossing(double a, double b) const {
        const bool risingAtA = above(a) < 0.0;
        while (b - a > kRootSeconds) {
            const double m = (a + b) / 2.0;
            if ((above(m) < 0.0) == risingAtA)
                a = m;
            else
                b = m;
        }
        return (a + b) / 2.0;
    }

    // The whole pass around a moment when the satellite is up.
    Pass passAround(double up) const {
        double a = up;
        while (above(a - kStepSeconds) >= 0.0 && up - a < kMaxPassSeconds)
            a -= kStepSeconds;
        double l = up;
        while (above(l + kStepSeconds) >= 0.0 && l - up < kMaxPassSeconds)
            l += kStepSeconds;
        const double aos = crossing(a - kStepSeconds, a);
        const double los = crossing(l, l + kStepSeconds);
        const double tca = highest(aos, los);
        const LookAngles top = look(tca);
        return Pass{.aos = at(aos),
                    .tca = at(tca),
                    .los = at(los),
                    .aosAzimuthDeg = look(aos).azimuthDeg,
                    .tcaAzimuthDeg = top.azimuthDeg,
                    .losAzimuthDeg = look(los).azimuthDeg,
                    .maxElevationDeg = top.elevationDeg};
    }

    double secondsTo(const QDateTime& t) const { return from_.msecsTo(t) / 1000.0; }

private:
    QDateTime at(double s) const { return from_.addMSecs(qRound64(s * 1000.0)); }

    Sgp4 sgp4_;
    ObserverSite site_;
    QDateTime from_;
    double t0_;   // minutes from the epoch to the start
    double jd0_;  // Julian date of the start
    double minEl_;
};

}  // namespace

QList<Pass> predictPasses(const Tle& tle, const Observer& observer, const QDateTime& fromUtc,
                          double hours, double minElevationDeg) {
    QList<Pass> passes;
    const PassSearch search(tle, observer, fromUtc.toUTC(), minElevationDeg);
    if (!search.usable() || !(hours > 0.0))
        return passes;
    const double end = hours * 3600.0;
    double covered = -std::numeric_limits<double>::infinity();  // LOS of the latest pass
    auto add = [&](double up) {
        const Pass pass = search.passAround(up);
        covered = search.secondsTo(pass.los);
        if (search.secondsTo(pass.aos) <= end && covered >= 0.0)
            passes << pass;
    };
    double before = search.above(-kStepSeconds);
    double now = search.above(0.0);
    if (now >= 0.0)
        add(0.0);
    // Two steps past the end: a pass rising just before it is seen whole.
    for (double s = kStepSeconds; s <= end + 2.0 * kStepSeconds; s += kStepSeconds) {
        if (!search.propagates(s))
            break;  // decayed: nothing more to see
        const double next = search.above(s);
        if (s - kStepSeconds > covered) {
            if (next >= 0.0) {
                add(s);
            } else if (now > before && now >= next) {
                const double top = search.highest(s - 2.0 * kStepSeconds, s);
                if (search.above(top) >= 0.0)
                    add(top);
            }
        }
        before = now;
        now = next;
    }
    return passes;
}

}  // namespace zeno
