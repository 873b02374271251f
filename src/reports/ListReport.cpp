#include "reports/ListReport.h"

#include "storage/formats/CsvFile.h"

QString ListReport::text() const
{
    QString text;
    for (const QStringList &row : rows)
        text += row.join(u'\t') + u'\n';
    if (!total.isEmpty())
        text += total.join(u'\t') + u'\n';
    return text;
}

QByteArray ListReport::csv() const
{
    std::vector<QStringList> table;
    table.reserve(rows.size() + 2);
    table.push_back(headings);
    table.insert(table.end(), rows.begin(), rows.end());
    if (!total.isEmpty())
        table.push_back(total);
    return CsvFile::serializeRows(table);
}
