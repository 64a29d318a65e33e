// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orbit/observer.h"

namespace zeno {

// An observer with its Earth-fixed position and trigonometry worked out once, for the many
// look angles of a pass search.
struct ObserverSite {
    explicit ObserverSite(const Observer& observer);
    LookAngles look(const StateVector& teme, double julianDateUt1) const;

    std::array<double, 3> ecef{};  // km
    double sinLat = 0, cosLat = 0, sinLon = 0, cosLon = 0;
};

}  // namespace zeno
