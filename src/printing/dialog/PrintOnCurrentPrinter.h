#pragma once

#include <QString>

#include <functional>

class PrinterCanvas;
class QWidget;

// Prints a document of a window other than the print dialog: the printer is
// chosen first in the print dialog's printer box (PrinterChoice), a print queue
// that cannot take it now says why, "PDF-bestand" asks for the file, and
// afterwards the user is told where the document went, or why it failed.
namespace PrintOnCurrentPrinter {

using PdfQuestion = std::function<QString(QWidget *parent)>;

// Returns false when nothing was printed (cancelled, refused or failed).
bool run(QWidget *parent, const PdfQuestion &askPdfFile,
         const std::function<void(PrinterCanvas &)> &document);

} // namespace PrintOnCurrentPrinter
