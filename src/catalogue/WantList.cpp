#include "catalogue/WantList.h"

#include "catalogue/CataloguePass.h"
#include "storage/catalogue/CatalogueEntries.h"

#include <algorithm>
#include <bit>

namespace {

// The numbers of one range that records hold. A range of up to BitmapLimit
// numbers keeps one bit per number; a larger one, which no collection fills,
// keeps the numbers themselves.
class HeldNumbers {
public:
    static constexpr quint64 BitmapLimit = quint64(1) << 26;

    explicit HeldNumbers(const CatalogueRange &range)
        : m_from(range.from())
        , m_span(range.to() - range.from() + 1)
    {
        if (m_span <= BitmapLimit)
            m_bits.assign(static_cast<size_t>((m_span + 63) / 64), 0);
    }

    void add(quint64 number)
    {
        const quint64 at = number - m_from;
        if (m_bits.empty())
            m_numbers.push_back(at);
        else
            m_bits[static_cast<size_t>(at / 64)] |= quint64(1) << (at % 64);
    }

    // Adds the numbers other holds, of the same range.
    void add(const HeldNumbers &other)
    {
        for (size_t word = 0; word < m_bits.size(); ++word)
            m_bits[word] |= other.m_bits[word];
        m_numbers.insert(m_numbers.end(), other.m_numbers.begin(), other.m_numbers.end());
    }

    // Calls missing(first, last) for each run of numbers not held, in order.
    template <class Missing> void forEachMissingRun(const Missing &missing)
    {
        if (m_bits.empty()) {
            std::sort(m_numbers.begin(), m_numbers.end());
            quint64 next = 0;
            for (const quint64 at : m_numbers) {
                if (at > next)
                    missing(m_from + next, m_from + at - 1);
                next = at + 1;
            }
            if (next < m_span)
                missing(m_from + next, m_from + m_span - 1);
            return;
        }
        for (quint64 at = nextWith(0, false); at < m_span;) {
            const quint64 end = nextWith(at, true);
            missing(m_from + at, m_from + end - 1);
            at = nextWith(end, false);
        }
    }

private:
    // The first position from at on whose bit is set (or clear); m_span when none.
    quint64 nextWith(quint64 at, bool set) const
    {
        while (at < m_span) {
            quint64 word = m_bits[static_cast<size_t>(at / 64)];
            if (!set)
                word = ~word;
            word >>= at % 64;
            if (word != 0)
                return std::min(m_span, at + static_cast<quint64>(std::countr_zero(word)));
            at = (at / 64 + 1) * 64;
        }
        return m_span;
    }

    quint64 m_from;
    quint64 m_span;
    std::vector<quint64> m_bits;
    std::vector<quint64> m_numbers;
};

// "a-b" for a run of consecutive numbers, "a" for one, joined by ", ".
QString runsOf(const CatalogueRange &range, HeldNumbers &held, quint64 &count)
{
    QString runs;
    count = 0;
    held.forEachMissingRun([&](quint64 first, quint64 last) {
        count += last - first + 1;
        if (!runs.isEmpty())
            runs += QLatin1String(", ");
        runs += QString::number(first);
        if (last > first)
            runs += u'-' + QString::number(last);
    });
    // A single number is written as it was given, with its suffix.
    if (range.from() == range.to())
        return count == 0 ? QString() : range.numberText();
    return runs;
}

// The ranges of one prefix: a record's prefix is compared once with each
// prefix the ranges have, rather than with each range.
struct Series {
    QString keyPrefix;
    std::vector<size_t> ranges;
    // The system of the entries this prefix names; empty for none.
    QString system;
};

// Per series, whether a record of the whole collection (category aside) has
// a Cat.nr. of its own with that prefix.
std::vector<char> ownPrefixesUsed(RecordSpan records, const std::vector<Series> &series)
{
    const CataloguePass all(records, QString());
    std::vector<std::vector<char>> used(all.partCount(), std::vector<char>(series.size(), 0));
    all.run([&](size_t part, size_t, const QString &, const CatalogueKey &key) {
        for (size_t at = 0; at < series.size(); ++at) {
            if (key.number() && key.prefix() == series[at].keyPrefix)
                used[part][at] = 1;
        }
    });
    for (size_t part = 1; part < used.size(); ++part) {
        for (size_t at = 0; at < series.size(); ++at)
            used[0][at] |= used[part][at];
    }
    return used[0];
}

} // namespace

