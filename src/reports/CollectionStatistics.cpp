#include "reports/CollectionStatistics.h"

#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/PriceTotals.h"
#include "storage/document/RecordList.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

int fieldOf(CollectionStatistics::Grouping grouping)
{
    switch (grouping) {
    case CollectionStatistics::Grouping::Year:
        return StampRecord::Year;
    case CollectionStatistics::Grouping::Category:
        return StampRecord::Category;
    case CollectionStatistics::Grouping::Condition:
        return StampRecord::Condition;
    }
    return StampRecord::Year;
}

void add(CollectionStatistics::Group &group, double cataloguePrice, double ownPrice)
{
    ++group.count;
    group.catalogueTotal += cataloguePrice;
    group.ownTotal += ownPrice;
}

} // namespace

CollectionStatistics CollectionStatistics::of(const RecordList &list, Grouping grouping)
{
    return of(list, grouping, CatalogueEntries(), QString());
}

CollectionStatistics CollectionStatistics::of(const RecordList &list, Grouping grouping,
                                              const CatalogueEntries &entries, const QString &system)
{
    CollectionStatistics statistics;
    statistics.grouping = grouping;
    statistics.system = system;
    const bool withSystem = !system.isEmpty() && !entries.isEmpty();
    const int field = fieldOf(grouping);
    QHash<QString, size_t> groupOfKey;
    for (int row = 0; row < list.count(); ++row) {
        const QString name = list.cell(row, field).trimmed();
        const QString key = name.toCaseFolded();
        auto found = groupOfKey.constFind(key);
        if (found == groupOfKey.constEnd()) {
            found = groupOfKey.insert(key, statistics.groups.size());
            statistics.groups.push_back({name, 0, 0.0, 0.0, 0.0, 0});
        }
        const double cataloguePrice = PriceTotals::priceValue(list.cell(row, StampRecord::CataloguePrice));
        const double ownPrice = PriceTotals::priceValue(list.cell(row, StampRecord::OwnPrice));
        add(statistics.groups[found.value()], cataloguePrice, ownPrice);
        add(statistics.total, cataloguePrice, ownPrice);
        if (withSystem) {
            const QString stamp = CatalogueEntries::keyOf(list.cell(row, StampRecord::Year),
                                                          list.cell(row, StampRecord::CatalogueNumber));
            if (!entries.has(stamp))
                continue;
            const CatalogueEntries::List stampEntries = entries.of(stamp);
            if (const CatalogueEntry *latest = CatalogueEntries::latestOf(stampEntries, system)) {
                const double value = PriceTotals::priceValue(latest->value);
                for (Group *group : {&statistics.groups[found.value()], &statistics.total}) {
                    group->systemTotal += value;
                    ++group->systemCount;
                }
            }
        }
    }

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(statistics.groups.begin(), statistics.groups.end(),
                     [&](const Group &left, const Group &right) {
                         if (left.name.isEmpty() != right.name.isEmpty())
                             return right.name.isEmpty();
                         return collator.compare(left.name, right.name) < 0;
                     });
    return statistics;
}

QString CollectionStatistics::groupingName(Grouping grouping)
{
    return StampRecord::columnTitle(fieldOf(grouping));
}

QString CollectionStatistics::displayName(const Group &group)
{
    return group.name.isEmpty() ? QCoreApplication::translate("CollectionStatistics", "(leeg)") : group.name;
}
