// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/textprinting.h"

#include <QFontDatabase>
#include <QPrinter>
#include <QTextDocument>

namespace zeno {

bool printPlainText(QPrinter& printer, const QString& text) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextDocument document;
    document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    document.setPlainText(plain);
    if (!printer.isValid())
        return false;
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

bool printPlainTextToPdf(const QString& path, const QString& documentName, const QString& text) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(documentName);
    return printPlainText(printer, text);
}

}  // namespace zeno
