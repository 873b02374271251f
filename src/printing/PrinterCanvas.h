#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

// The page-drawing interface every print job draws on. Positions and sizes are
// twips (1/1440 inch) from the top-left corner of the printable area.
//
// Font, text colour and position are pen state shared by every kind of canvas:
// each font attribute keeps its value until set again, across pages, and a
// printed text leaves the position at x = 0, one text line lower.
class PrinterCanvas {
public:
    PrinterCanvas();
    virtual ~PrinterCanvas() = default;
    PrinterCanvas(const PrinterCanvas &) = delete;
    PrinterCanvas &operator=(const PrinterCanvas &) = delete;

    // Device names of the installed printers, in the system's order.
    virtual QStringList printerNames() const = 0;
    virtual QString currentPrinterName() const = 0;
    // Makes the printer at this position of printerNames() the current one.
    virtual void selectPrinter(int index) = 0;

    virtual void setUnitTwips() = 0;
    virtual void setPortrait() = 0;
    // Every page of the document is printed this many times.
    virtual void setCopies(int copies) = 0;

    void setFontName(const QString &family);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setTextColour(const QColor &colour);
    void setPosition(double x, double y);

    // Draws the text with the top-left corner of its first character at the
    // position. A line break inside the text starts a new line at x = 0.
    void printText(const QString &text);

    // Outline of the rectangle with these corners, one device pixel wide.
    virtual void drawBox(double x1, double y1, double x2, double y2, const QColor &colour) = 0;
    // The whole picture stretched into the rectangle.
    virtual void drawPicture(const QImage &picture, double x, double y, double width, double height) = 0;
    virtual void newPage() = 0;
    // Finishes the last page and hands the document to the printer.
    virtual void endDocument() = 0;

protected:
    const QFont &font() const { return m_font; }
    const QColor &textColour() const { return m_colour; }
    // One line of text (no line breaks) at the given position, in the pen's font and colour.
    virtual void drawTextLine(double x, double y, const QString &line) = 0;
    // Height of one text line of the pen's font, in twips.
    virtual double lineHeight() const = 0;

private:
    QFont m_font;
    QColor m_colour = Qt::black;
    double m_x = 0;
    double m_y = 0;
};
