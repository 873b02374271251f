#include "widgets/ButtonPropertyStore.h"

void ButtonPropertyStore::write(const QString &name, const QVariant &value)
{
    const qsizetype index = indexOf(name);
    if (index < 0)
        m_entries.append({name, value});
    else
        m_entries[index].second = value;
}

QVariant ButtonPropertyStore::read(const QString &name, const QVariant &fallback) const
{
    const qsizetype index = indexOf(name);
    return index < 0 ? fallback : m_entries.at(index).second;
}

void ButtonPropertyStore::remove(const QString &name)
{
    const qsizetype index = indexOf(name);
    if (index >= 0)
        m_entries.removeAt(index);
}

QStringList ButtonPropertyStore::names() const
{
    QStringList result;
    for (const auto &entry : m_entries)
        result.append(entry.first);
    return result;
}

qsizetype ButtonPropertyStore::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
