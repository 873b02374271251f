#pragma once

#include <QCoreApplication>
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

    static constexpr const char *HeaderTexts[FieldCount] = {
        QT_TRANSLATE_NOOP("StampRecord", "Jaartal"),   QT_TRANSLATE_NOOP("StampRecord", "Cat.nr."),
        QT_TRANSLATE_NOOP("StampRecord", "Categorie"), QT_TRANSLATE_NOOP("StampRecord", "Onderwerp"),
        QT_TRANSLATE_NOOP("StampRecord", "Soort"),     QT_TRANSLATE_NOOP("StampRecord", "Type"),
        QT_TRANSLATE_NOOP("StampRecord", "Opdruk"),    QT_TRANSLATE_NOOP("StampRecord", "Afbeedling"),
        QT_TRANSLATE_NOOP("StampRecord", "Info"),      QT_TRANSLATE_NOOP("StampRecord", "Conditie"),
        QT_TRANSLATE_NOOP("StampRecord", "Cat.Prijs"), QT_TRANSLATE_NOOP("StampRecord", "Mijn Prijs"),
    };

    // The field's name as a spreadsheet's first row holds it: other programs read
    // that row, so it never follows the interface's language.
    static QString headerText(int field) { return QString::fromLatin1(HeaderTexts[field]); }
    // The same name as the list's column header and the windows show it.
    static QString columnTitle(int field)
    {
        return QCoreApplication::translate("StampRecord", HeaderTexts[field]);
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
