#include "storage/document/RecordList.h"

#include "storage/keeping/LentRecords.h"

#include <QPixmap>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Moves bytes as memmove does (the ranges may overlap). A record taken out of
// or put back in the middle of a large list moves the half after it; a library
// memmove does that with ordinary stores, which first read every target line
// into the cache and leave it dirty there for the next move to write back, and
// its upward move (from the end down) is slower still. Streaming stores skip
// both, so that putting a record back costs no more than taking it out.
void moveRecordBytes(char *to, const char *from, size_t bytes)
{
#if defined(__SSE2__)
    constexpr size_t StreamingFrom = 1 << 20;
    constexpr size_t Block = 64;
    if (bytes >= StreamingFrom && to != from) {
        // Each block is loaded whole before it is stored, and the blocks go in
        // the order that never loads what an earlier store wrote.
        const auto moveBlock = [](char *target, const char *source) {
            const auto *in = reinterpret_cast<const __m128i *>(source);
            auto *out = reinterpret_cast<__m128i *>(target);
            const __m128i a = _mm_loadu_si128(in);
            const __m128i b = _mm_loadu_si128(in + 1);
            const __m128i c = _mm_loadu_si128(in + 2);
            const __m128i d = _mm_loadu_si128(in + 3);
            _mm_stream_si128(out, a);
            _mm_stream_si128(out + 1, b);
            _mm_stream_si128(out + 2, c);
            _mm_stream_si128(out + 3, d);
        };
        if (to > from) {
            // From the end down; the bytes past an aligned end of the target first.
            const size_t tail = reinterpret_cast<std::uintptr_t>(to + bytes) % 16;
            bytes -= tail;
            std::memmove(to + bytes, from + bytes, tail);
            for (; bytes >= Block; bytes -= Block)
                moveBlock(to + bytes - Block, from + bytes - Block);
        } else {
            // From the start up; the bytes before an aligned start of the target first.
            const size_t head = (16 - reinterpret_cast<std::uintptr_t>(to) % 16) % 16;
            std::memmove(to, from, head);
            to += head;
            from += head;
            bytes -= head;
            for (; bytes >= Block; bytes -= Block, to += Block, from += Block)
                moveBlock(to, from);
        }
        _mm_sfence();
    }
#endif
    std::memmove(to, from, bytes);
}

// A move toward the end of memory (from the last byte down) is measurably
// slower than one toward its start: the shorter side of the list moves, unless
// only the other moves toward the start and is at most a quarter longer.
bool moveFrontSide(size_t frontRecords, bool frontMovesUp, size_t backRecords)
{
    return frontMovesUp ? frontRecords * 5 < backRecords * 4 : frontRecords * 4 <= backRecords * 5;
}

char *bytesOf(StampRecord *record)
{
    return reinterpret_cast<char *>(record);
}

bool isPriceColumn(int column)
{
    return column == StampRecord::CataloguePrice || column == StampRecord::OwnPrice;
}

} // namespace

RecordList::RecordList(QObject *parent)
    : QAbstractTableModel(parent)
{}

RecordList::~RecordList()
{
    takeBackLent();
}

std::shared_ptr<LentRecords> RecordList::lend() const
{
    std::erase_if(m_lent, [](const std::weak_ptr<LentRecords> &lent) { return lent.expired(); });
    auto lent = std::make_shared<LentRecords>(records());
    m_lent.push_back(lent);
    return lent;
}

void RecordList::takeBackLent()
{
    for (const std::weak_ptr<LentRecords> &lent : m_lent) {
        if (const std::shared_ptr<LentRecords> borrowed = lent.lock())
            borrowed->takeBack();
    }
    m_lent.clear();
}

// The list view asks for the index and the flags of every row each time it
// lays its rows out again, after every added or deleted row: both are
// answered here directly, without the base classes' checks through virtual calls.
QModelIndex RecordList::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= count() || column < 0 || column >= StampRecord::FieldCount)
        return {};
    return createIndex(row, column);
}

