// One entry of the recovery journal, of arbitrary bytes: a change that parses
// is written back to the very same bytes, and done again on a small list with
// one list set aside it either fits or leaves both exactly as they were.
#include "FuzzCheck.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/keeping/ListChange.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    std::optional<ListChange> change = ListChange::parse(bytes);
    if (!change)
        return 0;
    FUZZ_CHECK(change->serialized() == bytes);

    std::vector<StampRecord> records(3);
    records[1][StampRecord::Year] = QStringLiteral("1960");
    ListChange::AsideLists asides;
    asides[1] = std::vector<StampRecord>(2);
    const std::vector<StampRecord> recordsBefore = records;
    const ListChange::AsideLists asidesBefore = asides;
    CatalogueEntries entries;
    if (!change->applyTo(records, asides, entries))
        FUZZ_CHECK(records == recordsBefore && asides == asidesBefore);
    return 0;
}
