#include "printing/dialog/PrintOnCurrentPrinter.h"

#include "printing/dialog/CurrentPrinter.h"
#include "printing/dialog/PrinterChoice.h"
#include "printing/dialog/SystemPrinterCanvas.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>

namespace {

void showFailure(QWidget *parent, const QString &reason)
{
    MessageBox::show(parent, reason, QCoreApplication::translate("PrintOnCurrentPrinter", "Error"),
                     MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
}

} // namespace

namespace PrintOnCurrentPrinter {

bool run(QWidget *parent, const PdfQuestion &askPdfFile, const std::function<void(PrinterCanvas &)> &document)
{
    if (PrinterChoice(parent).exec() != QDialog::Accepted)
        return false;
    const QString printer = CurrentPrinter::name();
    const QString refusal = SystemPrinterCanvas::queueRefusal(printer);
    if (!refusal.isEmpty()) {
        showFailure(parent, refusal);
        return false;
    }
    QString pdfFile;
    if (printer == CurrentPrinter::pdfFile()) {
        pdfFile = askPdfFile(parent);
        if (pdfFile.isEmpty())
            return false;
    }
    SystemPrinterCanvas canvas(pdfFile);
    document(canvas);
    if (!canvas.failure().isEmpty()) {
        showFailure(parent, canvas.failure());
        return false;
    }
    MessageBox::show(
        parent,
        pdfFile.isEmpty()
            ? QCoreApplication::translate("PrintOnCurrentPrinter", "Naar printer '%1' gestuurd.").arg(printer)
            : QCoreApplication::translate("PrintOnCurrentPrinter", "Opgeslagen als PDF-bestand: %1")
                  .arg(QDir::toNativeSeparators(pdfFile)),
        QCoreApplication::translate("PrintOnCurrentPrinter", "Afdrukken"), MessageBox::Buttons::Ok,
        MessageBox::Icon::Information);
    return true;
}

} // namespace PrintOnCurrentPrinter
