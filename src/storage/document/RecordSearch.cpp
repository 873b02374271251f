#include "storage/document/RecordSearch.h"

#include "storage/document/RecordList.h"

#include "storage/text/ParallelParts.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <vector>

namespace {

// Below this many records one core finds any match within a few milliseconds.
constexpr int ParallelFrom = 100000;

} // namespace

namespace RecordSearch {

int find(const RecordList &list, const QString &text, int startRow, Direction direction)
{
    const int count = list.count();
    if (text.isEmpty() || count == 0)
        return -1;
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
        // Loading shares one copy of a recurring text (a category, a kind)
        // between thousands of rows: the answer for a copy already looked at is
        // remembered, so a step through a million rows compares each distinct
        // text about once.
        struct Answer {
            const QChar *characters = nullptr;
            qsizetype size = 0;
            bool found = false;
        };
        std::array<Answer, 1024> answers{};
        const auto fieldMatches = [&](const QString &field) {
            if (field.size() < text.size())
                return false;
            Answer &answer =
                answers[reinterpret_cast<quintptr>(field.constData()) / sizeof(QChar) % answers.size()];
            if (answer.characters != field.constData() || answer.size != field.size())
                answer = {field.constData(), field.size(), field.contains(text, Qt::CaseInsensitive)};
            return answer.found;
        };
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
            const StampRecord &record = list.record(row);
            if (std::any_of(record.fields.begin(), record.fields.end(), fieldMatches)) {
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

} // namespace RecordSearch
