#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

// Decodes the Windows-1252 texts of one field of a file, handing out the same
// QString for a text that recurs while it is still remembered. Categories,
// kinds, types and conditions repeat across thousands of records; sharing them
// keeps a large collection small in memory and spares an allocation per field.
// Sharing is invisible to users: a QString copies itself when changed.
//
// The viewed bytes must outlive the object (they are the file being parsed).
class SharedTexts {
public:
    QString text(QByteArrayView bytes);

private:
    // A small table indexed by hash, each entry replaced by the latest text
    // that falls on it: bounded in size, and texts that never recur cost only
    // their lookup.
    struct Entry {
        QByteArrayView bytes;
        QString text;
    };
    static constexpr size_t EntryCount = 256;
    std::array<Entry, EntryCount> m_entries;
};
