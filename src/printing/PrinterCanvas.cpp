#include "printing/PrinterCanvas.h"

#include <QRegularExpression>

PrinterCanvas::PrinterCanvas()
    : m_font(QStringLiteral("Arial"))
{
    m_font.setPointSizeF(10);
}

void PrinterCanvas::setFontName(const QString &family)
{
    m_font.setFamily(family);
}

void PrinterCanvas::setFontSize(double points)
{
    m_font.setPointSizeF(points);
}

void PrinterCanvas::setFontBold(bool bold)
{
    m_font.setBold(bold);
}

void PrinterCanvas::setTextColour(const QColor &colour)
{
    m_colour = colour;
}

void PrinterCanvas::setPosition(double x, double y)
{
    m_x = x;
    m_y = y;
}

void PrinterCanvas::printText(const QString &text)
{
    // CR LF is the line break of the program's texts; a lone CR or LF counts too.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    for (const QString &line : lines) {
        if (!line.isEmpty())
            drawTextLine(m_x, m_y, line);
        m_x = 0;
        m_y += lineHeight();
    }
}