Qt::ItemFlags RecordList::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.row() >= count())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

int RecordList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int RecordList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : StampRecord::FieldCount;
}

QVariant RecordList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (isPriceColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    default:
        return {};
    }
}

QVariant RecordList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= StampRecord::FieldCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return StampRecord::columnTitle(section);
    case Qt::DecorationRole: {
        if (section != m_markedColumn)
            return {};
        const QImage &picture = m_sortPictures[m_markedDirection == Qt::AscendingOrder ? 0 : 1];
        if (picture.isNull())
            return {};
        return QPixmap::fromImage(picture);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (isPriceColumn(section) ? Qt::AlignRight : Qt::AlignLeft));
    default:
        return {};
    }
}

void RecordList::append(const StampRecord &record)
{
    insertRecords(count(), {record});
}

void RecordList::insertRecords(int row, std::vector<StampRecord> records)
{
    takeBackLent();
    if (records.empty())
        return;
    const auto at = static_cast<size_t>(row);
    const size_t added = records.size();
    const size_t before = m_records.size() - m_first;
    static_assert(QTypeInfo<StampRecord>::isRelocatable);
    beginInsertRows({}, row, row + static_cast<int>(added) - 1);
    if (m_first >= added && moveFrontSide(at, false, before - at)) {
        // The records before row move down into the room before the first.
        moveRecordBytes(bytesOf(rowAddress(0) - added), bytesOf(rowAddress(0)), at * sizeof(StampRecord));
        m_first -= added;
    } else {
        // Room first, half as much again when it must grow, so that records
        // added one by one do not move the list each time: a list that cannot
        // grow stays as it was. Growing into the room then makes empty
        // records, which cannot fail.
        if (m_records.capacity() < m_records.size() + added)
            m_records.reserve(std::max(m_records.size() + added, m_records.size() + before / 2));
        m_records.resize(m_records.size() + added);
        // The records from row on move up as their bytes (see permute).
        moveRecordBytes(bytesOf(rowAddress(at + added)), bytesOf(rowAddress(at)),
                        (before - at) * sizeof(StampRecord));
    }
    // The empty records whose places the new ones take give up nothing when
    // their bytes are written over.
    for (size_t i = 0; i < added; ++i)
        new (rowAddress(at + i)) StampRecord(std::move(records[i]));
    endInsertRows();
}

std::vector<StampRecord> RecordList::takeRecords(int row, int count)
{
    std::vector<StampRecord> taken;
    if (count <= 0)
        return taken;
    takeBackLent();
    const auto at = static_cast<size_t>(row);
    const auto removed = static_cast<size_t>(count);
    const size_t before = m_records.size() - m_first;
    beginRemoveRows({}, row, row + count - 1);
    taken.reserve(removed);
    for (size_t i = 0; i < removed; ++i) {
        taken.push_back(std::move(*rowAddress(at + i)));
        std::destroy_at(rowAddress(at + i));
    }
    // The records on the shorter side move over them as their bytes: one copy
    // of memory instead of twelve string swaps for each of up to a million
    // records. The places left behind hold the bytes of records that moved:
    // empty records take them.
    if (moveFrontSide(at, true, before - at - removed)) {
        moveRecordBytes(bytesOf(rowAddress(removed)), bytesOf(rowAddress(0)), at * sizeof(StampRecord));
        for (size_t i = 0; i < removed; ++i)
            new (rowAddress(i)) StampRecord();
        m_first += removed;
    } else {
        moveRecordBytes(bytesOf(rowAddress(at)), bytesOf(rowAddress(at + removed)),
                        (before - at - removed) * sizeof(StampRecord));
        for (size_t i = before - removed; i < before; ++i)
            new (rowAddress(i)) StampRecord();
        m_records.resize(m_records.size() - removed);
    }
    endRemoveRows();
    return taken;
}

