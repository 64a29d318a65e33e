// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colors.h"

#include <array>

namespace zeno {

int paletteColor(int index) {
    static constexpr std::array<int, 16> kPalette = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    return kPalette[static_cast<size_t>(index & 15)];
}

}  // namespace zeno
