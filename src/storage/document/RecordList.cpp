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
    const size_t before = static_cast<size_t>(count());
    static_assert(QTypeInfo<StampRecord>::isRelocatable);
    beginInsertRows({}, row, row + static_cast<int>(added) - 1);
    // Of the ways to make room, the one that moves the fewest records: the
    // records between row and the room in the middle, those before row (into
    // the room before the first) or those from row on (toward the end).
    const bool frontMoves =
        m_first >= added && (m_gapSize == 0 || at <= m_gapAt) && moveFrontSide(at, false, before - at);
    const size_t gapDistance = at < m_gapAt ? m_gapAt - at : at - m_gapAt;
    const size_t sideMoves = frontMoves ? at : before - at;
    if (m_gapSize >= added && gapDistance <= sideMoves) {
        moveGapTo(at);
        m_gapSize -= added;
        m_gapAt = m_gapSize == 0 ? 0 : at + added;
    } else if (frontMoves) {
        // The records before row move down into the room before the first.
        moveRecordBytes(bytesOf(rowAddress(0) - added), bytesOf(rowAddress(0)), at * sizeof(StampRecord));
        m_first -= added;
        if (m_gapSize > 0)
            m_gapAt += added;
    } else {
        // The records from row on move up: they must lie in one piece.
        if (at < m_gapAt)
            closeGap();
        // Room first, half as much again when it must grow, so that records
        // added one by one do not move the list each time: a list that cannot
        // grow stays as it was. Growing into the room then makes empty
        // records, which cannot fail.
        if (m_records.capacity() < m_records.size() + added)
            m_records.reserve(std::max(m_records.size() + added, m_records.size() + before / 2));
        m_records.resize(m_records.size() + added);
        // The records from row on move up as their bytes (see permute).
        moveRecordBytes(bytesOf(rowAddress(at) + added), bytesOf(rowAddress(at)),
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
    const size_t before = static_cast<size_t>(this->count());
    // The records taken out lie in one piece, on one side of the room in the middle.
    if (m_gapSize > 0 && at < m_gapAt && m_gapAt < at + removed)
        moveGapTo(at);
    beginRemoveRows({}, row, row + count - 1);
    taken.reserve(removed);
    for (size_t i = 0; i < removed; ++i) {
        taken.push_back(std::move(*rowAddress(at + i)));
        std::destroy_at(rowAddress(at + i));
    }
    // Their places join the room in the middle, or the records on the shorter
    // side move over them as their bytes: one copy of memory instead of
    // twelve string swaps for each of up to a million records. The places
    // left behind take empty records.
    const size_t after = before - at - removed;
    const bool beforeGap = m_gapSize == 0 || at + removed <= m_gapAt;
    const bool afterGap = m_gapSize == 0 || at >= m_gapAt;
    const size_t gapDistance = m_gapSize == 0 ? 0 : beforeGap ? m_gapAt - at - removed : at - m_gapAt;
    const bool frontMoves = beforeGap && (!afterGap || moveFrontSide(at, true, after));
    if (gapDistance <= (frontMoves ? at : after)) {
        if (m_gapSize == 0) {
            m_gapAt = at;
            makeEmpty(place(at), removed);
        } else if (beforeGap) {
            // The records between move down over the places taken out.
            StampRecord *const hole = m_records.data() + m_first + at;
            moveRecordBytes(bytesOf(hole), bytesOf(hole + removed), gapDistance * sizeof(StampRecord));
            m_gapAt -= removed;
            makeEmpty(m_first + m_gapAt, removed);
        } else {
            // The records between move up against the places taken out.
            const size_t to = place(m_gapAt) + removed;
            moveRecordBytes(bytesOf(m_records.data() + to), bytesOf(rowAddress(m_gapAt)),
                            gapDistance * sizeof(StampRecord));
            makeEmpty(place(m_gapAt), removed);
        }
        m_gapSize += removed;
    } else if (frontMoves) {
        StampRecord *const first = m_records.data() + m_first;
        moveRecordBytes(bytesOf(first + removed), bytesOf(first), at * sizeof(StampRecord));
        makeEmpty(m_first, removed);
        m_first += removed;
        if (m_gapSize > 0)
            m_gapAt -= removed;
    } else {
        moveRecordBytes(bytesOf(rowAddress(at)), bytesOf(rowAddress(at + removed)),
                        after * sizeof(StampRecord));
        makeEmpty(m_records.size() - removed, removed);
        m_records.resize(m_records.size() - removed);
    }
    endRemoveRows();
    return taken;
}

void RecordList::moveGapTo(size_t row)
{
    if (m_gapSize == 0 || row == m_gapAt)
        return;
    // The records between move across the room, which then starts before row;
    // the places they leave join it.
    if (row < m_gapAt) {
        const size_t moved = m_gapAt - row;
        moveRecordBytes(bytesOf(rowAddress(row) + m_gapSize), bytesOf(rowAddress(row)),
                        moved * sizeof(StampRecord));
        m_gapAt = row;
        makeEmpty(m_first + row, std::min(moved, m_gapSize));
    } else {
        const size_t moved = row - m_gapAt;
        const size_t start = m_first + m_gapAt;
        moveRecordBytes(bytesOf(m_records.data() + start), bytesOf(rowAddress(m_gapAt)),
                        moved * sizeof(StampRecord));
        m_gapAt = row;
        const size_t stale = std::min(moved, m_gapSize);
        makeEmpty(m_first + row + m_gapSize - stale, stale);
    }
}

void RecordList::closeGap()
{
    if (m_gapSize == 0)
        return;
    takeBackLent();
    const size_t rows = static_cast<size_t>(count());
    // The shorter side moves; the room becomes room before the first or
    // leaves the end of the list.
    if (moveFrontSide(m_gapAt, true, rows - m_gapAt)) {
        moveRecordBytes(bytesOf(m_records.data() + m_first + m_gapSize), bytesOf(m_records.data() + m_first),
                        m_gapAt * sizeof(StampRecord));
        makeEmpty(m_first, std::min(m_gapAt, m_gapSize));
        m_first += m_gapSize;
    } else {
        const size_t moved = rows - m_gapAt;
        moveRecordBytes(bytesOf(m_records.data() + m_first + m_gapAt),
                        bytesOf(m_records.data() + m_first + m_gapAt + m_gapSize),
                        moved * sizeof(StampRecord));
        const size_t stale = std::min(moved, m_gapSize);
        makeEmpty(m_records.size() - stale, stale);
        m_records.resize(m_records.size() - m_gapSize);
    }
    m_gapAt = 0;
    m_gapSize = 0;
}

void RecordList::makeEmpty(size_t first, size_t places)
{
    for (size_t i = 0; i < places; ++i)
        new (m_records.data() + first + i) StampRecord();
}

RecordSpan RecordList::records() const
{
    // A list with room in the middle has had a change through a non-const
    // path: it is no const object, and closing the room changes no row.
    const_cast<RecordList *>(this)->closeGap();
    return RecordSpan(m_records).subspan(m_first);
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
    closeGap();
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
    m_gapAt = 0;
    m_gapSize = 0;
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
    closeGap();
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
