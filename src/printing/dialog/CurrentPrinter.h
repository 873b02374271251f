#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The printer that jobs print on: the one value that outlives the print dialog.
// It starts as the system's default printer; with no printer installed it is
// the PDF file, which the printer box lists after the system's printers.
class CurrentPrinter {
public:
    static QString pdfFile() { return QCoreApplication::translate("CurrentPrinter", "PDF-bestand"); }

    // The system's printers in the system's order, then the PDF file.
    static QStringList choices();
    static QString name();
    // Makes this entry of choices() the current printer; a position outside them changes nothing.
    static void select(int position);

private:
    static QString s_chosen;
};
