#pragma once

#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/ImportedCollections.h"

#include <QString>
#include <QStringList>

#include <vector>

// What every import tells the collector of its plan, worded alike for every
// program the collections come from.
namespace ImportPlan {

// Each country with its number of rows, in the order of its first row; a
// country of -1 (none) counts under an empty name.
template <typename Count, typename Rows, typename CountryOf>
std::vector<Count> countriesInOrder(const Rows &rows, CountryOf countryOf, const QStringList &countries)
{
    std::vector<Count> counts(static_cast<size_t>(countries.size()) + 1);
    std::vector<int> order;
    for (const auto &row : rows) {
        const int country = countryOf(row);
        if (counts[static_cast<size_t>(country + 1)].records++ == 0)
            order.push_back(country);
    }
    std::vector<Count> result;
    for (const int country : order) {
        Count count = counts[static_cast<size_t>(country + 1)];
        count.name = country < 0 ? QString() : countries.at(country);
        result.push_back(count);
    }
    return result;
}

// The name every collection without its own goes to is refused when it
// cannot be a collection's.
StorageResult checkMainName(const QString &name);

// Every collection planned is looked at before the first is written, so that
// a dry run refuses what writing would refuse.
template <typename Count>
StorageResult checkPlanned(const ProgramFolder &folder, const std::vector<Count> &planned)
{
    for (const Count &count : planned) {
        if (const StorageResult ready = ImportedCollections::check(folder, count.name); !ready)
            return ready;
    }
    return StorageResult::success();
}

// The collections planned whose file exists already, as their files spell them.
template <typename Count>
QStringList existingCollections(const ProgramFolder &folder, const std::vector<Count> &planned)
{
    QStringList names;
    for (const Count &collection : planned) {
        if (const CollectionFiles files(folder, collection.name); files.exists())
            names.append(files.name());
    }
    return names;
}

// A country whose name cannot be a collection's: its records go to target.
QString countryNotACollection(const QString &country, int records, const QString &target);
// Characters a collection cannot hold were replaced.
QString charactersReplaced(int count);

} // namespace ImportPlan
