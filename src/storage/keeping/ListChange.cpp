#include "storage/keeping/ListChange.h"

#include "storage/catalogue/CatalogueEntries.h"
#include "storage/formats/CatalogueEntriesFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/LentRecords.h"
#include "storage/text/Trim.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <iterator>

namespace {

constexpr auto StreamVersion = QDataStream::Qt_6_4;

void writeRecords(QDataStream &stream, RecordSpan records)
{
    stream << static_cast<quint32>(records.size());
    for (const StampRecord &record : records) {
        for (const QString &field : record.fields)
            stream << field;
    }
}

// Stops at the first record the bytes do not hold whole.
std::vector<StampRecord> readRecords(QDataStream &stream)
{
    quint32 count = 0;
    stream >> count;
    std::vector<StampRecord> records;
    for (quint32 index = 0; index < count && stream.status() == QDataStream::Ok; ++index) {
        StampRecord record;
        for (QString &field : record.fields)
            stream >> field;
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace

bool ListChange::namesAside(Kind kind)
{
    return kind >= Kind::ReplaceSettingAside && kind <= Kind::SetAside;
}

bool ListChange::holdsRecords(Kind kind)
{
    return kind != Kind::Reorder && kind != Kind::SwapWithAside && kind != Kind::ForgetAside &&
           kind != Kind::SetEntries && kind != Kind::AllEntries;
}

ListChange::ListChange(Kind kind, int row, int count)
    : m_kind(kind)
    , m_row(row)
    , m_count(count)
{}

ListChange ListChange::insertion(int row, std::vector<StampRecord> records)
{
    ListChange change(Kind::Insert, row, static_cast<int>(records.size()));
    change.m_records = std::move(records);
    return change;
}

ListChange ListChange::removal(int row, int count)
{
    return ListChange(Kind::Remove, row, count);
}

ListChange ListChange::replacement(int row, const StampRecord &record)
{
    ListChange change(Kind::Replace, row, 1);
    change.m_records = {record};
    return change;
}

ListChange ListChange::reordering(std::vector<int> sortedRows)
{
    ListChange change(Kind::Reorder);
    change.m_order = std::move(sortedRows);
    return change;
}

ListChange ListChange::namingAside(Kind kind, quint64 aside, std::vector<StampRecord> records)
{
    ListChange change(kind);
    change.m_aside = aside;
    change.m_records = std::move(records);
    return change;
}

ListChange ListChange::replacementSettingAside(quint64 aside, std::shared_ptr<LentRecords> records)
{
    ListChange change = namingAside(Kind::ReplaceSettingAside, aside);
    change.m_lentRecords = std::move(records);
    return change;
}

ListChange ListChange::swapWithAside(quint64 aside)
{
    return namingAside(Kind::SwapWithAside, aside);
}

ListChange ListChange::forgettingAside(quint64 aside)
{
    return namingAside(Kind::ForgetAside, aside);
}

ListChange ListChange::settingAside(quint64 aside, std::vector<StampRecord> records)
{
    return namingAside(Kind::SetAside, aside, std::move(records));
}

ListChange ListChange::entriesSet(std::vector<std::pair<QString, QString>> packedByStamp)
{
    ListChange change(Kind::SetEntries);
    change.m_entries = std::move(packedByStamp);
    return change;
}

ListChange ListChange::allEntries(QByteArray fileBytes)
{
    ListChange change(Kind::AllEntries);
    change.m_entriesFile = std::move(fileBytes);
    return change;
}

std::vector<ListChange> ListChange::fileFormCorrections(RecordSpan records)
{
    // Row by row from the top, each row above already as it should be: a
    // record the file leaves out goes in at its row, any other is written over.
    std::vector<ListChange> corrections;
    for (const int row : CollectionFile::rowsNotKeptExactly(records)) {
        const StampRecord &record = records[static_cast<size_t>(row)];
        const bool leftOut = std::all_of(record.fields.begin(), record.fields.end(),
                                         [](const QString &field) { return isBlank(field); });
        corrections.push_back(leftOut ? insertion(row, {record}) : replacement(row, record));
    }
    return corrections;
}

QByteArray ListChange::serialized() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(StreamVersion);
    stream << static_cast<quint8>(m_kind) << static_cast<qint32>(m_row) << static_cast<qint32>(m_count);
    if (namesAside(m_kind))
        stream << m_aside;
    if (m_kind == Kind::Reorder) {
        stream << static_cast<quint32>(m_order.size());
        for (const int from : m_order)
            stream << static_cast<qint32>(from);
    } else if (m_kind == Kind::SetEntries) {
        stream << static_cast<quint32>(m_entries.size());
        for (const auto &[key, packed] : m_entries)
            stream << key << packed;
    } else if (m_kind == Kind::AllEntries) {
        stream << m_entriesFile;
    } else if (holdsRecords(m_kind)) {
        writeRecords(stream, records());
    }
    return bytes;
}

std::optional<ListChange> ListChange::parse(QByteArrayView bytes)
{
    const QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QDataStream stream(data);
    stream.setVersion(StreamVersion);
    quint8 kind = 0;
    qint32 row = 0;
    qint32 count = 0;
    stream >> kind >> row >> count;
    if (stream.status() != QDataStream::Ok || kind > static_cast<quint8>(Kind::AllEntries))
        return std::nullopt;
    ListChange change(static_cast<Kind>(kind), row, count);
    if (namesAside(change.m_kind))
        stream >> change.m_aside;
    if (change.m_kind == Kind::Reorder) {
        quint32 size = 0;
        stream >> size;
        // Four bytes a row: a size the bytes cannot hold is not believed.
        if (size > static_cast<quint64>(bytes.size()) / sizeof(qint32))
            return std::nullopt;
        change.m_order.resize(size);
        for (int &from : change.m_order) {
            qint32 read = 0;
            stream >> read;
            from = read;
        }
    } else if (change.m_kind == Kind::SetEntries) {
        quint32 size = 0;
        stream >> size;
        // Eight bytes a stamp at least: a size the bytes cannot hold is not believed.
        if (size > static_cast<quint64>(bytes.size()) / 8)
            return std::nullopt;
        for (quint32 index = 0; index < size && stream.status() == QDataStream::Ok; ++index) {
            QString key;
            QString packed;
            stream >> key >> packed;
            change.m_entries.emplace_back(std::move(key), std::move(packed));
        }
    } else if (change.m_kind == Kind::AllEntries) {
        stream >> change.m_entriesFile;
    } else if (holdsRecords(change.m_kind)) {
        change.m_records = readRecords(stream);
    }
    if (stream.status() != QDataStream::Ok || !stream.atEnd())
        return std::nullopt;
    return change;
}

ListChange::AsideUse ListChange::asideUse() const
{
    switch (m_kind) {
    case Kind::ReplaceSettingAside:
    case Kind::SetAside:
        return AsideUse::SetsAside;
    case Kind::SwapWithAside:
        return AsideUse::Swaps;
    case Kind::ForgetAside:
        return AsideUse::Forgets;
    default:
        return AsideUse::None;
    }
}

RecordSpan ListChange::records() const
{
    return m_lentRecords ? m_lentRecords->rows() : RecordSpan(m_records);
}

bool ListChange::fits(RecordSpan records, const AsideLists &asides) const
{
    const auto size = static_cast<int>(records.size());
    switch (m_kind) {
    case Kind::Insert:
        return m_row >= 0 && m_row <= size && m_count == static_cast<int>(m_records.size());
    case Kind::Remove:
        return m_row >= 0 && m_count >= 0 && m_count <= size - m_row;
    case Kind::Replace:
        return m_row >= 0 && m_row < size && m_records.size() == 1;
    case Kind::Reorder: {
        if (m_order.size() != static_cast<size_t>(size))
            return false;
        std::vector<bool> taken(m_order.size());
        for (const int from : m_order) {
            if (from < 0 || from >= size || taken[static_cast<size_t>(from)])
                return false;
            taken[static_cast<size_t>(from)] = true;
        }
        return true;
    }
    case Kind::SwapWithAside:
        return asides.contains(m_aside);
    case Kind::ReplaceAll:
    case Kind::ReplaceSettingAside:
    case Kind::ForgetAside:
    case Kind::SetAside:
    case Kind::SetEntries:
    case Kind::AllEntries:
        return true;
    }
    return false;
}

bool ListChange::applyTo(std::vector<StampRecord> &records, AsideLists &asides, CatalogueEntries &entries)
{
    if (!fits(records, asides))
        return false;
    if (m_lentRecords) {
        const RecordSpan lent = m_lentRecords->rows();
        m_records.assign(lent.begin(), lent.end());
        m_lentRecords.reset();
    }
    const auto at = records.begin() + m_row;
    switch (m_kind) {
    case Kind::Insert:
        records.insert(at, std::make_move_iterator(m_records.begin()),
                       std::make_move_iterator(m_records.end()));
        break;
    case Kind::Remove:
        records.erase(at, at + m_count);
        break;
    case Kind::Replace:
        *at = std::move(m_records.front());
        break;
    case Kind::Reorder: {
        std::vector<StampRecord> reordered;
        reordered.reserve(records.size());
        for (const int from : m_order)
            reordered.push_back(std::move(records[static_cast<size_t>(from)]));
        records.swap(reordered);
        break;
    }
    case Kind::ReplaceAll:
        records.swap(m_records);
        break;
    case Kind::ReplaceSettingAside:
        asides[m_aside].swap(records);
        records.swap(m_records);
        break;
    case Kind::SwapWithAside:
        records.swap(asides[m_aside]);
        break;
    case Kind::ForgetAside:
        asides.erase(m_aside);
        break;
    case Kind::SetAside:
        asides[m_aside].swap(m_records);
        break;
    case Kind::SetEntries:
        for (const auto &[key, packed] : m_entries)
            entries.setPacked(key, packed);
        m_entries = {};
        break;
    case Kind::AllEntries:
        CatalogueEntriesFile::parse(m_entriesFile, entries);
        m_entriesFile = {};
        break;
    }
    m_records = {};
    m_order = {};
    return true;
}
