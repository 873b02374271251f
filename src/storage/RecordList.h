#pragma once

#include "storage/StampRecord.h"

#include <QAbstractTableModel>
#include <QImage>

#include <array>
#include <vector>

// The open collection: the only in-memory copy of its records, shown by the
// main window's list. Columns are the twelve fields in file order (0 = Year).
class RecordList : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RecordList(QObject *parent = nullptr);

    static QString headerText(int column);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_records.size()); }
    const StampRecord &record(int row) const { return m_records[static_cast<size_t>(row)]; }
    const std::vector<StampRecord> &records() const { return m_records; }
    const QString &cell(int row, int column) const { return m_records[static_cast<size_t>(row)][column]; }

    void setCell(int row, int column, const QString &text);
    void setRecord(int row, const StampRecord &record);
    void append(const StampRecord &record);
    void removeRecord(int row);
    void clear();
    // Replaces every row at once; used by loading and importing.
    void assign(std::vector<StampRecord> records);
    // Reorders the rows by one column; a selection stays on its record.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The direction image a column header shows ("up", "down" or empty).
    void setHeaderImage(int column, const QString &key, const QImage &image);
    QString headerImageKey(int column) const;

private:
    std::vector<StampRecord> m_records;
    std::array<QString, StampRecord::FieldCount> m_headerImageKeys;
    std::array<QImage, StampRecord::FieldCount> m_headerImages;
};
