#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A quick hash of a file's bytes that notices a change, without resisting one
// made on purpose. The bytes may come in pieces of any size: the same bytes
// give the same hash however they are cut. The hash may differ between runs of
// the program, so it is compared only within one run and never stored.
class ContentHash {
public:
    void add(QByteArrayView bytes);
    size_t result() const;

    static size_t of(QByteArrayView bytes);

private:
    // Hashed a block at a time, each block seeded with the hash of those before.
    static constexpr qsizetype BlockSize = 64 * 1024;

    void addBlock(QByteArrayView block);

    // Not zero: Qt takes its fastest hash only with a seed.
    size_t m_hash = 0x9E3779B9;
    QByteArray m_pending; // the start of a block that is not yet complete
};
