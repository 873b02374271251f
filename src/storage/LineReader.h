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
    QByteArrayView next();
    // Where the next line begins.
    const char *position() const { return m_next; }

private:
    const char *m_next;
    const char *m_end;
};
