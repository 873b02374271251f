#include "storage/document/EntrySwaps.h"

#include "storage/catalogue/CatalogueEntries.h"
#include "storage/keeping/ListChange.h"

void EntrySwaps::add(const QString &key, const QString &packed)
{
    m_swaps.emplace_back(key, packed);
}

void EntrySwaps::swapWith(CatalogueEntries &entries)
{
    for (auto &[key, packed] : m_swaps) {
        QString now = entries.packedOf(key);
        entries.setPacked(key, packed);
        packed = std::move(now);
    }
}

ListChange EntrySwaps::changeMade(const CatalogueEntries &entries) const
{
    std::vector<std::pair<QString, QString>> now;
    now.reserve(m_swaps.size());
    for (const auto &swap : m_swaps)
        now.emplace_back(swap.first, entries.packedOf(swap.first));
    return ListChange::entriesSet(std::move(now));
}
