#include "storage/RecordParts.h"

#include "storage/LineReader.h"

#include <algorithm>

namespace {

// Below this a part would cost more to hand to a thread than to read.
constexpr qsizetype SmallestPart = 1024 * 1024;

} // namespace

namespace RecordParts {

std::vector<QByteArrayView> split(QByteArrayView body, int linesPerRecord, int wanted)
{
    const qsizetype partCount = std::clamp<qsizetype>(body.size() / SmallestPart, 1, std::max(wanted, 1));
    std::vector<QByteArrayView> parts;
    const char *begin = body.data();
    LineReader lines(body);
    qsizetype lineCount = 0;
    for (qsizetype part = 1; part < partCount; ++part) {
        const char *target = body.data() + body.size() * part / partCount;
        // The next record that begins at or after target.
        const char *cut = nullptr;
        while (!cut && !lines.atEnd()) {
            lines.next();
            ++lineCount;
            if (lineCount % linesPerRecord == 0 && lines.position() >= target && !lines.atEnd())
                cut = lines.position();
        }
        if (!cut)
            break;
        parts.emplace_back(begin, cut - begin);
        begin = cut;
    }
    parts.emplace_back(begin, body.data() + body.size() - begin);
    return parts;
}

} // namespace RecordParts
