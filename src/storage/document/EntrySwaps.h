#pragma once

#include <QString>

#include <utility>
#include <vector>

class CatalogueEntries;
class ListChange;

// The catalogue entries an edit changes, stamp by stamp: each holds the packed
// entries that are not in the collection's now. Doing the edit swaps them in,
// undoing it swaps them back, so a step keeps only what it changed.
class EntrySwaps {
public:
    // The stamp of key gets packed (empty: no entries) when the edit is done.
    void add(const QString &key, const QString &packed);
    bool isEmpty() const { return m_swaps.empty(); }
    void swapWith(CatalogueEntries &entries);
    // The stamps' entries as they stand now, for the recovery journal.
    ListChange changeMade(const CatalogueEntries &entries) const;

private:
    std::vector<std::pair<QString, QString>> m_swaps;
};
