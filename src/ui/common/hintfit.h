// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zeno {

// Controls placed by twips keep their place as long as their text fits. Where the font is
// wider or taller than the twips allow, a control grows to its size hint and the controls to
// its right (in the same row) and below move along by as much, keeping the gaps between them.
// Panels placed by twips are fitted first, from the inside out. Returns the size the
// container needs to show all its visible children; Measure only says it, moving nothing.
enum class FitMode { Apply, Measure };
QSize fitToHints(QWidget* container, FitMode mode = FitMode::Apply);

// A label drawn as the shadow of another keeps its offset from it and its size.
void markShadow(QWidget* shadow, QWidget* owner);

// The place the program asked for (placeTwips), in pixels; the current geometry when none.
QRect requestedPlace(const QWidget* widget);
void setRequestedPlace(QWidget* widget, const QRect& place);

}  // namespace zeno
