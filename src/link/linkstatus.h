// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/engineaddress.h"

#include <QString>

namespace zeno {

// The engine link as the main window's status bar shows it (never a modal box).
enum class LinkStatus {
    Answering,   // connected, and the engine answered
    Lost,        // the connection went down; it is re-opened in the background
    NotRunning,  // nothing listens at the address; tried again every 5 s
    NoAnswer,    // the engine took the connection but never answered; tried again
    BadFrame,    // the engine sent bytes that are no AGWPE frames; tried again
};

// "127.0.0.1:8000"
QString engineAddressText(const EngineAddress& address);
// The status bar's text for the engine at `where` ("127.0.0.1:8000").
QString linkStatusText(LinkStatus status, const QString& where);

}  // namespace zeno