WantList WantList::of(RecordSpan records, const QStringList &ranges, const QString &category,
                      const CatalogueEntries *entries)
{
    std::vector<CatalogueRange> readRanges;
    std::vector<size_t> lineOfRange;
    WantList list;
    for (const QString &text : ranges) {
        if (text.trimmed().isEmpty())
            continue;
        Line line;
        line.range = text.trimmed();
        if (std::optional<CatalogueRange> range = CatalogueRange::read(text)) {
            line.readable = true;
            lineOfRange.push_back(list.m_lines.size());
            readRanges.push_back(std::move(*range));
        }
        list.m_lines.push_back(std::move(line));
    }

    // A prefix that names a system of the entries may be read from that system's numbers.
    const QStringList systems = entries ? entries->systemsInUse() : QStringList();
    std::vector<Series> series;
    for (size_t index = 0; index < readRanges.size(); ++index) {
        const QString &prefix = readRanges[index].keyPrefix();
        auto same = std::find_if(series.begin(), series.end(),
                                 [&prefix](const Series &known) { return known.keyPrefix == prefix; });
        if (same == series.end()) {
            const auto system =
                std::find_if(systems.cbegin(), systems.cend(),
                             [&prefix](const QString &name) { return CatalogueKey::folded(name) == prefix; });
            same = series.insert(series.end(), {prefix, {}, system == systems.cend() ? QString() : *system});
        }
        same->ranges.push_back(index);
    }
    // A system's numbers serve only where no record has such a Cat.nr. of its own.
    const auto readsSystem = [](const Series &known) { return !known.system.isEmpty(); };
    if (std::any_of(series.cbegin(), series.cend(), readsSystem)) {
        const std::vector<char> used = ownPrefixesUsed(records, series);
        for (size_t at = 0; at < series.size(); ++at) {
            if (used[at])
                series[at].system.clear();
        }
    }
    const bool anySystem = std::any_of(series.cbegin(), series.cend(), readsSystem);

    // Each part of the pass keeps its own held numbers; the first part's take in the others'.
    const CataloguePass pass(records, category);
    std::vector<std::vector<HeldNumbers>> held(
        pass.partCount(), std::vector<HeldNumbers>(readRanges.begin(), readRanges.end()));
    std::vector<CatalogueKey> entryKeys(anySystem ? pass.partCount() : 0);
    const auto addHeld = [&](size_t part, const Series &known, const CatalogueKey &key) {
        if (const std::optional<quint64> number = key.number()) {
            for (const size_t index : known.ranges) {
                if (readRanges[index].holds(*number, key.suffix()))
                    held[part][index].add(*number);
            }
        }
    };
    pass.run([&](size_t part, size_t row, const QString &, const CatalogueKey &key) {
        for (const Series &known : series) {
            if (known.system.isEmpty() && key.prefix() == known.keyPrefix) {
                addHeld(part, known, key);
                break;
            }
        }
        if (!anySystem)
            return;
        // A record holds its stamp's numbers of the system, of every edition.
        const CatalogueEntries::List stamp = entries->of(records[row]);
        for (const CatalogueEntry &entry : stamp) {
            for (const Series &known : series) {
                if (known.system.isEmpty() || !CatalogueEntries::sameSystem(entry.system, known.system))
                    continue;
                // "535", or "Mi 535" with the system written before it.
                CatalogueKey &entryKey = entryKeys[part];
                entryKey.read(entry.number);
                if (entryKey.prefix().isEmpty() || entryKey.prefix() == known.keyPrefix)
                    addHeld(part, known, entryKey);
            }
        }
    });
    for (size_t part = 1; part < held.size(); ++part) {
        for (size_t index = 0; index < readRanges.size(); ++index)
            held[0][index].add(held[part][index]);
    }
    for (size_t index = 0; index < readRanges.size(); ++index) {
        Line &line = list.m_lines[lineOfRange[index]];
        line.runs = runsOf(readRanges[index], held[0][index], line.count);
    }
    return list;
}

quint64 WantList::total() const
{
    quint64 total = 0;
    for (const Line &line : m_lines)
        total += line.count;
    return total;
}

std::optional<QString> WantList::unreadable() const
{
    for (const Line &line : m_lines) {
        if (!line.readable)
            return line.range;
    }
    return std::nullopt;
}

std::vector<QStringList> WantList::rows() const
{
    std::vector<QStringList> rows;
    for (const Line &line : m_lines) {
        if (line.readable)
            rows.push_back({line.range, line.runs, QString::number(line.count)});
    }
    return rows;
}
