#include "storage/formats/LookupList.h"

#include "storage/folder/TextFile.h"
#include "storage/text/LineReader.h"
#include "storage/text/Trim.h"
#include "storage/text/Windows1252.h"

namespace LookupList {

QStringList readVerbatim(const QString &path)
{
    QStringList lines;
    // A list that cannot be read gives no entries.
    static_cast<void>(TextFile::readLines(path, lines));
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
    // Blank lines are dropped as they are read, so a file of nothing but line
    // ends takes no room.
    QStringList lines;
    QByteArray bytes;
    if (!TextFile::readBytes(path, bytes))
        return lines;
    LineReader reader(bytes);
    while (!reader.atEnd()) {
        QString line = Windows1252::decode(reader.next());
        if (!isBlank(line))
            lines.append(std::move(line));
    }
    return lines;
}

StorageResult write(const QString &path, const QStringList &entries)
{
    return TextFile::writeLines(path, entries);
}

} // namespace LookupList
