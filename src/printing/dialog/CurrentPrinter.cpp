#include "printing/dialog/CurrentPrinter.h"

#include <QPrinterInfo>

QString CurrentPrinter::s_chosen;

QStringList CurrentPrinter::choices()
{
    return QPrinterInfo::availablePrinterNames() << pdfFile();
}

QString CurrentPrinter::name()
{
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    // A chosen printer that has since been removed gives way to the default.
    if (s_chosen == pdfFile() || printers.contains(s_chosen))
        return s_chosen;
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    if (printers.contains(systemDefault))
        return systemDefault;
    return printers.isEmpty() ? pdfFile() : printers.first();
}

void CurrentPrinter::select(int position)
{
    const QStringList available = choices();
    if (position >= 0 && position < available.size())
        s_chosen = available[position];
}
