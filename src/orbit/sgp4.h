// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orbit/tle.h"

#include <QDateTime>
#include <QString>
#include <array>

namespace zeno {

// Why a set cannot be propagated; the numbers are those of the SGP4 error codes.
enum class Sgp4Error {
    None = 0,
    Eccentricity = 1,     // mean eccentricity outside [-0.001, 1)
    MeanMotion = 2,       // mean motion not positive
    SemiLatusRectum = 4,  // semi-latus rectum negative
    Decayed = 6,          // the satellite is below the surface of the Earth
    DeepSpace = 100,      // period of 225 minutes or more: ZENO has no deep-space model
};

// What an error means, for the operator.
QString sgp4ErrorText(Sgp4Error error);

// Position (km) and velocity (km/s) in the TEME frame (true equator, mean equinox of date).
struct StateVector {
    std::array<double, 3> position{};
    std::array<double, 3> velocity{};
    Sgp4Error error = Sgp4Error::None;  // of this call; position and velocity are 0 then
    bool ok() const { return error == Sgp4Error::None; }
};

// The SGP4 near-Earth propagator (WGS-72 constants, the improved operation mode). Elements
// of a deep-space orbit are refused: ok() is false and error() says why. Like the model's
// own error code, ok() and error() also tell the state of the latest at() call, so a
// satellite that decays during a propagation is seen either way.
class Sgp4 {
public:
    explicit Sgp4(const Tle& tle);

    bool ok() const { return error_ == Sgp4Error::None; }
    QString error() const { return sgp4ErrorText(error_); }
    Sgp4Error errorCode() const { return error_; }

    StateVector at(double minutesSinceEpoch) const;
    StateVector atUtc(const QDateTime& utc) const;

private:
    StateVector propagate(double t) const;

    Sgp4Error refusal_ = Sgp4Error::None;  // elements this model cannot take at all
    mutable Sgp4Error error_ = Sgp4Error::None;
    double epochJulian_ = 0;

    // Mean elements at epoch (radians, radians per minute, earth radii).
    double bstar_ = 0, ecco_ = 0, inclo_ = 0, nodeo_ = 0, argpo_ = 0, mo_ = 0, no_ = 0;
    double ao_ = 0;
    // Secular rates and drag coefficients from initialisation.
    bool simplifiedDrag_ = false;
    double mdot_ = 0, argpdot_ = 0, nodedot_ = 0, nodecf_ = 0;
    double cc1_ = 0, cc4_ = 0, cc5_ = 0, d2_ = 0, d3_ = 0, d4_ = 0;
    double t2cof_ = 0, t3cof_ = 0, t4cof_ = 0, t5cof_ = 0;
    double omgcof_ = 0, xmcof_ = 0, eta_ = 0, delmo_ = 0, sinmao_ = 0;
    // Periodics' coefficients.
    double aycof_ = 0, xlcof_ = 0, con41_ = 0, x1mth2_ = 0, x7thm1_ = 0;
    double cosio_ = 0, sinio_ = 0;
};

}  // namespace zeno
