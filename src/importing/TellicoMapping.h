#pragma once

#include "importing/TellicoFile.h"
#include "storage/StampRecord.h"

#include <QString>

#include <vector>

// How an entry of a Tellico stamp collection fills the twelve fields. Jaartal:
// the first year; Cat.nr.: a custom field whose title names a catalogue, else
// the Scott number; Onderwerp: the description; Opdruk: denomination and
// currency; Conditie from cancelled and hinged; Mijn Prijs: the number of the
// purchase price with a decimal comma. Info keeps the rest, each part labelled.
// The Scott number is also the stamp's "Sc" entry among its other numbers.
// Every text is one line that a collection file can hold: characters outside
// its code page become the nearest letter it has, else '?'.
class TellicoMapping {
public:
    struct Mapped {
        // Categorie, Soort and Type are left empty: the importer chooses them.
        // Info is as yet without the country.
        StampRecord record;
        // Where the country goes into Info when it is not the collection's name.
        qsizetype countryAt = 0;
        QString country;
        QString pictureId;
        // The Scott number; empty when the entry has none.
        QString scott;
        // Characters replaced because a collection file cannot hold them.
        int replacedCharacters = 0;
    };

    explicit TellicoMapping(const TellicoFile::Collection &collection);

    void map(const TellicoFile::Entry &entry, Mapped &mapped) const;

    // Info with the country as its part at the place map gave.
    static QString withCountry(const QString &info, qsizetype at, const QString &country);
    // Blank fields as the record editor stores them ("-"); a field that would
    // read as the record separator becomes "-" too.
    static void finish(StampRecord &record);

    // The text as the code page holds it; each character it cannot hold becomes
    // the nearest letter it has (Ł → L, ź → z) or '?', and is counted.
    static QString storable(QStringView text, int &replaced);
    // "1.25" → "1,25"; the first number in the text, or empty.
    static QString price(QStringView text);
    // The system a Scott number is kept under.
    static QString scottSystem() { return QStringLiteral("Sc"); }

private:
    struct Custom {
        QString name;
        QString title;
    };
    // Custom fields whose title names a catalogue, in the file's order, and the
    // other custom fields.
    std::vector<Custom> m_catalogues;
    std::vector<Custom> m_others;
};
