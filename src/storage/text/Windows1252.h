#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Every data file of the program is Windows-1252 text.
namespace Windows1252 {

QString decode(QByteArrayView bytes);
// Writes one character per byte at out, which must have room for bytes.size()
// characters; returns the end of what was written.
char16_t *decodeInto(char16_t *out, QByteArrayView bytes);
// Characters that the code page cannot hold are written as '?'.
QByteArray encode(QStringView text);
// Writes one byte per character of the text at out, which must have room for
// text.size() bytes; returns the end of what was written. As a single line, a
// CR LF, lone CR or lone LF inside the text is written as one space.
enum class LineBreaks { Keep, AsSpaces };
char *encodeInto(char *out, QStringView text, LineBreaks lineBreaks = LineBreaks::Keep);
bool canEncode(QChar character);
// The text without the characters that the code page cannot hold; input fields
// whose text ends up in files use it to refuse such characters.
QString filtered(QStringView text);

} // namespace Windows1252
