#pragma once

#include <QString>

#include <vector>

class RecordList;

// The records of a collection counted and their prices totalled per year,
// category or condition. Prices are read as the totals button reads them and
// summed in double precision.
struct CollectionStatistics {
    enum class Grouping { Year, Category, Condition };
    struct Group {
        QString name; // as first met in the list, blanks at the ends removed; empty for a blank field
        int count = 0;
        double catalogueTotal = 0.0;
        double ownTotal = 0.0;
    };

    Grouping grouping = Grouping::Year;
    // One group per distinct text, letter case ignored, ordered by name with
    // numbers in numeric order; the group of blank fields comes last.
    std::vector<Group> groups;
    Group total; // the whole collection

    static CollectionStatistics of(const RecordList &list, Grouping grouping);

    // "Jaartal", "Categorie", "Conditie": the list's column titles.
    static QString groupingName(Grouping grouping);
    // The name a group is shown with: "(leeg)" for the group of blank fields.
    static QString displayName(const Group &group);
};
