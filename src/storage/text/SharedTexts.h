#pragma once

#include "storage/text/PackedTexts.h"

#include <QByteArrayView>
#include <QString>

#include <array>

// Decodes the Windows-1252 texts of one field of a file, handing out the same
// QString for a text that recurs while it is still remembered. Categories,
// kinds, types and conditions repeat across thousands of records; sharing them
// keeps a large collection small in memory and spares an allocation per field.
// Sharing is invisible to users: a QString copies itself when changed.
class SharedTexts {
public:
    // The bytes of every text asked for must stay valid while this object is used.
    QString text(QByteArrayView bytes);

private:
    // A small table indexed by hash, each entry replaced by the latest text
    // that falls on it: bounded in size, and texts that never recur cost only
    // their lookup.
    static constexpr size_t EntryCount = 256;
    // A field whose first texts hardly recur (catalogue numbers, prices) is
    // decoded without lookups from then on.
    static constexpr int TrialTexts = 1000;

    struct Entry {
        QByteArrayView bytes; // where the text was read from
        QString text;
    };

    PackedTexts m_packed;
    std::array<Entry, EntryCount> m_entries;
    int m_lookups = 0;
    int m_recurring = 0;
    bool m_sharing = true;
};
