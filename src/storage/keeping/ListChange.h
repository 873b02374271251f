#pragma once

#include "storage/StampRecord.h"

#include <QByteArray>
#include <QByteArrayView>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CatalogueEntries;
class LentRecords;

// What one edit, undo or redo did to the list, in the direction it went: the
// records it put in, the rows it took out, the new order. Written to the
// recovery journal as it happens, and done again on the saved state to bring
// back the list after a crash. It holds only what the step touched, except
// for a replacement of every record. The list a replacement took the place of
// is set aside under a number, so that taking the replacement back and doing
// it again only names that number.
class ListChange {
public:
    // The lists set aside, by their numbers, while the changes are done again.
    using AsideLists = std::map<quint64, std::vector<StampRecord>>;
    enum class AsideUse { None, SetsAside, Swaps, Forgets };

    static ListChange insertion(int row, std::vector<StampRecord> records);
    static ListChange removal(int row, int count);
    static ListChange replacement(int row, const StampRecord &record);
    // Row i took the record of row sortedRows[i].
    static ListChange reordering(std::vector<int> sortedRows);
    // The list goes aside under the number, and the records take its place:
    // a whole list, lent, so that its copy is made where the change is written.
    static ListChange replacementSettingAside(quint64 aside, std::shared_ptr<LentRecords> records);
    // The list and the one set aside under the number change places.
    static ListChange swapWithAside(quint64 aside);
    // The list set aside under the number is no longer needed.
    static ListChange forgettingAside(quint64 aside);
    // The records are set aside under the number; the list stays as it is.
    static ListChange settingAside(quint64 aside, std::vector<StampRecord> records);
    // The stamps' catalogue entries become those given (packed; empty: none).
    static ListChange entriesSet(std::vector<std::pair<QString, QString>> packedByStamp);
    // Every catalogue entry becomes those the bytes of a catalogue file give.
    static ListChange allEntries(QByteArray fileBytes);
    // The changes that turn what the collection file form gives back of the
    // records (written, then read) into the records themselves; none for most.
    static std::vector<ListChange> fileFormCorrections(RecordSpan records);

    QByteArray serialized() const;
    // Nothing when the bytes are not a change serialized gave.
    static std::optional<ListChange> parse(QByteArrayView bytes);

    AsideUse asideUse() const;
    // The number of the list set aside that the change uses; 0 for none.
    quint64 aside() const { return m_aside; }

    // Does the change again on the records as they stood before it, with the
    // lists set aside so far; false, leaving both as they were, when the
    // change does not fit them (rows outside the list, an order of another
    // length, a list set aside that is not there). Its records go into them,
    // its catalogue entries into entries.
    bool applyTo(std::vector<StampRecord> &records, AsideLists &asides, CatalogueEntries &entries);

private:
    // The numbers are written to the journal: new kinds go at the end.
    enum class Kind {
        Insert,
        Remove,
        Replace,
        Reorder,
        ReplaceAll, // as earlier versions wrote a replacement of every record
        ReplaceSettingAside,
        SwapWithAside,
        ForgetAside,
        SetAside,
        SetEntries,
        AllEntries
    };

    explicit ListChange(Kind kind, int row = 0, int count = 0);
    static ListChange namingAside(Kind kind, quint64 aside, std::vector<StampRecord> records = {});
    static bool namesAside(Kind kind);
    // Written with a count of records, none for a removal.
    static bool holdsRecords(Kind kind);
    bool fits(RecordSpan records, const AsideLists &asides) const;

    // The change's records: lent ones, else its own.
    RecordSpan records() const;

    Kind m_kind;
    int m_row;
    int m_count;
    quint64 m_aside = 0;
    std::vector<StampRecord> m_records;
    std::shared_ptr<LentRecords> m_lentRecords;
    std::vector<int> m_order;
    std::vector<std::pair<QString, QString>> m_entries;
    QByteArray m_entriesFile;
};
