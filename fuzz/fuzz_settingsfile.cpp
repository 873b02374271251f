// The settings reader on arbitrary bytes: every value it keeps is one the
// program can use, and what it writes back reads whole and unchanged.
#include "FuzzCheck.h"
#include "storage/folder/TextFile.h"
#include "storage/formats/SettingsFile.h"
#include "widgets/Twips.h"

#include <cstddef>
#include <cstdint>

namespace {

bool usable(QColor colour)
{
    return colour.isValid() && colour.alpha() == 255;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    SettingsFile settings;
    const int count = settings.parse(bytes);
    FUZZ_CHECK(count >= 0 && count <= SettingsFile::ValueCount);
    FUZZ_CHECK(usable(settings.panelColour) && usable(settings.fieldColour));
    // The window sizes its columns in pixels from these widths.
    for (const int width : settings.columnWidths)
        FUZZ_CHECK(width >= 0 && Twips::toPixels(width) >= 0);

    SettingsFile reread;
    FUZZ_CHECK(reread.parse(TextFile::joinLines(settings.lines())) == SettingsFile::ValueCount);
    FUZZ_CHECK(reread.panelColour == settings.panelColour);
    FUZZ_CHECK(reread.fieldColour == settings.fieldColour);
    FUZZ_CHECK(reread.columnWidths == settings.columnWidths);
    return 0;
}
