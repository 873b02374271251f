#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

// Reads a printed PDF back with the poppler tools: the words with their boxes
// (pdftotext -bbox) and the pages (pdfinfo). Positions and sizes are points.
class PdfReadback {
public:
    struct Word {
        int page; // 0 for the first
        QRectF box;
        QString text;
    };

    explicit PdfReadback(const QString &pdfPath);

    bool ok() const { return m_ok; }
    const QString &error() const { return m_error; }
    int pageCount() const { return m_pageCount; }
    QSizeF pageSize() const { return m_pageSize; }
    const std::vector<Word> &words() const { return m_words; }
    // Words with this text on a page, in reading order.
    std::vector<Word> find(int page, const QString &text) const;

private:
    bool m_ok = false;
    QString m_error;
    int m_pageCount = 0;
    QSizeF m_pageSize;
    std::vector<Word> m_words;
};
