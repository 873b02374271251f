#include "extras/RecordCategory.h"

#include "storage/StampRecord.h"

#include <QSet>

#include <algorithm>

RecordCategory::RecordCategory(const QString &category)
    : m_category(category.trimmed())
{}

bool RecordCategory::matches(const StampRecord &record) const
{
    return m_category.isEmpty() ||
           QStringView(record[StampRecord::Category]).trimmed().compare(m_category, Qt::CaseInsensitive) == 0;
}

QStringList RecordCategory::namesIn(const std::vector<StampRecord> &records)
{
    QStringList names;
    QSet<QString> seen;
    for (const StampRecord &record : records) {
        const QString name = record[StampRecord::Category].trimmed();
        if (!name.isEmpty() && !seen.contains(name.toCaseFolded())) {
            seen.insert(name.toCaseFolded());
            names.append(name);
        }
    }
    std::sort(names.begin(), names.end(), [](const QString &left, const QString &right) {
        return left.compare(right, Qt::CaseInsensitive) < 0;
    });
    return names;
}
