// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary calls and information fields through the APRS decoder. Besides not crashing or
// reading out of bounds, every report keeps the rules the decoder guards.
#include "aprs/aprsdecode.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool rule) {
    if (!rule)
        std::abort();
}

bool within(const std::optional<double>& v, double low, double high) {
    return !v || (std::isfinite(*v) && *v >= low && *v <= high);
}

}  // namespace

// The first byte gives the lengths of the source (low nibble) and the destination (high
// nibble) that follow it; the rest is the information field.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const char* bytes = reinterpret_cast<const char*>(data) + 1;
    const size_t rest = size - 1;
    const size_t sourceLength = std::min<size_t>(data[0] & 0x0f, rest);
    const size_t destinationLength = std::min<size_t>(data[0] >> 4, rest - sourceLength);
    const QString source = QString::fromLatin1(bytes, qsizetype(sourceLength));
    const QString destination =
        QString::fromLatin1(bytes + sourceLength, qsizetype(destinationLength));
    const QByteArray info(bytes + sourceLength + destinationLength,
                          qsizetype(rest - sourceLength - destinationLength));

    const zeno::AprsReport r = zeno::decodeAprs(source, destination, info);
    constexpr double kHuge = 1e9;
    require((r.kind == zeno::AprsKind::None) == info.isEmpty());
    require(r.kind != zeno::AprsKind::Other || r.comment == QString::fromUtf8(info));
    require(r.latitude.has_value() == r.longitude.has_value());
    require(within(r.latitude, -90, 90) && within(r.longitude, -180, 180));
    require(!r.courseDeg || (*r.courseDeg >= 0 && *r.courseDeg <= 360));
    require(!r.windDirectionDeg || (*r.windDirectionDeg >= 0 && *r.windDirectionDeg <= 360));
    require(within(r.speedKmh, 0, kHuge) && within(r.windSpeedKmh, 0, kHuge) &&
            within(r.windGustKmh, 0, kHuge) && within(r.rangeKm, 0, kHuge));
    require(within(r.rain1hMm, 0, kHuge) && within(r.rain24hMm, 0, kHuge) &&
            within(r.rainMidnightMm, 0, kHuge) && within(r.pressureHpa, 0, kHuge));
    require(within(r.altitudeM, -kHuge, kHuge) && within(r.temperatureC, -kHuge, kHuge));
    require(!r.humidityPercent || (*r.humidityPercent >= 1 && *r.humidityPercent <= 100));
    require(!r.phg ||
            (r.phg->powerW >= 0 && r.phg->directivityDeg >= 0 && r.phg->directivityDeg <= 360));
    return 0;
}
