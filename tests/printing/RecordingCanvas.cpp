#include "RecordingCanvas.h"

#include <QFontMetricsF>

#include <algorithm>

RecordingCanvas::RecordingCanvas(QStringList printers)
    : m_printers(std::move(printers))
{}

QString RecordingCanvas::currentPrinterName() const
{
    return m_printers.value(m_current);
}

void RecordingCanvas::selectPrinter(int index)
{
    if (index >= 0 && index < m_printers.size())
        m_current = index;
}

void RecordingCanvas::drawBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    m_boxes.push_back({m_page, QRectF(QPointF(x1, y1), QPointF(x2, y2)), colour});
}

void RecordingCanvas::drawPicture(const QImage &picture, double x, double y, double width, double height)
{
    m_pictures.push_back({m_page, QRectF(x, y, width, height), picture.size(), picture.pixel(0, 0)});
}

void RecordingCanvas::drawTextLine(double x, double y, const QString &line)
{
    m_texts.push_back(
        {m_page, x, y, line, font().family(), font().pointSizeF(), font().bold(), textColour()});
}

double RecordingCanvas::lineHeight() const
{
    // On a device of 1440 dots per inch one dot is one twip.
    static const QImage twipDevice = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(1440 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return QFontMetricsF(font(), &twipDevice).height();
}

std::vector<RecordingCanvas::Text> RecordingCanvas::textsAt(int page, double y) const
{
    std::vector<Text> found;
    std::copy_if(m_texts.begin(), m_texts.end(), std::back_inserter(found),
                 [&](const Text &text) { return text.page == page && qFuzzyCompare(text.y + 1, y + 1); });
    std::sort(found.begin(), found.end(), [](const Text &a, const Text &b) { return a.x < b.x; });
    return found;
}

const RecordingCanvas::Text *RecordingCanvas::find(const QString &text) const
{
    const auto it =
        std::find_if(m_texts.begin(), m_texts.end(), [&](const Text &t) { return t.text == text; });
    return it == m_texts.end() ? nullptr : &*it;
}
