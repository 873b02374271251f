#include "extras/WantList.h"

#include "extras/RecordCategory.h"
#include "storage/StampRecord.h"

#include <algorithm>

namespace {

// "a-b" for a run of consecutive numbers, "a" for one, joined by ", ".
QString runsOf(const CatalogueRange &range, std::vector<quint64> &held, quint64 &count)
{
    std::sort(held.begin(), held.end());
    held.erase(std::unique(held.begin(), held.end()), held.end());
    count = range.to() - range.from() + 1 - held.size();
    if (!range.suffix().isEmpty() || range.from() == range.to())
        return count == 0 ? QString() : range.numberText();
    QString runs;
    const auto addRun = [&runs](quint64 first, quint64 last) {
        if (!runs.isEmpty())
            runs += QLatin1String(", ");
        runs += QString::number(first);
        if (last > first)
            runs += u'-' + QString::number(last);
    };
    quint64 next = range.from();
    for (const quint64 number : held) {
        if (number > next)
            addRun(next, number - 1);
        next = number + 1;
    }
    if (held.empty() || held.back() < range.to())
        addRun(next, range.to());
    return runs;
}

} // namespace

WantList WantList::of(const std::vector<StampRecord> &records, const QStringList &ranges,
                      const QString &category)
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

    std::vector<std::vector<quint64>> held(readRanges.size());
    const RecordCategory wanted(category);
    for (const StampRecord &record : records) {
        if (!wanted.matches(record))
            continue;
        const CatalogueNumber number(record[StampRecord::CatalogueNumber]);
        if (!number.number())
            continue;
        for (size_t index = 0; index < readRanges.size(); ++index) {
            if (readRanges[index].holds(number))
                held[index].push_back(*number.number());
        }
    }
    for (size_t index = 0; index < readRanges.size(); ++index) {
        Line &line = list.m_lines[lineOfRange[index]];
        line.runs = runsOf(readRanges[index], held[index], line.count);
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
