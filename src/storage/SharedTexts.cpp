#include "storage/SharedTexts.h"

#include "storage/Windows1252.h"

#include <QHashFunctions>

QString SharedTexts::text(QByteArrayView bytes)
{
    Entry &entry = m_entries[qHash(bytes, 0) % EntryCount];
    if (entry.bytes.data() == nullptr || entry.bytes != bytes) {
        entry.bytes = bytes;
        entry.text = Windows1252::decode(bytes);
    }
    return entry.text;
}
