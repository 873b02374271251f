// The spreadsheet reader on arbitrary bytes: whatever it makes of them, every
// row it keeps has a field, and the separator is one it knows.
#include "FuzzCheck.h"
#include "storage/formats/CsvFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const CsvFile::Table table = CsvFile::parse(bytes);
    FUZZ_CHECK(table.separator == u';' || table.separator == u',' || table.separator == u'\t');
    for (const QStringList &row : table.rows)
        FUZZ_CHECK(!row.isEmpty());
    return 0;
}
