#include "catalogue/RecordCategory.h"

#include "storage/StampRecord.h"

#include <QSet>

#include <algorithm>

RecordCategory::RecordCategory(const QString &category)
    : m_category(category.trimmed())
{}

bool RecordCategory::matches(const StampRecord &record)
{
    if (m_category.isEmpty())
        return true;
    const QString &text = record[StampRecord::Category];
    if (text.constData() != m_lastData || text.size() != m_lastSize) {
        m_lastData = text.constData();
        m_lastSize = text.size();
        m_lastMatched = QStringView(text).trimmed().compare(m_category, Qt::CaseInsensitive) == 0;
    }
    return m_lastMatched;
}

QStringList RecordCategory::namesIn(RecordSpan records)
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
