#include "storage/LookupList.h"

#include "storage/TextFile.h"
#include "storage/Trim.h"

namespace LookupList {

QStringList readVerbatim(const QString &path)
{
    QStringList lines;
    TextFile::readLines(path, lines);
    return lines;
}

QStringList readTrimmed(const QString &path)
{
    QStringList lines = readVerbatim(path);
    for (QString &line : lines)
        line = trimSpaces(line);
    return lines;
}

QStringList readNonBlank(const QString &path)
{
    QStringList lines = readVerbatim(path);
    lines.removeIf([](const QString &line) { return isBlank(line); });
    return lines;
}

StorageResult write(const QString &path, const QStringList &entries)
{
    return TextFile::writeLines(path, entries);
}

} // namespace LookupList
