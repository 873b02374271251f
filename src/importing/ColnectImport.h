#pragma once

#include "importing/ColnectMapping.h"
#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/text/PackedTexts.h"
#include "storage/text/SharedTexts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class ProgramFolder;

// A stamp list exported from Colnect brought over in one step: read whole
// first, then written as one collection, or one per country, all or nothing.
// Cat.nr. is the number of one catalogue system; every code of the row and
// Colnect's item number are kept as the stamp's catalogue entries. An update
// finds the records of each item by their "Colnect" entry: what the file
// says of them is changed, new items are added, nothing is doubled, and
// records the file does not name are left alone.
class ColnectImport {
public:
    struct Options {
        // The collection the stamps go to (with a per-country split: those
        // without a country, or whose country cannot be a collection name).
        QString name;
        bool perCountry = false;
        // The system whose number becomes Cat.nr. ("Sn" and "Sc" both Scott).
        QString system = QStringLiteral("Mi");
        // Stamps only in these lists are left out.
        QStringList leftOutLists;
        // Existing collections are brought up to date instead of replaced.
        bool update = false;
    };
    struct Count {
        QString name;
        int records = 0;
        // With an update: records already there, changed and not.
        int changed = 0;
        int unchanged = 0;
    };
    struct Report {
        // In the order of the file (the first stamp of each).
        std::vector<Count> collections;
        Count total;
        QStringList notes;
    };
    using Progress = std::function<bool(double done)>;

    // Reads the file; progress (0 to 1) returning false stops reading.
    StorageResult read(const QString &path, const Progress &progress = {});

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Each country with its number of rows, in the order of the file; an
    // empty name counts the rows without a country.
    std::vector<Count> countries() const;
    // The catalogue systems of the codes with their number of rows, most used first.
    std::vector<Count> systems() const;
    const QStringList &listNames() const { return m_mapping ? m_mapping->listNames() : m_noLists; }

    // The collections the options make, with their number of records, and notes.
    Report plan(const Options &options) const;
    // The first records as they will be stored.
    std::vector<StampRecord> firstRecords(int count, const Options &options) const;
    // The collections of the plan whose file exists already.
    QStringList existingCollections(const ProgramFolder &folder, const Options &options) const;

    // One collection as the import makes it: its records and catalogue entries.
    struct Made {
        std::vector<StampRecord> records;
        CatalogueEntries entries;
    };
    // The collection open in a window, which an update brings up to date as
    // it stands there (with its unsaved edits) instead of from its file: the
    // window takes what is made as one step of its own.
    struct Open {
        QString name;
        Made there;
        Made made;
        bool updated = false;
    };

    // Writes (or with dryRun only reports) the collections, all or nothing:
    // every collection is checked first, and a failure part-way takes back
    // what was written. The report is what writing gives. With an update the
    // collection of open is made into open->made and not written.
    StorageResult write(const ProgramFolder &folder, const Options &options, bool dryRun, Report &report,
                        const std::function<void(double done)> &progress = {}, Open *open = nullptr) const;
    // The collection made from the stamps of the plan's collection at, onto
    // the records and entries of the collection there (with an update) and
    // the counts of the update; notes tell of records left alone.
    Made make(const Report &report, size_t at, const Options &options, const Made &there, Count &count,
              QStringList &notes) const;

private:
    // A row as read, kept small, as a list may have a million: its texts as
    // Windows-1252 bytes, each followed by a zero byte (no text holds one):
    // those of RowTexts in their order, then system and number of each code.
    struct Row {
        QByteArray texts;
        int country = -1; // index into m_countries, -1: none
        std::vector<ColnectMapping::InList> lists;
    };
    // The texts of a row, viewed in its bytes.
    struct RowTexts {
        explicit RowTexts(const Row &row);
        QByteArrayView year;
        QByteArrayView subject;
        QByteArrayView faceValue;
        QByteArrayView category;
        QByteArrayView type;
        QByteArrayView info;
        QByteArrayView itemNumber;
        QVarLengthArray<QByteArrayView, 16> codes; // system, number, system, number...
        qsizetype codeCount() const { return codes.size() / 2; }
    };
    // A mapped row's texts as its Row keeps them.
    static QByteArray rowBytes(const ColnectMapping::Mapped &mapped);
    // A row as it will be stored.
    struct Stamp {
        StampRecord record;
        int copies = 0; // 0: left out
        QList<CatalogueEntry> entries;
    };
    // How the lists the collector keeps hold a row: its records (0: only in
    // lists left out), their names, the first condition known.
    struct Listed {
        int copies = 0;
        QStringList lists;
        QString condition;
        bool cto = false;
    };
    Listed listed(const Row &row, const Options &options) const;
    // The code of the system chosen for Cat.nr., -1 for none.
    static qsizetype mainCode(const RowTexts &texts, const Options &options);
    // Where the records made take their texts from: recurring ones are shared,
    // the others packed into large blocks, as a collection read from its file
    // keeps them.
    struct RecordTexts {
        std::array<SharedTexts, StampRecord::FieldCount> fields;
        PackedTexts info;     // Info with the parts added to what the row has
        QByteArray infoBytes; // room in which such an Info is encoded
    };
    Stamp stamp(const Row &row, const Options &options, RecordTexts &texts) const;
    bool countryIsCollection(int country, const Options &options) const;
    // 0 for the main name, else 1 + the country.
    int collectionOf(const Row &row, const Options &options) const;
    // The plan's collection of each of collectionOf's values, -1 for none.
    std::vector<int> positions(const Report &report, const Options &options) const;

    std::unique_ptr<ColnectMapping> m_mapping;
    std::deque<Row> m_rows;
    QStringList m_countries;
    QHash<QString, int> m_countryIndex; // by the name folded to lower case
    QStringList m_noLists;
    int m_replacedCharacters = 0;
};
