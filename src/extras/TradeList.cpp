#include "extras/TradeList.h"

#include "extras/CatalogueNumber.h"
#include "extras/RecordCategory.h"
#include "storage/StampRecord.h"

#include <QHash>

#include <algorithm>

namespace {

// Letter case folded, runs of spaces as one.
void appendFolded(QString &key, QStringView text)
{
    bool afterSpace = false;
    for (const QChar c : text) {
        const bool space = c.isSpace();
        if (!space)
            key += c.toCaseFolded();
        else if (!afterSpace)
            key += u' ';
        afterSpace = space;
    }
}

// What makes two catalogue numbers the same, as one text: folded prefix with
// single spaces, the whole number, folded suffix. A text without a digit is
// marked apart, so that it can never equal a number's key.
QString keyOf(QStringView text, const CatalogueNumber &number)
{
    QString key;
    if (!number.hasNumber()) {
        key.reserve(text.size() + 1);
        key += u'\x02';
        appendFolded(key, text.trimmed());
        return key;
    }
    key.reserve(number.prefix().size() + number.digits().size() + number.suffix().size() + 2);
    appendFolded(key, number.prefix());
    key += u'\x01';
    key += number.digits();
    key += u'\x01';
    appendFolded(key, number.suffix());
    return key;
}

bool catalogueOrder(const TradeList::Entry &leftEntry, const TradeList::Entry &rightEntry)
{
    const CatalogueNumber left(leftEntry.catalogueNumber);
    const CatalogueNumber right(rightEntry.catalogueNumber);
    if (left.hasNumber() != right.hasNumber())
        return left.hasNumber();
    if (!left.hasNumber())
        return CatalogueNumber::comparePrefix(QStringView(leftEntry.catalogueNumber).trimmed(),
                                              QStringView(rightEntry.catalogueNumber).trimmed()) < 0;
    if (const int prefix = CatalogueNumber::comparePrefix(left.prefix(), right.prefix()))
        return prefix < 0;
    if (const int digits = CatalogueNumber::compareDigits(left.digits(), right.digits()))
        return digits < 0;
    return left.suffix().compare(right.suffix(), Qt::CaseInsensitive) < 0;
}

} // namespace

TradeList TradeList::of(const std::vector<StampRecord> &records, const QString &category)
{
    const RecordCategory wanted(category);
    // Key to the entry of its first record; entries of numbers held once are dropped at the end.
    QHash<QString, int> entryOfKey;
    entryOfKey.reserve(static_cast<qsizetype>(records.size()));
    std::vector<Entry> entries;
    for (size_t row = 0; row < records.size(); ++row) {
        const StampRecord &record = records[row];
        const QString &text = record[StampRecord::CatalogueNumber];
        if (!wanted.matches(record) || QStringView(text).trimmed().isEmpty())
            continue;
        QString key = keyOf(text, CatalogueNumber(text));
        const auto found = entryOfKey.constFind(key);
        if (found == entryOfKey.cend()) {
            entryOfKey.insert(std::move(key), static_cast<int>(entries.size()));
            entries.push_back({text, 1, static_cast<int>(row)});
        } else {
            ++entries[static_cast<size_t>(*found)].count;
        }
    }
    TradeList list;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(list.m_entries),
                 [](const Entry &entry) { return entry.count > 1; });
    std::sort(list.m_entries.begin(), list.m_entries.end(), catalogueOrder);
    return list;
}

std::vector<QStringList> TradeList::rows() const
{
    std::vector<QStringList> rows;
    rows.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        rows.push_back({entry.catalogueNumber, QString::number(entry.count)});
    return rows;
}
