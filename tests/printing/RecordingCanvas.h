#pragma once

#include "printing/PrinterCanvas.h"

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// A canvas that keeps every drawing it is asked for, page by page, so that a
// test can check texts, positions, fonts and page breaks of a job.
class RecordingCanvas : public PrinterCanvas {
public:
    struct Text {
        int page;
        double x;
        double y;
        QString text;
        QString family;
        double points;
        bool bold;
        QColor colour;
    };
    struct Box {
        int page;
        QRectF rect; // from the first corner to the second
        QColor colour;
    };
    struct Picture {
        int page;
        QRectF rect;
        QSize pictureSize;
        QRgb topLeftPixel;
    };

    explicit RecordingCanvas(QStringList printers = {QStringLiteral("Recorder")});

    QStringList printerNames() const override { return m_printers; }
    QString currentPrinterName() const override;
    void selectPrinter(int index) override;
    void setUnitTwips() override { m_unitTwips = true; }
    void setPortrait() override { m_portrait = true; }
    void setCopies(int copies) override { m_copies = copies; }
    void drawBox(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void drawPicture(const QImage &picture, double x, double y, double width, double height) override;
    void newPage() override { ++m_page; }
    void endDocument() override { ++m_documentsEnded; }

    bool unitTwips() const { return m_unitTwips; }
    bool portrait() const { return m_portrait; }
    int copies() const { return m_copies; }
    int pageCount() const { return m_page + 1; }
    int documentsEnded() const { return m_documentsEnded; }
    const std::vector<Text> &texts() const { return m_texts; }
    const std::vector<Box> &boxes() const { return m_boxes; }
    const std::vector<Picture> &pictures() const { return m_pictures; }
    // The texts of one page (0 for the first) at this y, ordered by x.
    std::vector<Text> textsAt(int page, double y) const;
    // The first text with exactly this content; nullptr when none.
    const Text *find(const QString &text) const;

protected:
    void drawTextLine(double x, double y, const QString &line) override;
    double lineHeight() const override;

private:
    QStringList m_printers;
    int m_current = 0;
    bool m_unitTwips = false;
    bool m_portrait = false;
    int m_copies = 0;
    int m_page = 0;
    int m_documentsEnded = 0;
    std::vector<Text> m_texts;
    std::vector<Box> m_boxes;
    std::vector<Picture> m_pictures;
};
