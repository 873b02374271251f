#include "storage/LineReader.h"

#include <cstring>

QByteArrayView LineReader::next()
{
    const char *start = m_next;
    // Files end their lines with CR LF almost always: find the LF, then look
    // for an earlier CR within that stretch only. Both searches are memchr.
    const auto *lineFeed =
        static_cast<const char *>(std::memchr(start, '\n', static_cast<size_t>(m_end - start)));
    const char *stretchEnd = lineFeed ? lineFeed : m_end;
    const auto *carriageReturn =
        static_cast<const char *>(std::memchr(start, '\r', static_cast<size_t>(stretchEnd - start)));
    if (carriageReturn) {
        const bool crLf = carriageReturn + 1 == lineFeed;
        m_next = carriageReturn + (crLf ? 2 : 1);
        return QByteArrayView(start, carriageReturn - start);
    }
    m_next = lineFeed ? lineFeed + 1 : m_end;
    return QByteArrayView(start, stretchEnd - start);
}
