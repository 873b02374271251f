#pragma once

#include <QByteArrayView>
#include <QString>

// Decodes many short Windows-1252 texts into a few large blocks instead of one
// allocation each. Each text is an ordinary QString that holds a reference to
// its block, so a block lives as long as any text in it; a text copies itself
// out when changed while its block is shared. Every text in a block is
// followed by a terminating zero, as every QString's characters are.
class PackedTexts {
public:
    QString text(QByteArrayView bytes);

private:
    // 32 KB: a few thousand fields a block, and still far below the size at
    // which the allocator maps memory of its own.
    static constexpr qsizetype BlockCharacters = 16 * 1024 - 32;
    // Longer texts get an allocation of their own, so a block wastes little at its end.
    static constexpr qsizetype LargestPacked = 256;

    QString::DataPointer m_block;
    qsizetype m_used = 0;
};
