#include "storage/SharedTexts.h"

#include "storage/Windows1252.h"

#include <QHashFunctions>
#include <QLatin1String>

QString SharedTexts::text(QByteArrayView bytes)
{
    if (!m_sharing)
        return Windows1252::decode(bytes);
    QString &entry = m_entries[qHash(bytes, 0) % EntryCount];
    // Comparing the bytes as Latin-1 with the decoded text is exact: no byte
    // that the code page decodes differently from Latin-1 can match.
    const bool recurs =
        !entry.isNull() && entry.size() == bytes.size() && QLatin1String(bytes.data(), bytes.size()) == entry;
    if (recurs)
        ++m_recurring;
    else
        entry = Windows1252::decode(bytes);
    if (++m_lookups == TrialTexts)
        m_sharing = m_recurring * 4 >= m_lookups;
    return entry;
}
