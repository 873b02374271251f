#include "storage/folder/ContentHash.h"

#include <QHashFunctions>

#include <algorithm>

void ContentHash::add(QByteArrayView bytes)
{
    if (!m_pending.isEmpty()) {
        const qsizetype taken = std::min(BlockSize - m_pending.size(), bytes.size());
        m_pending.append(bytes.first(taken));
        bytes = bytes.sliced(taken);
        if (m_pending.size() < BlockSize)
            return;
        addBlock(m_pending);
        m_pending.clear();
    }
    while (bytes.size() >= BlockSize) {
        addBlock(bytes.first(BlockSize));
        bytes = bytes.sliced(BlockSize);
    }
    m_pending = bytes.toByteArray();
}

size_t ContentHash::result() const
{
    return qHash(QByteArrayView(m_pending), m_hash);
}

size_t ContentHash::of(QByteArrayView bytes)
{
    ContentHash hash;
    hash.add(bytes);
    return hash.result();
}

void ContentHash::addBlock(QByteArrayView block)
{
    m_hash = qHash(block, m_hash);
    // A seed of zero would leave the fast hash for good.
    if (m_hash == 0)
        m_hash = 1;
}
