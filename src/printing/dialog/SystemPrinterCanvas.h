#pragma once

#include "printing/QtPrinterCanvas.h"

#include <memory>

class QPrinter;

// The printer canvas on the current printer: a system printer through its print
// queue, or a PDF file when "PDF-bestand" is the current printer.
class SystemPrinterCanvas : public QtPrinterCanvas {
public:
    // pdfFile is where the document goes when the current printer is the PDF file.
    explicit SystemPrinterCanvas(const QString &pdfFile = {});
    ~SystemPrinterCanvas() override;

    QStringList printerNames() const override;
    QString currentPrinterName() const override;
    void selectPrinter(int index) override;

    // The print queue's own words when it cannot take a job now; empty when it can
    // (and for a PDF file).
    static QString queueRefusal(const QString &printerName);

protected:
    QString afterDocument() override;

private:
    explicit SystemPrinterCanvas(std::unique_ptr<QPrinter> printer);

    std::unique_ptr<QPrinter> m_printer;
};
