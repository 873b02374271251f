#pragma once

#include <QString>

#include <vector>

class CatalogueEntries;
class RecordList;

// The records of a collection counted and their prices totalled per year,
// category or condition. Prices are read as the totals button reads them and
// summed in double precision. Beside them, for one chosen catalogue system, the
// latest value each record's stamp has in it, read and summed the same way.
struct CollectionStatistics {
    enum class Grouping { Year, Category, Condition };
    struct Group {
        QString name; // as first met in the list, blanks at the ends removed; empty for a blank field
        int count = 0;
        double catalogueTotal = 0.0;
        double ownTotal = 0.0;
        // The latest values of the chosen system, and how many records have one.
        double systemTotal = 0.0;
        int systemCount = 0;
    };

    Grouping grouping = Grouping::Year;
    // One group per distinct text, letter case ignored, ordered by name with
    // numbers in numeric order; the group of blank fields comes last.
    std::vector<Group> groups;
    Group total; // the whole collection
    // The chosen catalogue system; empty for none.
    QString system;

    static CollectionStatistics of(const RecordList &list, Grouping grouping);
    // With the system's latest value of each record (its stamp's entry of the
    // latest edition; a record without one adds nothing).
    static CollectionStatistics of(const RecordList &list, Grouping grouping, const CatalogueEntries &entries,
                                   const QString &system);

    // "Jaartal", "Categorie", "Conditie": the list's column titles.
    static QString groupingName(Grouping grouping);
    // The name a group is shown with: "(leeg)" for the group of blank fields.
    static QString displayName(const Group &group);
};
