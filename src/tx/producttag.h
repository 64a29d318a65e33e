// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zenoversion.h"

#include <QString>

namespace zeno {

// The product tag as it goes out: " {ZENO30}", or nothing when "[ZENO Tag]" is on (-1),
// which means "drop the tag".
inline QString transmittedProductTag(int zenoTagSetting) {
    return zenoTagSetting != 0 ? QString() : ProgramVersion::productTag();
}

}  // namespace zeno
