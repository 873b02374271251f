#include "storage/text/PackedTexts.h"

#include "storage/text/Windows1252.h"

QString PackedTexts::text(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    if (size == 0 || size > LargestPacked)
        return Windows1252::decode(bytes);
    if (!m_block.d_ptr() || m_used + size + 1 > BlockCharacters) {
        m_block = QString::DataPointer(QTypedArrayData<char16_t>::allocate(BlockCharacters));
        Q_CHECK_PTR(m_block.data());
        m_used = 0;
    }
    char16_t *begin = m_block.data() + m_used;
    *Windows1252::decodeInto(begin, bytes) = u'\0';
    m_used += size + 1;
    // The new text adopts a reference of its own to the block.
    m_block.d_ptr()->ref();
    return QString(QString::DataPointer(m_block.d_ptr(), begin, size));
}
