#pragma once

#include <QString>

#include <functional>

class PrinterCanvas;
class QWidget;

// Prints a document of a window other than the print dialog on the current
// printer: a print queue that cannot take it now says why, "PDF-bestand" asks
// for the file first, and a failure of the document is shown afterwards.
namespace PrintOnCurrentPrinter {

using PdfQuestion = std::function<QString(QWidget *parent)>;

// Returns false when nothing was printed (refused, cancelled or failed).
bool run(QWidget *parent, const PdfQuestion &askPdfFile,
         const std::function<void(PrinterCanvas &)> &document);

} // namespace PrintOnCurrentPrinter
