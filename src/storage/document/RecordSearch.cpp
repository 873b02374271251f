#include "storage/document/RecordSearch.h"

#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"
#include "storage/text/Trim.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace RecordSearch {

int find(const RecordList &list, const QString &text, int startRow, Direction direction,
         const CatalogueEntries *entries)
{
    const int count = list.count();
    if (text.isEmpty() || count == 0)
        return -1;
    // Loading shares one copy of a recurring text (a category, a kind) between
    // thousands of rows: the answer for a copy already looked at is remembered,
    // so a step through a million rows compares each distinct text about once.
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
    // The stamps found by their other numbers, by Cat.nr.: a row's Cat.nr.
    // is looked up before its key is made.
    QMultiHash<QString, QString> stampYears;
    if (entries && !entries->isEmpty()) {
        for (const QString &key : entries->stampsMatching(text)) {
            const auto [year, number] = CatalogueEntries::splitKey(key);
            stampYears.insert(number.toString(), year.toString());
        }
    }
    const auto stampMatches = [&](const StampRecord &record) {
        if (stampYears.isEmpty())
            return false;
        const QStringView year = trimmedSpaces(record[StampRecord::Year]);
        for (auto it = stampYears.constFind(record[StampRecord::CatalogueNumber]);
             it != stampYears.cend() && it.key() == record[StampRecord::CatalogueNumber]; ++it) {
            if (*it == year)
                return true;
        }
        return false;
    };
    const int step = direction == Direction::Next ? 1 : -1;
    int row = startRow;
    if (row < 0 || row >= count)
        row = direction == Direction::Next ? count - 1 : 0;
    // count steps visit every other row once and the start row last.
    for (int steps = 0; steps < count; ++steps) {
        row += step;
        if (row == count)
            row = 0;
        else if (row < 0)
            row = count - 1;
        const StampRecord &record = list.record(row);
        if (std::any_of(record.fields.begin(), record.fields.end(), fieldMatches) || stampMatches(record))
            return row;
    }
    return -1;
}

} // namespace RecordSearch
