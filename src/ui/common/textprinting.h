// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPrinter;

namespace zeno {

// Prints plain text with the printer's default margins, one document; false when the printer
// could not be started.
bool printPlainText(QPrinter& printer, const QString& text);
// The same into a PDF file (replaced); false when it could not be written.
bool printPlainTextToPdf(const QString& path, const QString& documentName, const QString& text);

}  // namespace zeno
