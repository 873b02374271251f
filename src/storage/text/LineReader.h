#pragma once

#include <QByteArrayView>

// Walks the lines of a text file's bytes without copying them. A line ends at
// CR LF, a lone CR or a lone LF; a last line without an ending still counts.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes)
        : m_next(bytes.data())
        , m_end(bytes.data() + bytes.size())
    {}

    bool atEnd() const { return m_next == m_end; }
    // The next line without its ending; call only when not atEnd().
    // Inline: a large file has millions of lines.
    QByteArrayView next()
    {
        const char *start = m_next;
        const char *end = lineEnd(start, m_end);
        if (end == m_end)
            m_next = m_end;
        else
            m_next = end + (*end == '\r' && end + 1 != m_end && end[1] == '\n' ? 2 : 1);
        return QByteArrayView(start, end - start);
    }
    // Where the next line begins.
    const char *position() const { return m_next; }

    // How many lines end within bytes, counted the same way; quicker than
    // walking them. A CR as the last byte counts as a line end.
    static qsizetype countLineEnds(QByteArrayView bytes);

private:
    // The first CR or LF from at on, or end.
    static const char *lineEnd(const char *at, const char *end);

    const char *m_next;
    const char *m_end;
};
