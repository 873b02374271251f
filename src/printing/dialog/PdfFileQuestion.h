#pragma once

#include <QString>

class QWidget;

// Asks where a PDF file is to be written when "PDF-bestand" is the current
// printer. A name without an extension gets ".pdf"; a cancel gives an empty text.
namespace PdfFileQuestion {

QString ask(QWidget *parent);

} // namespace PdfFileQuestion
