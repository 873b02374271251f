#pragma once

#include <QByteArrayView>

// Whether a JPEG decodes without a single complaint of the decoder. Damage
// inside the compressed picture (a flipped bit on a card, a broken copy)
// leaves every marker in place, and a tolerant decoder shows grey or smeared
// blocks instead of failing; the JPEG library counts each such spot as a
// warning ("Corrupt JPEG data"), and a picture with one is not filed.
namespace JpegDecodeCheck {

bool decodesCleanly(QByteArrayView data);

} // namespace JpegDecodeCheck
