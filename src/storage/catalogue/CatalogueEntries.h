#pragma once

#include "storage/StampRecord.h"
#include "storage/catalogue/CatalogueEntry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The numbers a collection's stamps have in other catalogue systems, keyed as
// the stamps' pictures are: by the year (spaces around it trimmed) and the
// Cat.nr. as stored. A stamp may have several entries of one system, one per
// catalogue edition. The entries belong to the stamp, not to one record: a
// record deleted leaves them, as it leaves its picture, and a record added
// again finds them.
// The entries of a stamp are kept packed in one text (a line per entry, the
// fields joined by TAB), so that a million stamps with a few entries each take
// little more memory than their file; copies share it until one changes.
class CatalogueEntries {
public:
    using List = QList<CatalogueEntry>;

    // The key of a record's stamp: trimmed year, TAB, Cat.nr.
    static QString keyOf(const StampRecord &record);
    static QString keyOf(QStringView year, const QString &catalogueNumber);
    // The year and the Cat.nr. of a key.
    static std::pair<QStringView, QStringView> splitKey(const QString &key);

    bool isEmpty() const { return m_packed.isEmpty(); }
    // How many stamps have entries.
    qsizetype stampCount() const { return m_packed.size(); }
    List of(const StampRecord &record) const { return of(keyOf(record)); }
    List of(const QString &key) const;
    bool has(const QString &key) const { return m_packed.contains(key); }
    // An empty list removes the stamp's entries.
    void set(const QString &key, const List &entries);
    void clear()
    {
        m_packed.clear();
        changed();
    }

    // The packed form of a stamp's entries (empty for none), as undo steps
    // and the recovery journal hold them.
    QString packedOf(const QString &key) const { return m_packed.value(key); }
    void setPacked(const QString &key, const QString &packed);
    static QString pack(const List &entries);
    static List unpack(QStringView packed);

    // Every stamp with its entries, in no particular order.
    void forEachStamp(const std::function<void(const QString &key, const List &entries)> &each) const;
    void forEachPacked(const std::function<void(const QString &key, const QString &packed)> &each) const;
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
    void changed();

    QHash<QString, QString> m_packed;
    // Taken anew at every change, from a count the whole program shares, so
    // that two stores never have the same one.
    quint64 m_generation = 0;
    mutable std::shared_ptr<Matches> m_lastMatches;
};
