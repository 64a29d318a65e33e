// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace zeno {

// Colours are stored as 24-bit RGB numbers with red in the low byte (16711680 is blue).
inline QColor colorFromRgbNumber(int rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

inline int rgbNumber(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

// The classic 16-colour palette by index (0 black ... 7 light grey, 9 light blue, 15 white).
int paletteColor(int index);

}  // namespace zeno
