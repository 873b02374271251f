// The Colnect list reader and its mapping on arbitrary bytes: whatever it
// makes of them, every row has the header's columns, and every field of every
// record is one line that a collection file can hold.
#include "FuzzCheck.h"
#include "importing/ColnectFile.h"
#include "importing/ColnectMapping.h"
#include "importing/TellicoMapping.h"
#include "storage/text/Windows1252.h"

#include <cstddef>
#include <cstdint>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    std::optional<ColnectMapping> mapping;
    qsizetype columns = 0;
    ColnectMapping::Mapped mapped;
    ColnectFile::Handler handler;
    handler.header = [&](const QStringList &header) {
        FUZZ_CHECK(!mapping.has_value());
        for (const QString &required : ColnectFile::requiredColumns())
            FUZZ_CHECK(header.contains(required));
        columns = header.size();
        mapping.emplace(header);
    };
    handler.row = [&](const std::vector<QStringView> &fields) {
        FUZZ_CHECK(mapping.has_value() && static_cast<qsizetype>(fields.size()) == columns);
        mapping->map(fields, mapped);
        TellicoMapping::finish(mapped.record);
        for (const QString &field : mapped.record.fields) {
            for (const QChar c : field)
                FUZZ_CHECK(c != u'\r' && c != u'\n' && Windows1252::canEncode(c));
        }
        for (const ColnectMapping::InList &in : mapped.lists)
            FUZZ_CHECK(in.list >= 0 && in.list < mapping->listNames().size() && in.quantity >= -1);
        for (const CatalogueEntry &code : mapped.codes)
            FUZZ_CHECK(!code.system.isEmpty() && !code.number.isEmpty());
        return true;
    };
    static_cast<void>(ColnectFile::readBytes(bytes, handler));
    return 0;
}
