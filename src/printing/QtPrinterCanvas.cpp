#include "printing/QtPrinterCanvas.h"

#include "printing/PrintText.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>

namespace {

constexpr double twipsPerInch = 1440;

QString pdfName()
{
    return PrintText::tr("PDF-bestand");
}

} // namespace

QtPrinterCanvas::QtPrinterCanvas(QPdfWriter &writer)
    : QtPrinterCanvas(writer, pdfName())
{
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("Tessaron2"));
}

QtPrinterCanvas::QtPrinterCanvas(QPagedPaintDevice &device, const QString &deviceName)
    : m_device(device)
    , m_deviceName(deviceName)
{}

QtPrinterCanvas::~QtPrinterCanvas()
{
    // A job that stopped half-way still leaves a finished document behind.
    if (m_started && !m_ended)
        m_painter.end();
}

QStringList QtPrinterCanvas::printerNames() const
{
    return {m_deviceName};
}

QString QtPrinterCanvas::currentPrinterName() const
{
    return m_deviceName;
}

void QtPrinterCanvas::selectPrinter(int) {}

void QtPrinterCanvas::setUnitTwips()
{
    // Every position reaching the device is converted from twips already.
}

void QtPrinterCanvas::setPortrait()
{
    if (!m_started)
        m_device.setPageOrientation(QPageLayout::Portrait);
}

void QtPrinterCanvas::setCopies(int copies)
{
    m_copies = qMax(1, copies);
}

QPointF QtPrinterCanvas::toDevice(double x, double y) const
{
    return {x * m_device.logicalDpiX() / twipsPerInch, y * m_device.logicalDpiY() / twipsPerInch};
}

void QtPrinterCanvas::drawTextLine(double x, double y, const QString &line)
{
    const QFont font = this->font();
    const QColor colour = textColour();
    // The position is the top-left corner of the text; the painter wants the baseline.
    const QPointF origin = toDevice(x, y) + QPointF(0, QFontMetricsF(font, &m_device).ascent());
    m_page.push_back([=](QPainter &painter) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(origin, line);
    });
}

double QtPrinterCanvas::lineHeight() const
{
    return QFontMetricsF(font(), &m_device).height() * twipsPerInch / m_device.logicalDpiY();
}

void QtPrinterCanvas::drawBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    const QRectF box = QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized();
    m_page.push_back([=](QPainter &painter) {
        QPen pen(colour);
        pen.setWidth(0); // one device pixel, whatever the resolution
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    });
}

void QtPrinterCanvas::drawPicture(const QImage &picture, double x, double y, double width, double height)
{
    if (picture.isNull())
        return;
    const QRectF target(toDevice(x, y), toDevice(x + width, y + height));
    m_page.push_back([=](QPainter &painter) { painter.drawImage(target, picture); });
}

void QtPrinterCanvas::finishPage()
{
    for (int copy = 0; copy < m_copies; ++copy) {
        if (!m_failure.isEmpty())
            break;
        if (!m_started) {
            m_started = true;
            if (!m_painter.begin(&m_device)) {
                setFailure(
                    PrintText::tr("De printer \"%1\" kon het document niet aannemen.").arg(m_deviceName));
                break;
            }
        } else {
            m_device.newPage();
        }
        for (const Drawing &drawing : m_page)
            drawing(m_painter);
    }
    m_page.clear();
}

void QtPrinterCanvas::newPage()
{
    finishPage();
}

void QtPrinterCanvas::endDocument()
{
    if (m_ended)
        return;
    finishPage();
    m_ended = true;
    if (m_painter.isActive() && !m_painter.end())
        setFailure(
            PrintText::tr("Het document kon niet naar de printer \"%1\" worden gestuurd.").arg(m_deviceName));
    if (m_failure.isEmpty())
        setFailure(afterDocument());
}

void QtPrinterCanvas::setFailure(const QString &failure)
{
    if (m_failure.isEmpty())
        m_failure = failure;
}
