#include "storage/RecordList.h"

#include "storage/RecordOrder.h"

#include <QPixmap>

#include <cstddef>
#include <cstring>
#include <memory>

namespace {

const char *const HeaderTexts[StampRecord::FieldCount] = {
    "Jaartal", "Cat.nr.",    "Categorie", "Onderwerp", "Soort",     "Type",
    "Opdruk",  "Afbeedling", "Info",      "Conditie",  "Cat.Prijs", "Mijn Prijs",
};

bool isPriceColumn(int column)
{
    return column == StampRecord::CataloguePrice || column == StampRecord::OwnPrice;
}

} // namespace

RecordList::RecordList(QObject *parent)
    : QAbstractTableModel(parent)
{}

QString RecordList::headerText(int column)
{
    return QString::fromLatin1(HeaderTexts[column]);
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
        return headerText(section);
    case Qt::DecorationRole:
        if (m_headerImages[static_cast<size_t>(section)].isNull())
            return {};
        return QPixmap::fromImage(m_headerImages[static_cast<size_t>(section)]);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (isPriceColumn(section) ? Qt::AlignRight : Qt::AlignLeft));
    default:
        return {};
    }
}

void RecordList::setCell(int row, int column, const QString &text)
{
    m_records[static_cast<size_t>(row)][column] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void RecordList::setRecord(int row, const StampRecord &record)
{
    m_records[static_cast<size_t>(row)] = record;
    emit dataChanged(index(row, 0), index(row, StampRecord::FieldCount - 1), {Qt::DisplayRole, Qt::EditRole});
}

void RecordList::append(const StampRecord &record)
{
    const int row = count();
    beginInsertRows({}, row, row);
    m_records.push_back(record);
    endInsertRows();
}

void RecordList::removeRecord(int row)
{
    beginRemoveRows({}, row, row);
    // The records after it move down as their bytes (see sort): one copy of
    // memory instead of twelve string swaps for each of up to a million records.
    static_assert(QTypeInfo<StampRecord>::isRelocatable);
    const auto at = static_cast<size_t>(row);
    std::destroy_at(&m_records[at]);
    std::memmove(static_cast<void *>(m_records.data() + at), m_records.data() + at + 1,
                 (m_records.size() - at - 1) * sizeof(StampRecord));
    // The last place now holds the bytes of a record that moved down; an empty
    // record takes its place before the list gives it up.
    new (&m_records.back()) StampRecord();
    m_records.pop_back();
    endRemoveRows();
}

void RecordList::clear()
{
    assign({});
}

void RecordList::assign(std::vector<StampRecord> records)
{
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

void RecordList::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= StampRecord::FieldCount)
        return;
    const std::vector<int> sortedRows = RecordOrder::sorted(m_records, column, order);
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    std::vector<int> newRowOf(m_records.size());
    for (size_t position = 0; position < sortedRows.size(); ++position)
        newRowOf[static_cast<size_t>(sortedRows[position])] = static_cast<int>(position);
    // In place, one cycle of the permutation after the other: a million records
    // need no second array of records, whose fresh memory would cost more than
    // the moves. A record moves as its bytes, as Qt's own containers move
    // strings: one copy, where twelve string moves would also write back to
    // the record they come from.
    static_assert(QTypeInfo<StampRecord>::isRelocatable);
    const auto recordAt = [this](size_t row) { return static_cast<void *>(&m_records[row]); };
    std::vector<bool> placed(m_records.size());
    alignas(StampRecord) std::byte held[sizeof(StampRecord)];
    for (size_t start = 0; start < m_records.size(); ++start) {
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

void RecordList::setHeaderImage(int column, const QString &key, const QImage &image)
{
    m_headerImageKeys[static_cast<size_t>(column)] = key;
    m_headerImages[static_cast<size_t>(column)] = image;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString RecordList::headerImageKey(int column) const
{
    return m_headerImageKeys[static_cast<size_t>(column)];
}
