// The Tellico reader and its mapping on arbitrary bytes, zip archive or XML:
// whatever it makes of them, every field of every record is one line that a
// collection file can hold, and the picture pass never fails on what the
// first pass accepted.
#include "FuzzCheck.h"
#include "importing/TellicoFile.h"
#include "importing/TellicoMapping.h"
#include "storage/text/Windows1252.h"

#include <cstddef>
#include <cstdint>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TellicoFile file;
    if (!file.openBytes(bytes))
        return 0;
    std::optional<TellicoMapping> mapping;
    TellicoMapping::Mapped mapped;
    QSet<QString> embedded;
    TellicoFile::Handler handler;
    handler.started = [&](const TellicoFile::Collection &collection) { mapping.emplace(collection); };
    handler.entry = [&](const TellicoFile::Entry &entry) {
        FUZZ_CHECK(mapping.has_value());
        mapping->map(entry, mapped);
        TellicoMapping::finish(mapped.record);
        for (const QString &field : mapped.record.fields) {
            for (const QChar c : field)
                FUZZ_CHECK(c != u'\r' && c != u'\n' && Windows1252::canEncode(c));
        }
        FUZZ_CHECK(mapped.countryAt >= 0 && mapped.countryAt <= mapped.record[StampRecord::Info].size());
        FUZZ_CHECK(mapped.pictureId.isEmpty() || TellicoFile::isSafePictureId(mapped.pictureId));
        return true;
    };
    handler.embeddedPicture = [&](const QString &id) {
        FUZZ_CHECK(TellicoFile::isSafePictureId(id));
        embedded.insert(id);
    };
    if (!file.read(handler) || embedded.isEmpty())
        return 0;
    int taken = 0;
    const StorageResult pictures =
        file.readEmbeddedPictures(embedded, [&](const QString &id, const QByteArray &) {
            FUZZ_CHECK(embedded.contains(id));
            ++taken;
            return true;
        });
    FUZZ_CHECK(!pictures || taken > 0);
    return 0;
}
