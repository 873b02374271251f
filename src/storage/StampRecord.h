#pragma once

#include <QString>

#include <array>
#include <span>
#include <type_traits>

// One stamp entry: twelve single-line text fields in their fixed file order.
// Nothing is numeric in storage; prices are kept exactly as typed.
struct StampRecord {
    enum Field {
        Year,
        CatalogueNumber,
        Category,
        Subject,
        Kind,
        Type,
        FaceValue,
        Depiction,
        Info,
        Condition,
        CataloguePrice,
        OwnPrice,
    };
    static constexpr int FieldCount = 12;

    std::array<QString, FieldCount> fields;

    // The field's name as the list's column header and a spreadsheet's first row show it.
    static QString headerText(int field)
    {
        static const char *const texts[FieldCount] = {
            "Jaartal", "Cat.nr.",    "Categorie", "Onderwerp", "Soort",     "Type",
            "Opdruk",  "Afbeedling", "Info",      "Conditie",  "Cat.Prijs", "Mijn Prijs",
        };
        return QString::fromLatin1(texts[field]);
    }

    QString &operator[](int field) { return fields[static_cast<size_t>(field)]; }
    const QString &operator[](int field) const { return fields[static_cast<size_t>(field)]; }
    bool operator==(const StampRecord &other) const = default;
};

// The record list moves records as their bytes when it sorts and deletes. That
// holds only while a record is its twelve strings and nothing else: a member
// added here must make the build fail rather than the moves go wrong.
Q_DECLARE_TYPEINFO(StampRecord, Q_RELOCATABLE_TYPE);
static_assert(sizeof(StampRecord) == StampRecord::FieldCount * sizeof(QString) &&
                  std::is_standard_layout_v<StampRecord> && QTypeInfo<QString>::isRelocatable,
              "StampRecord must stay twelve relocatable strings");

// The records of a list, read in place: the open collection's rows, a list
// read from a file, a part of either.
using RecordSpan = std::span<const StampRecord>;
