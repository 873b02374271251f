#pragma once

#include "storage/StampRecord.h"
#include "storage/catalogue/CatalogueEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

// The numbers a collection's stamps have in other catalogue systems, keyed as
// the stamps' pictures are: by the year (spaces around it trimmed) and the
// Cat.nr. as stored. A stamp may have several entries of one system, one per
// catalogue edition. The entries belong to the stamp, not to one record: a
// record deleted leaves them, as it leaves its picture, and a record added
// again finds them.
// The entries of a stamp are handed out packed in one text (a line per entry,
// the fields joined by TAB). Those read from the collection's file stay as the
// file's bytes, shared by copies, with where each stamp's lines lie, ordered
// by key: a million stamps read quickly and take little more memory than
// their file. Changes since lie beside them until they are many, so that an
// edit never moves a million stamps. Keys order as their Windows-1252 bytes.
class CatalogueEntries {
public:
    using List = QList<CatalogueEntry>;
    struct Stamp {
        QString key;
        QString packed;
    };
    // Where a stamp's lines lie in the bytes of a file read: they follow each
    // other, each the stamp's key as bytes, a TAB, the entry's four fields,
    // a line end.
    struct ReadStamp {
        qsizetype at = 0;
        qsizetype keyLength = 0;
        qsizetype length = 0;
    };

    CatalogueEntries() = default;
    // The stamps of a file: those whose lines lie in bytes, and others given
    // whole (their lines not as above). A stamp met more than once has all
    // its entries, in the order met.
    static CatalogueEntries fromFile(QByteArray bytes, std::vector<ReadStamp> read,
                                     std::vector<Stamp> others);

    // The key of a record's stamp: trimmed year, TAB, Cat.nr.
    static QString keyOf(const StampRecord &record);
    static QString keyOf(QStringView year, const QString &catalogueNumber);
    // The year and the Cat.nr. of a key.
    static std::pair<QStringView, QStringView> splitKey(const QString &key);

    bool isEmpty() const { return m_count == 0; }
    // How many stamps have entries.
    qsizetype stampCount() const { return m_count; }
    List of(const StampRecord &record) const { return of(keyOf(record)); }
    List of(const QString &key) const { return unpack(packedOf(key)); }
    bool has(const QString &key) const { return !packedOf(key).isEmpty(); }
    // An empty list removes the stamp's entries.
    void set(const QString &key, const List &entries);
    void clear();

    // The packed form of a stamp's entries (empty for none), as undo steps
    // and the recovery journal hold them.
    QString packedOf(const QString &key) const;
    void setPacked(const QString &key, const QString &packed);
    static QString pack(const List &entries);
    static List unpack(QStringView packed);

    // Every stamp with its entries, ordered by key (as text compares).
    void forEachStamp(const std::function<void(const QString &key, const List &entries)> &each) const;
    void forEachPacked(const std::function<void(const QString &key, const QString &packed)> &each) const;
    // The same as a file's lines (key TAB entry, each ended by a line end as
    // read, or LF), a stamp at a time; those read and not changed since come
    // as they were read. Stops when each returns false.
    void forEachAsLines(const std::function<bool(QByteArrayView lines)> &each) const;
    // The stamps with an entry whose system and number, spaces left out and
    // letter case ignored, hold the text so written: "mi535", "MI 535" and
    // "Mi 535" find Mi 535. The answer for the last text is kept until the
    // entries change, so that stepping through the matches costs little.
    std::vector<QString> stampsMatching(QStringView text) const;
    // The systems the entries use, each once (in its first spelling met),
    // ordered without regard to letter case.
    QStringList systemsInUse() const;

    // The entries by system (letter case ignored), then by edition, earliest first.
    static List ordered(List entries);
    // Letter case ignored: "mi" is "Mi".
    static bool sameSystem(QStringView left, QStringView right);
    // The entry of the system with the latest edition (an entry without an
    // edition counts as the earliest); null when the system has none.
    static const CatalogueEntry *latestOf(const List &entries, QStringView system);
    // "Mi 535 · Yt 512 · SG 700": each system once, by its latest edition, in
    // the order of ordered().
    static QString compactLine(const List &entries);
    // The systems offered before the collector adds any.
    static QStringList knownSystems();
    // Whether a typed text can be a field of an entry: no TAB, CR or LF, and
    // nothing the collection's files cannot hold.
    static bool isStorable(QStringView text);

private:
    struct Matches {
        quint64 generation = 0;
        QString text;
        std::vector<QString> stamps;
    };
    struct Read {
        QByteArray bytes;
        std::vector<ReadStamp> stamps;
        QByteArrayView keyOf(const ReadStamp &stamp) const
        {
            return QByteArrayView(bytes).sliced(stamp.at, stamp.keyLength);
        }
        QString packedOf(const ReadStamp &stamp) const;
    };
    struct Change {
        QString key;
        QString packed; // empty: removed
    };
    void changed();
    // The stamps in key order: those read and not changed since, and the changed ones.
    void forEachInOrder(const std::function<void(const ReadStamp &read)> &eachRead,
                        const std::function<void(const Change &change)> &eachChanged) const;
    // The stamp of key (as bytes) among those read, or null.
    const ReadStamp *readStamp(QByteArrayView key) const;
    // The changes go into the stamps read once they are many.
    void mergeChangesWhenMany();

    std::shared_ptr<const Read> m_read;
    // Changed or new stamps since the file was read, by key as bytes.
    std::map<QByteArray, Change> m_changes;
    qsizetype m_count = 0;
    // Taken anew at every change, from a count the whole program shares, so
    // that two stores never have the same one.
    quint64 m_generation = 0;
    mutable std::shared_ptr<Matches> m_lastMatches;
};
