#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QString>

#include <functional>
#include <vector>

// The journal beside a recovery file's base: the changes made to the list
// since the state the base holds, appended as they are made. It begins with a
// mark of the base's bytes, so that a journal never counts for another base
// (one written in its place by a start cut short). Each entry carries its
// length and a checksum: an entry cut short by a crash, and all after it, are
// not read.
class RecoveryJournal {
public:
    // The mark of a base's bytes, taken a piece at a time.
    class BaseMark {
    public:
        void add(QByteArrayView piece) { m_hash.addData(piece); }
        QByteArray result() const { return m_hash.result(); }

    private:
        QCryptographicHash m_hash{QCryptographicHash::Md5};
    };

    // The mark of the base the journal at path belongs to; empty when there is none.
    static QByteArray baseMarkOf(const QString &path);
    // A new journal at path for the base with this mark, holding the entries,
    // in place of any there (atomically).
    static StorageResult start(const QString &path, const QByteArray &baseMark,
                               const std::vector<QByteArray> &entries = {});
    // Adds the entries at the end of the journal at path, which must exist.
    static StorageResult append(const QString &path, const std::vector<QByteArray> &entries);
    // Hands each whole entry of the journal at path to each, in order, while
    // it returns true; nothing when there is no journal or it belongs to a
    // base with another mark.
    static void read(const QString &path, const QByteArray &baseMark,
                     const std::function<bool(QByteArrayView entry)> &each);
};
