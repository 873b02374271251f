#pragma once

#include "printing/PrinterCanvas.h"

#include <QPainter>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPdfWriter;

// The printer canvas on a Qt paint device: a PDF writer here, a system printer
// in SystemPrinterCanvas. Twips are converted at the device's resolution; the
// origin is the device's printable area (the page corner for a PDF writer).
//
// The drawings of a page are kept until the page is finished, then painted once
// for every copy. The copies are made here rather than by the device because
// PDF files and many print queues (a PDF queue among them) make none of their own.
class QtPrinterCanvas : public PrinterCanvas {
public:
    // Sets the writer to A4 portrait without margins at 1200 dots per inch.
    explicit QtPrinterCanvas(QPdfWriter &writer);
    ~QtPrinterCanvas() override;

    // The PDF writer is the only "printer" of this canvas.
    QStringList printerNames() const override;
    QString currentPrinterName() const override;
    void selectPrinter(int index) override;

    void setUnitTwips() override;
    void setPortrait() override;
    void setCopies(int copies) override;
    void drawBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void drawPicture(const QImage &picture, double x, double y, double width, double height) override;
    void newPage() override;
    void endDocument() override;

    // Why the document did not reach the device; empty when it did.
    const QString &failure() const { return m_failure; }

protected:
    QtPrinterCanvas(QPagedPaintDevice &device, const QString &deviceName);

    void drawTextLine(double x, double y, const QString &line) override;
    double lineHeight() const override;

    // Runs once the painter has finished the document; returns a failure text or nothing.
    virtual QString afterDocument() { return {}; }
    void setFailure(const QString &failure);

private:
    using Drawing = std::function<void(QPainter &)>;
    QPointF toDevice(double x, double y) const;
    void finishPage();

    QPagedPaintDevice &m_device;
    QString m_deviceName;
    QPainter m_painter;
    std::vector<Drawing> m_page;
    int m_copies = 1;
    bool m_started = false;
    bool m_ended = false;
    QString m_failure;
};
