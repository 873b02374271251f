#include "storage/pictures/JpegStructure.h"

namespace {

constexpr unsigned char Marker = 0xFF;
constexpr unsigned char StartOfImage = 0xD8;
constexpr unsigned char EndOfImage = 0xD9;
constexpr unsigned char StartOfScan = 0xDA;
constexpr unsigned char Temporary = 0x01;

bool isRestart(unsigned char code)
{
    return code >= 0xD0 && code <= 0xD7;
}

} // namespace

namespace JpegStructure {

bool isComplete(QByteArrayView data)
{
    const auto byte = [&data](qsizetype at) { return static_cast<unsigned char>(data[at]); };
    const qsizetype size = data.size();
    if (size < 4 || byte(0) != Marker || byte(1) != StartOfImage)
        return false;
    qsizetype at = 2;
    for (;;) {
        if (at >= size || byte(at) != Marker)
            return false;
        while (at < size && byte(at) == Marker) // fill bytes before a marker
            ++at;
        if (at >= size)
            return false;
        const unsigned char code = byte(at++);
        if (code == EndOfImage)
            return true;
        if (isRestart(code) || code == Temporary)
            continue;
        if (at + 2 > size)
            return false;
        const qsizetype length = (qsizetype(byte(at)) << 8) | byte(at + 1);
        if (length < 2 || at + length > size)
            return false;
        at += length;
        if (code != StartOfScan)
            continue;
        // The coded data of a scan ends at the first marker that is neither a
        // stuffed zero, a restart nor a fill byte.
        for (;; ++at) {
            if (at + 1 >= size)
                return false;
            const unsigned char next = byte(at + 1);
            if (byte(at) == Marker && next != 0x00 && next != Marker && !isRestart(next))
                break;
        }
    }
}

} // namespace JpegStructure