void RecordList::swapRecord(int row, StampRecord &record)
{
    takeBackLent();
    std::swap(*rowAddress(static_cast<size_t>(row)), record);
    emit dataChanged(index(row, 0), index(row, StampRecord::FieldCount - 1), {Qt::DisplayRole, Qt::EditRole});
}

void RecordList::swapAll(Storage &storage)
{
    takeBackLent();
    beginResetModel();
    m_records.swap(storage.records);
    std::swap(m_first, storage.first);
    endResetModel();
}

void RecordList::clear()
{
    assign({});
}

void RecordList::assign(std::vector<StampRecord> records)
{
    takeBackLent();
    beginResetModel();
    Storage rows = withRoomBeforeFirst(std::move(records));
    m_records.swap(rows.records);
    m_first = rows.first;
    endResetModel();
}

RecordList::Storage RecordList::withRoomBeforeFirst(std::vector<StampRecord> records)
{
    // Enough for records put back near the start by the hundred (deleted
    // records undone) without moving the rows after them. Made only where the
    // list has room after its end already, as a loaded list has: moving the
    // rows up within their memory costs as little as one deleted record, a
    // second copy of the list far more.
    const size_t rows = records.size();
    const size_t room = rows / 256;
    if (room == 0 || records.capacity() - rows < room)
        return {std::move(records), 0};
    records.resize(rows + room);
    // The empty records made at the end give up nothing when written over; the
    // places the rows leave at the start take empty records.
    moveRecordBytes(bytesOf(records.data() + room), bytesOf(records.data()), rows * sizeof(StampRecord));
    for (size_t i = 0; i < room; ++i)
        new (&records[i]) StampRecord();
    return {std::move(records), room};
}

void RecordList::permute(const std::vector<int> &sortedRows)
{
    takeBackLent();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    const auto rows = static_cast<size_t>(count());
    std::vector<int> newRowOf(rows);
    for (size_t position = 0; position < sortedRows.size(); ++position)
        newRowOf[static_cast<size_t>(sortedRows[position])] = static_cast<int>(position);
    // In place, one cycle of the permutation after the other: a million records
    // need no second array of records, whose fresh memory would cost more than
    // the moves. A record moves as its bytes, as Qt's own containers move
    // strings: one copy, where twelve string moves would also write back to
    // the record they come from.
    static_assert(QTypeInfo<StampRecord>::isRelocatable);
    const auto recordAt = [this](size_t row) { return static_cast<void *>(rowAddress(row)); };
    std::vector<bool> placed(rows);
    alignas(StampRecord) std::byte held[sizeof(StampRecord)];
    for (size_t start = 0; start < rows; ++start) {
        if (placed[start])
            continue;
        std::memcpy(held, recordAt(start), sizeof(StampRecord));
        size_t position = start;
        for (auto from = static_cast<size_t>(sortedRows[position]); from != start;
             from = static_cast<size_t>(sortedRows[position])) {
            // The record after this one is far away in memory: ask for it now.
            __builtin_prefetch(recordAt(static_cast<size_t>(sortedRows[from])));
            std::memcpy(recordAt(position), recordAt(from), sizeof(StampRecord));
            placed[position] = true;
            position = from;
        }
        std::memcpy(recordAt(position), held, sizeof(StampRecord));
        placed[position] = true;
    }

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after.append(this->index(newRowOf[static_cast<size_t>(index.row())], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RecordList::setSortPictures(const QImage &ascending, const QImage &descending)
{
    m_sortPictures = {ascending, descending};
    if (m_markedColumn >= 0)
        emit headerDataChanged(Qt::Horizontal, m_markedColumn, m_markedColumn);
}

void RecordList::showSortMark(int column, Qt::SortOrder direction)
{
    const int before = m_markedColumn;
    m_markedColumn = column;
    m_markedDirection = direction;
    for (const int changed : {before, column}) {
        if (changed >= 0)
            emit headerDataChanged(Qt::Horizontal, changed, changed);
    }
}
