// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace zeno {

class Platform;

// An add-on program the Extra menu launches, described by "\ZENOAddOn<slot>.bin" in the
// application path: three lines, the token passed to the program, the menu caption, and the
// program's file name relative to the application path.
struct AddOn {
    QString token;
    QString caption;
    QString program;
};

inline constexpr int kAddOnSlots = 5;
using AddOns = std::array<std::optional<AddOn>, kAddOnSlots>;

// ZENOAddOns: the add-on files of slots 1 to 5 (index 0 to 4); a slot whose file cannot be
// read stays empty, lines missing from a short file read as empty.
AddOns readAddOns(const QString& appPath);

// Starts the add-on with its token; false when it could not be started.
bool runAddOn(const AddOn& addOn, const QString& appPath, Platform& platform);

// "Could not found AddOn " and the caption: what the operator sees when it does not start.
QString addOnFailureText(const AddOn& addOn);

}  // namespace zeno
