// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/systemplatform.h"

namespace zeno {

class Dialogs;

// The system platform plus what needs the widget toolkit: the beep and printing.
class DesktopPlatform : public SystemPlatform {
public:
    explicit DesktopPlatform(Dialogs& dialogs) : dialogs_(dialogs) {}

    void beep() override;
    // On the default printer; with no printer installed the operator may choose a PDF file.
    PrintOutcome printText(const QString& documentName, const QString& text) override;
    bool hasPrinter() const override;

private:
    Dialogs& dialogs_;
};

}  // namespace zeno
