// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/windows/editorcontrols.h"

class QPlainTextEdit;

namespace zeno {

// Makes the notebook's menu bar and toolbar over its edit box, which fills the rest of the
// window.
void buildEditorLayout(QWidget* window, QPlainTextEdit* text, EditorControls& c);

}  // namespace zeno
