#include "storage/formats/RecordParts.h"

#include "storage/text/LineReader.h"
#include "storage/text/ParallelParts.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// Below this a part would cost more to hand to a thread than to read.
constexpr qsizetype SmallestPart = 1024 * 1024;

// Has the system give memory to the pages of an allocated stretch now, so
// that the parts do it at once instead of one thread page by page when the
// list is filled with empty records. Only a request: where the system cannot,
// the pages come as before.
void prepareMemory([[maybe_unused]] void *begin, [[maybe_unused]] size_t bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(begin) + bytes) / page * page;
    if (end > start)
        madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_WRITE);
#endif
}

} // namespace

namespace RecordParts {

std::vector<QByteArrayView> split(QByteArrayView body, int linesPerRecord, int wanted)
{
    const qsizetype partCount = std::clamp<qsizetype>(body.size() / SmallestPart, 1, std::max(wanted, 1));
    std::vector<QByteArrayView> parts;
    const char *begin = body.data();
    const char *end = body.data() + body.size();
    qsizetype lineCount = 0;
    for (qsizetype part = 1; part < partCount; ++part) {
        // Just after the first line feed from the target on, a line begins;
        // counting the lines before it is quicker than walking them.
        const char *target = body.data() + body.size() * part / partCount;
        if (target < begin)
            continue;
        const auto *lineFeed =
            static_cast<const char *>(std::memchr(target, '\n', static_cast<size_t>(end - target)));
        if (!lineFeed)
            break;
        lineCount += LineReader::countLineEnds(QByteArrayView(begin, lineFeed + 1 - begin));
        // Then on to the next record.
        LineReader lines(QByteArrayView(lineFeed + 1, end - lineFeed - 1));
        while (lineCount % linesPerRecord != 0 && !lines.atEnd()) {
            lines.next();
            ++lineCount;
        }
        if (lines.atEnd())
            break;
        parts.emplace_back(begin, lines.position() - begin);
        begin = lines.position();
    }
    parts.emplace_back(begin, body.data() + body.size() - begin);
    return parts;
}

std::vector<StampRecord> parse(QByteArrayView body, int linesPerRecord, const Count &count,
                               const Parse &parse)
{
    const std::vector<QByteArrayView> parts = split(body, linesPerRecord, ParallelParts::cores());
    std::vector<size_t> counts(parts.size());
    ParallelParts::run(parts.size(), [&](size_t part) { counts[part] = count(parts[part]); });
    std::vector<size_t> firsts(parts.size());
    std::exclusive_scan(counts.begin(), counts.end(), firsts.begin(), size_t(0));

    const size_t total = firsts.back() + counts.back();
    std::vector<StampRecord> records;
    // Room for records added afterwards, so that the first one added does not
    // move the whole list to new memory; room never used is never touched,
    // and takes no memory.
    records.reserve(total + total / 16);
    ParallelParts::run(parts.size(), [&](size_t part) {
        prepareMemory(records.data() + firsts[part], counts[part] * sizeof(StampRecord));
    });
    records.resize(total);
    std::vector<size_t> filled(parts.size());
    ParallelParts::run(parts.size(), [&](size_t part) {
        filled[part] = parse(parts[part], std::span(records.data() + firsts[part], counts[part]));
    });
    // A part always fills what it counted; were one ever to fall short, its
    // empty records would not stay in the list.
    for (size_t part = parts.size(); part-- > 0;) {
        const auto first = records.begin() + static_cast<std::ptrdiff_t>(firsts[part]);
        records.erase(first + static_cast<std::ptrdiff_t>(filled[part]),
                      first + static_cast<std::ptrdiff_t>(counts[part]));
    }
    return records;
}

} // namespace RecordParts
