// The reader of a collection's other catalogue numbers, on arbitrary bytes:
// every stamp read has entries with a system and a number and no line end in
// any field, and what is written of them reads back unchanged, also after
// more changes than the reader's list takes before it is laid anew.
#include "FuzzCheck.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/formats/CatalogueEntriesFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CatalogueEntries entries;
    CatalogueEntriesFile::parse(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), entries);
    qsizetype stamps = 0;
    entries.forEachStamp([&stamps](const QString &key, const CatalogueEntries::List &list) {
        ++stamps;
        FUZZ_CHECK(!list.isEmpty() && key.count(u'\t') >= 1);
        for (const CatalogueEntry &entry : list) {
            FUZZ_CHECK(entry.system.count(u' ') < entry.system.size() &&
                       entry.number.count(u' ') < entry.number.size());
            for (const QString &field : {entry.system, entry.number, entry.value, entry.edition})
                FUZZ_CHECK(!field.contains(u'\r') && !field.contains(u'\n') && !field.contains(u'\t'));
        }
    });
    FUZZ_CHECK(stamps == entries.stampCount());

    const QByteArray written = CatalogueEntriesFile::serialized(entries);
    CatalogueEntries again;
    FUZZ_CHECK(CatalogueEntriesFile::parse(written, again) == 0);
    FUZZ_CHECK(CatalogueEntriesFile::serialized(again) == written);

    // Changed one stamp at a time until the changes go in with the stamps
    // read; the extra stamps' year holds a byte no file's key can.
    CatalogueEntries changed = again;
    entries.forEachPacked(
        [&changed](const QString &key, const QString &packed) { changed.setPacked(key, packed); });
    for (int extra = 0; extra < 1100 && !entries.isEmpty(); ++extra)
        changed.setPacked(QStringLiteral("\x7f\t%1").arg(extra), QStringLiteral("Mi\t1\t\t"));
    for (int extra = 0; extra < 1100 && !entries.isEmpty(); ++extra)
        changed.setPacked(QStringLiteral("\x7f\t%1").arg(extra), QString());
    FUZZ_CHECK(CatalogueEntriesFile::serialized(changed) == written);
    return 0;
}
