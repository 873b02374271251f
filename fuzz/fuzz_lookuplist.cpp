// The three word-list readers and the editor's writer, on a file of arbitrary
// bytes: no entry holds a line end, each reader keeps its own rule for blank
// and padded lines, and a list the editor writes reads back unchanged.
#include "FuzzCheck.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/LookupList.h"
#include "storage/text/Trim.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    static const QString listFile = folder.filePath(QStringLiteral("Lijst.txt"));
    static const QString writtenFile = folder.filePath(QStringLiteral("Geschreven.txt"));
    {
        QFile file(listFile);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) ==
                   static_cast<qint64>(size));
    }

    const QStringList verbatim = LookupList::readVerbatim(listFile);
    qsizetype characters = 0;
    for (const QString &entry : verbatim) {
        FUZZ_CHECK(!entry.contains(u'\r') && !entry.contains(u'\n'));
        characters += entry.size() + 1;
    }
    // One byte is one character, and every entry but the last ends in a line end.
    FUZZ_CHECK(characters <= static_cast<qsizetype>(size) + 1);

    const QStringList trimmed = LookupList::readTrimmed(listFile);
    FUZZ_CHECK(trimmed.size() == verbatim.size());
    for (qsizetype i = 0; i < trimmed.size(); ++i)
        FUZZ_CHECK(trimmed.at(i) == trimSpaces(verbatim.at(i)));

    const QStringList nonBlank = LookupList::readNonBlank(listFile);
    for (const QString &entry : nonBlank)
        FUZZ_CHECK(!isBlank(entry) && verbatim.contains(entry));

    FUZZ_CHECK(LookupList::write(writtenFile, nonBlank).ok);
    FUZZ_CHECK(LookupList::readVerbatim(writtenFile) == nonBlank);
    return 0;
}
