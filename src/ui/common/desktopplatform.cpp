// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/desktopplatform.h"

#include "platform/dialogs.h"
#include "ui/common/textprinting.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace zeno {

void DesktopPlatform::beep() { QApplication::beep(); }

PrintOutcome DesktopPlatform::printText(const QString& documentName, const QString& text) {
    if (hasPrinter()) {
        QPrinter printer(QPrinterInfo::defaultPrinter());
        printer.setDocName(documentName);
        return printPlainText(printer, text) ? PrintOutcome::Printed : PrintOutcome::NotReady;
    }
    const MsgAnswer toPdf = dialogs_.message(
        QStringLiteral("No printer is installed.\rDo you want to print to a PDF file instead?"),
        QStringLiteral("Print"), MsgIcon::Question, MsgButtons::YesNo);
    if (toPdf != MsgAnswer::Yes)
        return PrintOutcome::NotReady;
    const QString path = dialogs_.saveFileName({QStringLiteral("Print to PDF"),
                                                QString(),
                                                documentName + QStringLiteral(".pdf"),
                                                {QStringLiteral("PDF Files (*.pdf)")}});
    if (path.isEmpty())
        return PrintOutcome::Cancelled;
    return printPlainTextToPdf(path, documentName, text) ? PrintOutcome::Printed
                                                         : PrintOutcome::NotReady;
}

bool DesktopPlatform::hasPrinter() const { return !QPrinterInfo::defaultPrinter().isNull(); }

}  // namespace zeno
