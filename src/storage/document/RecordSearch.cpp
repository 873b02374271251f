#include "storage/document/RecordSearch.h"

#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"
#include "storage/text/ParallelParts.h"
#include "storage/text/Trim.h"

#include <QMultiHash>

#include <algorithm>
#include <array>
#include <atomic>
#include <vector>

namespace {

// Below this many records one core finds any match within a few milliseconds.
constexpr int ParallelFrom = 100000;

// Whether a record holds the text in one of its fields (letter case ignored)
// or has it among its stamp's numbers in other systems. One matcher serves one
// pass over a list that does not change meanwhile; each thread of a pass
// works with a copy of its own.
class RecordMatcher {
public:
    RecordMatcher(const QString &text, const CatalogueEntries *entries)
        : m_text(text)
    {
        // The stamps found by their other numbers, by Cat.nr.: a row's Cat.nr.
        // is looked up before its key is made.
        if (entries && !entries->isEmpty()) {
            for (const QString &key : entries->stampsMatching(text)) {
                const auto [year, number] = CatalogueEntries::splitKey(key);
                m_stampYears.insert(number.toString(), year.toString());
            }
        }
    }

    bool matches(const StampRecord &record)
    {
        return std::any_of(record.fields.begin(), record.fields.end(),
                           [this](const QString &field) { return fieldMatches(field); }) ||
               stampMatches(record);
    }

private:
    // Loading shares one copy of a recurring text (a category, a kind) between
    // thousands of rows: the answer for a copy already looked at is remembered,
    // so a step through a million rows compares each distinct text about once.
    struct Answer {
        const QChar *characters = nullptr;
        qsizetype size = 0;
        bool found = false;
    };

    bool fieldMatches(const QString &field)
    {
        if (field.size() < m_text.size())
            return false;
        Answer &answer =
            m_answers[reinterpret_cast<quintptr>(field.constData()) / sizeof(QChar) % m_answers.size()];
        if (answer.characters != field.constData() || answer.size != field.size())
            answer = {field.constData(), field.size(), field.contains(m_text, Qt::CaseInsensitive)};
        return answer.found;
    }

    bool stampMatches(const StampRecord &record) const
    {
        if (m_stampYears.isEmpty())
            return false;
        const QStringView year = trimmedSpaces(record[StampRecord::Year]);
        for (auto it = m_stampYears.constFind(record[StampRecord::CatalogueNumber]);
             it != m_stampYears.cend() && it.key() == record[StampRecord::CatalogueNumber]; ++it) {
            if (*it == year)
                return true;
        }
        return false;
    }

    const QString &m_text;
    std::array<Answer, 1024> m_answers{};
    QMultiHash<QString, QString> m_stampYears;
};

} // namespace

namespace RecordSearch {

int find(const RecordList &list, const QString &text, int startRow, Direction direction,
         const CatalogueEntries *entries)
{
    const int count = list.count();
    if (text.isEmpty() || count == 0)
        return -1;
    const RecordMatcher matcher(text, entries);
    const int step = direction == Direction::Next ? 1 : -1;
    int origin = startRow;
    if (origin < 0 || origin >= count)
        origin = direction == Direction::Next ? count - 1 : 0;
    // A long list is searched by every core at once, each through its own
    // stretch of the steps: walking a million records is bound by memory, which
    // one core alone does not keep busy. The nearest stretch with a match wins.
    const size_t parts = count >= ParallelFrom ? static_cast<size_t>(ParallelParts::cores()) : 1;
    std::vector<int> found(parts, -1);
    std::atomic<size_t> nearestFound{parts};
    ParallelParts::run(parts, [&](size_t part) {
        RecordMatcher partMatcher = matcher;
        // count steps visit every other row once and the start row last.
        const auto first = static_cast<int>(static_cast<qint64>(count) * static_cast<qint64>(part) /
                                            static_cast<qint64>(parts));
        const auto end = static_cast<int>(static_cast<qint64>(count) * static_cast<qint64>(part + 1) /
                                          static_cast<qint64>(parts));
        int row = static_cast<int>(
            ((static_cast<qint64>(origin) + static_cast<qint64>(step) * first) % count + count) % count);
        for (int steps = first; steps < end; ++steps) {
            // A nearer stretch has its match: this one's can no longer count.
            if (steps % 4096 == 0 && nearestFound.load(std::memory_order_relaxed) < part)
                return;
            row += step;
            if (row == count)
                row = 0;
            else if (row < 0)
                row = count - 1;
            if (partMatcher.matches(list.record(row))) {
                found[part] = row;
                size_t nearest = nearestFound.load();
                while (part < nearest && !nearestFound.compare_exchange_weak(nearest, part)) {
                }
                return;
            }
        }
    });
    const auto match = std::find_if(found.begin(), found.end(), [](int row) { return row >= 0; });
    return match == found.end() ? -1 : *match;
}

std::vector<int> findAll(const RecordList &list, const QString &text, const CatalogueEntries *entries)
{
    std::vector<int> rows;
    if (text.isEmpty())
        return rows;
    RecordMatcher matcher(text, entries);
    for (int row = 0; row < list.count(); ++row) {
        if (matcher.matches(list.record(row)))
            rows.push_back(row);
    }
    return rows;
}

} // namespace RecordSearch
