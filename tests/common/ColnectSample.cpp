#include "common/ColnectSample.h"

namespace ColnectSample {

QStringList allColumns()
{
    return QStringLiteral(
               "Name,Country,Series,Catalog Codes,Issued on,Expiry date,Width,Height,Watermark,"
               "Format,Emission,Perforation,Printing,Paper,Gum,Ord Mi,Ord Sn,Ord Yt,Ord Sg,Currency,"
               "FaceValue,Print run,Parent Item,Variant,Overprint Variant,Score,Accuracy,Colors,"
               "Designers,Printers,Issuers,Themes,Description,Link,List,Quantity,Condition,"
               "Public Note,Private Note")
        .split(u',');
}

QByteArray csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields) {
        if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n'))
            quoted.append(u'"' + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"');
        else
            quoted.append(field);
    }
    return quoted.join(u',').toUtf8() + '\n';
}

QByteArray list(const QList<Row> &rows, const QStringList &columns)
{
    QByteArray bytes = "\xef\xbb\xbf\"Stamps of a collector - 2026-11-30 10:12\"\n"
                       "\"Launched by collector\"\n"
                       "\"https://colnect.com/en/stamps/list/collector/1\"\n";
    bytes += "\"This list contains " + QByteArray::number(rows.size()) + " Stamps\"\n";
    bytes += "\"https://colnect.com/en/stamps/list/list/1\"\n\n";
    bytes += csvLine(columns);
    for (const Row &row : rows) {
        QStringList fields(columns.size());
        // Columns the header lacks are left out.
        for (const auto &[column, value] : row) {
            if (const qsizetype at = columns.indexOf(column); at >= 0)
                fields[at] = value;
        }
        bytes += csvLine(fields);
    }
    bytes += "\n\n\"END of Colnect list. Exported 2026-11-30\"\n";
    return bytes;
}

} // namespace ColnectSample
