// The old-format import on arbitrary bytes: every record it yields has a
// catalogue number and one of the four conditions.
#include "FuzzCheck.h"
#include "storage/formats/OldDataFile.h"
#include "storage/text/Trim.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    static const QStringList conditions = {"-", "Postfris", "Gestempeld", "1e dag envelop"};
    const std::vector<StampRecord> records = OldDataFile::parse(bytes);
    // Three header lines, then fifteen lines a record, the last separator optional.
    FUZZ_CHECK(records.size() <= size / 14 + 1);
    for (const StampRecord &record : records) {
        FUZZ_CHECK(!isBlank(record[StampRecord::CatalogueNumber]));
        FUZZ_CHECK(conditions.contains(record[StampRecord::Condition]));
    }
    return 0;
}
