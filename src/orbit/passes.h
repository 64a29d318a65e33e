// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orbit/observer.h"
#include "orbit/tle.h"

#include <QDateTime>
#include <QList>

namespace zeno {

// One pass over the observer: acquisition (AOS), closest approach (TCA, the highest point)
// and loss (LOS) of the satellite at the minimum elevation, in UTC, to within a second.
struct Pass {
    QDateTime aos;
    QDateTime tca;
    QDateTime los;
    double aosAzimuthDeg = 0;
    double tcaAzimuthDeg = 0;
    double losAzimuthDeg = 0;
    double maxElevationDeg = 0;
};

// Every pass with a part in [fromUtc, fromUtc + hours] that climbs to minElevationDeg or
// higher, in time order. Passes keep their true times: one already in progress at fromUtc
// has its AOS (and perhaps its TCA) before fromUtc, which is how a caller tells that the
// satellite is up now; one rising before the end of the span has its LOS after it. Nothing
// for elements SGP4 refuses; a satellite that decays ends the search there.
QList<Pass> predictPasses(const Tle& tle, const Observer& observer, const QDateTime& fromUtc,
                          double hours, double minElevationDeg);

}  // namespace zeno
