#include "storage/formats/CatalogueCell.h"

namespace {

constexpr QChar PartMark = u'|';

QString trimmedPart(QStringView line, qsizetype from, qsizetype to)
{
    return line.sliced(from, to - from).trimmed().toString();
}

} // namespace

namespace CatalogueCell {

QString write(const CatalogueEntries::List &entries)
{
    QString cell;
    for (const CatalogueEntry &entry : CatalogueEntries::ordered(entries)) {
        if (!cell.isEmpty())
            cell += u'\n';
        cell += entry.number;
        // A number with a mark of its own is read right only with both parts after it.
        if (!entry.value.isEmpty() || !entry.edition.isEmpty() || entry.number.contains(PartMark))
            cell += QStringLiteral(" | ") + entry.value + QStringLiteral(" | ") + entry.edition;
    }
    return cell;
}

CatalogueEntries::List read(const QString &system, QStringView cell)
{
    CatalogueEntries::List entries;
    // A spreadsheet may end the lines of a cell with CR LF.
    for (const QStringView line : cell.tokenize(u'\n')) {
        CatalogueEntry entry{system, {}, {}, {}};
        const qsizetype last = line.lastIndexOf(PartMark);
        const qsizetype before = last > 0 ? line.first(last).lastIndexOf(PartMark) : -1;
        if (last < 0) {
            entry.number = line.trimmed().toString();
        } else if (before < 0) {
            // A value only.
            entry.number = trimmedPart(line, 0, last);
            entry.value = trimmedPart(line, last + 1, line.size());
        } else {
            entry.number = trimmedPart(line, 0, before);
            entry.value = trimmedPart(line, before + 1, last);
            entry.edition = trimmedPart(line, last + 1, line.size());
        }
        if (!entry.number.isEmpty())
            entries.append(std::move(entry));
    }
    return entries;
}

} // namespace CatalogueCell
