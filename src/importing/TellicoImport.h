#pragma once

#include "importing/TellicoFile.h"
#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/catalogue/CatalogueEntries.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class ImportPictureFiler;
class ProgramFolder;

// A stamp collection kept in Tellico brought over in one step: read whole
// first (records in memory, pictures only looked up), then written as one
// collection, or one per country, with the pictures filed by the rules of
// pictures added from the program. Missing or refused pictures are reported;
// the records are imported all the same.
class TellicoImport {
public:
    struct Options {
        // The collection the entries go to (with a per-country split: those
        // without a country, or whose country cannot be a collection name).
        QString name;
        bool perCountry = false;
        QString category = QStringLiteral("-");
        QString kind = QStringLiteral("-");
        QString type = QStringLiteral("-");
    };
    struct Count {
        QString name;
        int records = 0;
        int pictures = 0;
    };
    struct Report {
        // In the order of the file (the first entry of each).
        std::vector<Count> collections;
        Count total;
        // What the collector should know: pictures missing or refused, country
        // names refused, characters replaced.
        QStringList notes;
    };
    using Progress = std::function<bool(double done)>;

    // Reads the file; progress (0 to 1) returning false stops reading.
    StorageResult read(const QString &path, const Progress &progress = {});

    const QString &title() const { return m_title; }
    int entryCount() const { return static_cast<int>(m_records.size()); }
    // Each country with its number of entries, in the order of the file; an
    // empty name counts the entries without a country.
    std::vector<Count> countries() const;
    int picturesFound() const { return m_picturesFound; }
    int picturesMissing() const { return m_picturesMissing; }
    int replacedCharacters() const { return m_replacedCharacters; }

    // The collections the options make, with their number of records, and
    // notes on country names that cannot be a collection name.
    Report plan(const Options &options) const;
    // The first records as they will be stored.
    std::vector<StampRecord> firstRecords(int count, const Options &options) const;
    // The collections of the plan whose file exists already.
    QStringList existingCollections(const ProgramFolder &folder, const Options &options) const;

    // Writes the collections (the collection a file replaces is kept as a
    // version) and files the pictures, all or nothing: every collection is
    // checked first, and a failure part-way takes back what was written. With dryRun nothing is written, and
    // the report is what writing would give. Afterwards the records are gone. progress (0 to 1) is told as
    // the work goes on.
    StorageResult write(const ProgramFolder &folder, const Options &options, bool dryRun, Report &report,
                        const std::function<void(double done)> &progress = {});

private:
    // A picture to file once the collection it belongs to is written.
    struct PendingPicture {
        int collection; // position in the report
        QString year;
        QString number;
        int picture;

        // The record as far as the picture's place goes.
        StampRecord record() const;
    };
    // The records of each collection of the report, with their pictures (row, picture).
    struct Sorted {
        std::vector<std::vector<StampRecord>> lists;
        std::vector<std::vector<std::pair<int, int>>> pictures;
        std::vector<CatalogueEntries> entries;
    };

    // Takes the records out, into the lists of their collections.
    Sorted sortOut(const Options &options, const Report &report);
    // A picture kept as a file beside the collection or in the archive.
    void fileFromFile(ImportPictureFiler &pictures, const PendingPicture &pending, Report &report);
    // The pictures held in the file itself, read in one pass at the end.
    void fileEmbedded(ImportPictureFiler &pictures, const std::vector<PendingPicture> &embedded,
                      const std::function<void(double steps)> &advance, Report &report);
    // Files one picture, counting it or noting why not.
    void fileAndCount(ImportPictureFiler &pictures, const PendingPicture &pending, const QByteArray &data,
                      Report &report) const;
    static bool canBeCollection(const QString &country);

    struct Extra {
        int country = -1;    // index into m_countries, -1: none
        int picture = -1;    // index into m_pictureIds, -1: none
        qsizetype countryAt; // see TellicoMapping::Mapped
        QString scott;       // see TellicoMapping::Mapped
    };
    // The collection an entry goes to: 0 for the main name, else 1 + its country.
    int collectionOf(const Extra &extra, const Options &options) const;
    bool countryIsCollection(int country, const Options &options) const;
    StampRecord stored(StampRecord record, const Extra &extra, const Options &options) const;
    QString describe(const QString &collection, const StampRecord &record) const;

    TellicoFile m_file;
    QString m_title;
    // A deque: it grows without moving what it holds, and gives its memory back
    // block by block as write takes the records out.
    std::deque<StampRecord> m_records;
    std::vector<Extra> m_extras;
    QStringList m_countries;
    QHash<QString, int> m_countryIndex; // by the name folded to lower case
    QStringList m_pictureIds;
    QHash<QString, int> m_pictureIndex;
    QSet<QString> m_embedded;
    int m_picturesFound = 0;
    int m_picturesMissing = 0;
    int m_replacedCharacters = 0;
};
