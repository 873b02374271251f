#pragma once

#include "storage/StampRecord.h"

#include <QAbstractTableModel>
#include <QImage>

#include <array>
#include <memory>
#include <vector>

class LentRecords;

// The open collection: the only in-memory copy of its records, shown by the
// main window's list. Columns are the twelve fields in file order (0 = Year).
class RecordList : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RecordList(QObject *parent = nullptr);
    ~RecordList() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_records.size() - m_first - m_gapSize); }
    const StampRecord &record(int row) const { return m_records[place(static_cast<size_t>(row))]; }
    // The rows in one piece: the room a record taken out of the middle left
    // is closed first (see m_gapAt), so the first call after such an edit
    // moves records. Only on the list's own thread.
    RecordSpan records() const;
    const QString &cell(int row, int column) const { return record(row)[column]; }
    // The rows as they are now, lent to another thread, which copies them
    // there: the list takes them back before it next changes them.
    std::shared_ptr<LentRecords> lend() const;

    // The open collection's list changes only through the open collection,
    // which hands out no other access than const: these serve it and lists of
    // one's own.
    void append(const StampRecord &record);
    void clear();
    // Replaces every row at once; used by loading and importing.
    void assign(std::vector<StampRecord> records);
    // Puts the records in at row; the rows from there on move down.
    void insertRecords(int row, std::vector<StampRecord> records);
    // Takes count records out from row on; the rows after them move up.
    std::vector<StampRecord> takeRecords(int row, int count);
    // Swaps the record at row with record.
    void swapRecord(int row, StampRecord &record);
    // The rows as the list keeps them: records from first on, empty records
    // before them (see m_first).
    struct Storage {
        std::vector<StampRecord> records;
        size_t first = 0;
    };
    // Swaps every row at once with those of storage.
    void swapAll(Storage &storage);
    // The records as rows with room before the first, where the spare memory
    // after their end allows it.
    static Storage withRoomBeforeFirst(std::vector<StampRecord> records);
    // Row i takes the record of row sortedRows[i]; a selection stays on its record.
    void permute(const std::vector<int> &sortedRows);
    // No sort(): a view never reorders the rows itself; the open collection
    // sorts them as one step of its history.

    // The direction pictures a header can show: after an ascending sort, after a
    // descending one.
    void setSortPictures(const QImage &ascending, const QImage &descending);
    // The header of column shows the picture of direction; -1 for no header.
    void showSortMark(int column, Qt::SortOrder direction);

private:
    // Where the record of row is kept in m_records.
    size_t place(size_t row) const { return m_first + row + (row < m_gapAt ? 0 : m_gapSize); }
    StampRecord *rowAddress(size_t row) { return m_records.data() + place(row); }
    // Before any change to the rows: none is lent any more.
    void takeBackLent();
    // Moves the room in the middle to start before row, or closes it.
    void moveGapTo(size_t row);
    void closeGap();
    // Empty records in the places from first on, over bytes that records moved
    // away from or that held records taken out.
    void makeEmpty(size_t first, size_t places);

    // The rows are m_records from m_first on. The places before m_first hold
    // empty records: room that records taken out near the start left, so that
    // the shorter side of the list moves when one is taken out or put back.
    std::vector<StampRecord> m_records;
    size_t m_first = 0;
    // Rows from m_gapAt on are kept m_gapSize places further on: the places
    // between hold empty records, room that records taken out of the middle
    // left. A record taken out or put back near it moves only the records
    // between it and the room, not half the list; adding at the end moves none.
    size_t m_gapAt = 0;
    size_t m_gapSize = 0;
    std::array<QImage, 2> m_sortPictures;
    int m_markedColumn = -1;
    mutable std::vector<std::weak_ptr<LentRecords>> m_lent;
    Qt::SortOrder m_markedDirection = Qt::AscendingOrder;
};
