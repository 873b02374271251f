#include "printing/dialog/PrintOnCurrentPrinter.h"

#include "printing/dialog/CurrentPrinter.h"
#include "printing/dialog/SystemPrinterCanvas.h"
#include "widgets/MessageBox.h"

namespace {

void showFailure(QWidget *parent, const QString &reason)
{
    MessageBox::show(parent, reason, QStringLiteral("Error"), MessageBox::Buttons::Ok,
                     MessageBox::Icon::Critical);
}

} // namespace

namespace PrintOnCurrentPrinter {

bool run(QWidget *parent, const PdfQuestion &askPdfFile, const std::function<void(PrinterCanvas &)> &document)
{
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
    return true;
}

} // namespace PrintOnCurrentPrinter
