// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zeno {

// Layout positions and window sizes are kept in twips; the screen shows logical pixels.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(double twips) {
    return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace zeno
