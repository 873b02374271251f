#include "storage/text/Windows1252.h"

#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F. The five bytes that the code page leaves
// undefined map to the control characters of the same number, as Windows does,
// so that every byte survives a load and a save unchanged.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte for a character, or -1 when the code page has none.
int byteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

namespace Windows1252 {

QString decode(QByteArrayView bytes)
{
    // Most text is ASCII or Latin-1, which fromLatin1 widens quickly; only the
    // bytes 0x80 to 0x9F need the table afterwards.
    QString text = QString::fromLatin1(bytes);
    bool hasHighControl = false;
    for (const char byte : bytes)
        hasHighControl |= (static_cast<unsigned char>(byte) & 0xE0) == 0x80;
    if (!hasHighControl)
        return text;
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80 && b < 0xA0)
            *out = QChar(HighControlRange[b - 0x80]);
        ++out;
    }
    return text;
}

char16_t *decodeInto(char16_t *out, QByteArrayView bytes)
{
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b & 0xE0) == 0x80 ? HighControlRange[b - 0x80] : char16_t(b);
    }
    return out;
}

char *encodeInto(char *out, QStringView text, LineBreaks lineBreaks)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = text[i].unicode();
        if ((u == u'\r' || u == u'\n') && lineBreaks == LineBreaks::AsSpaces) {
            if (u == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            *out++ = ' ';
        } else if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = static_cast<char>(u);
        } else {
            const int b = byteFor(u);
            *out++ = b < 0 ? '?' : static_cast<char>(b);
        }
    }
    return out;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    encodeInto(bytes.data(), text);
    return bytes;
}

bool canEncode(QChar character)
{
    return byteFor(character.unicode()) >= 0;
}

QString filtered(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (canEncode(c))
            result += c;
    }
    return result;
}

} // namespace Windows1252
