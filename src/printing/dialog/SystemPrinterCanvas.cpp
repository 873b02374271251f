#include "printing/dialog/SystemPrinterCanvas.h"

#include "printing/dialog/CurrentPrinter.h"
#include "storage/folder/OutputFile.h"

#include <QCoreApplication>
#include <QPrinter>

#include <cups/cups.h>

namespace {

std::unique_ptr<QPrinter> printerFor(const QString &printerName, const QString &pdfFile)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Tessaron2"));
    if (printerName == CurrentPrinter::pdfFile()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        // A link chosen as the file is replaced, never written through; one
        // that cannot be replaced leaves the printer without a file, which
        // the print reports as failed.
        printer->setOutputFileName(OutputFile::replaceLink(pdfFile) ? pdfFile : QString());
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    } else {
        printer->setPrinterName(printerName);
    }
    // Copies are painted by the canvas itself (see QtPrinterCanvas).
    printer->setCopyCount(1);
    return printer;
}

} // namespace

SystemPrinterCanvas::SystemPrinterCanvas(const QString &pdfFile)
    : SystemPrinterCanvas(printerFor(CurrentPrinter::name(), pdfFile))
{}

SystemPrinterCanvas::SystemPrinterCanvas(std::unique_ptr<QPrinter> printer)
    : QtPrinterCanvas(*printer, CurrentPrinter::name())
    , m_printer(std::move(printer))
{}

SystemPrinterCanvas::~SystemPrinterCanvas() = default;

QStringList SystemPrinterCanvas::printerNames() const
{
    return CurrentPrinter::choices();
}

QString SystemPrinterCanvas::currentPrinterName() const
{
    return CurrentPrinter::name();
}

void SystemPrinterCanvas::selectPrinter(int index)
{
    CurrentPrinter::select(index);
}

QString SystemPrinterCanvas::queueRefusal(const QString &printerName)
{
    if (printerName == CurrentPrinter::pdfFile())
        return {};
    cups_dest_t *destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData(), nullptr);
    if (!destination)
        return QCoreApplication::translate("SystemPrinterCanvas", "De printer \"%1\" is niet gevonden.")
            .arg(printerName);
    auto option = [&](const char *name) {
        return QString::fromUtf8(cupsGetOption(name, destination->num_options, destination->options));
    };
    QString refusal;
    if (option("printer-is-accepting-jobs") == QLatin1String("false"))
        refusal =
            QCoreApplication::translate("SystemPrinterCanvas", "De printer \"%1\" neemt geen opdrachten aan.")
                .arg(printerName);
    else if (option("printer-state") == QLatin1String("5"))
        refusal = QCoreApplication::translate("SystemPrinterCanvas", "De printer \"%1\" is gestopt.")
                      .arg(printerName);
    const QString reason = option("printer-state-message");
    if (!refusal.isEmpty() && !reason.isEmpty())
        refusal += QStringLiteral(" (") + reason + QLatin1Char(')');
    cupsFreeDests(1, destination);
    return refusal;
}

QString SystemPrinterCanvas::afterDocument()
{
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        return {};
    // The queue is handed the document when the painter ends; it reports its answer
    // through the print system's last error.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return QCoreApplication::translate("SystemPrinterCanvas",
                                           "De printer \"%1\" heeft de opdracht geweigerd: %2")
            .arg(currentPrinterName(), QString::fromUtf8(cupsLastErrorString()));
    return {};
}
