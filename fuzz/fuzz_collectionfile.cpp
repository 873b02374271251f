// The collection file reader on arbitrary bytes. Whatever it reads must come
// back unchanged from a save and a new load, apart from the year, which saving
// trims: a record is never lost or shifted between save and load.
#include "FuzzCheck.h"
#include "storage/formats/CollectionFile.h"
#include "storage/text/Trim.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const CollectionFile::Contents read = CollectionFile::parse(bytes);
    if (!read.headerComplete) {
        FUZZ_CHECK(read.records.empty());
        return 0;
    }
    FUZZ_CHECK(read.name.has_value());

    const QByteArray saved = CollectionFile::serialize(*read.name, read.records);
    const CollectionFile::Contents reread = CollectionFile::parse(saved);
    FUZZ_CHECK(reread.headerComplete);
    FUZZ_CHECK(reread.name == read.name);
    FUZZ_CHECK(reread.records.size() == read.records.size());
    for (size_t i = 0; i < read.records.size(); ++i) {
        StampRecord expected = read.records[i];
        expected[StampRecord::Year] = trimSpaces(expected[StampRecord::Year]);
        FUZZ_CHECK(reread.records[i] == expected);
    }
    return 0;
}
