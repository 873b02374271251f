#pragma once

#include <QByteArrayView>

// The marker structure of a JPEG file, read without decoding it.
namespace JpegStructure {

// True when the data runs from its start marker through every segment and
// scan to an end marker. A file cut off anywhere (a broken transfer, a full
// card) lacks that end; the decoder would fill the missing part with grey
// without failing. Data after the end marker (some cameras append their own)
// does not count against it.
bool isComplete(QByteArrayView data);

} // namespace JpegStructure
