#include "importing/TellicoImport.h"

#include "importing/ImportPictureFiler.h"
#include "importing/ImportPlan.h"
#include "importing/ImportText.h"

#include "importing/TellicoMapping.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/ImportedCollections.h"
#include "storage/pictures/PictureFiler.h"
#include "storage/text/PackedTexts.h"
#include "storage/text/Windows1252.h"

#include <QDir>

#include <memory>
#include <optional>

StorageResult TellicoImport::read(const QString &path, const Progress &progress)
{
    StorageResult result = m_file.open(path);
    if (!result)
        return result;
    std::optional<TellicoMapping> mapping;
    TellicoMapping::Mapped mapped;
    // The records are kept as a loaded collection keeps them: many short texts
    // in a few large blocks.
    PackedTexts packed;
    QByteArray bytes;
    bool stopped = false;

    TellicoFile::Handler handler;
    handler.started = [&](const TellicoFile::Collection &collection) {
        m_title = collection.title;
        mapping.emplace(collection);
    };
    handler.entry = [&](const TellicoFile::Entry &entry) {
        mapping->map(entry, mapped);
        StampRecord record;
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            const QString &text = mapped.record[field];
            bytes.resize(text.size());
            const char *end = Windows1252::encodeInto(bytes.data(), text);
            record[field] = packed.text(QByteArrayView(bytes.constData(), end - bytes.constData()));
        }
        Extra extra;
        extra.countryAt = mapped.countryAt;
        extra.scott = mapped.scott;
        if (!mapped.country.isEmpty()) {
            const QString key = mapped.country.toLower();
            auto found = m_countryIndex.constFind(key);
            if (found == m_countryIndex.cend()) {
                found = m_countryIndex.insert(key, static_cast<int>(m_countries.size()));
                m_countries.append(mapped.country);
            }
            extra.country = *found;
        }
        if (!mapped.pictureId.isEmpty()) {
            auto found = m_pictureIndex.constFind(mapped.pictureId);
            if (found == m_pictureIndex.cend()) {
                found = m_pictureIndex.insert(mapped.pictureId, static_cast<int>(m_pictureIds.size()));
                m_pictureIds.append(mapped.pictureId);
            }
            extra.picture = *found;
        }
        m_records.push_back(std::move(record));
        m_extras.push_back(extra);
        m_replacedCharacters += mapped.replacedCharacters;
        return true;
    };
    handler.embeddedPicture = [this](const QString &id) { m_embedded.insert(id); };
    handler.progress = [&](double done) {
        stopped = progress && !progress(done);
        return !stopped;
    };
    result = m_file.read(handler);
    if (!result)
        return result;
    if (stopped)
        return StorageResult::failure(ImportText::tr("het lezen is afgebroken"));
    if (m_records.empty())
        return StorageResult::failure(ImportText::tr("de verzameling bevat geen postzegels"));

    std::vector<bool> available(static_cast<size_t>(m_pictureIds.size()));
    for (qsizetype i = 0; i < m_pictureIds.size(); ++i)
        available[static_cast<size_t>(i)] =
            m_embedded.contains(m_pictureIds.at(i)) || m_file.hasPictureFile(m_pictureIds.at(i));
    for (const Extra &extra : m_extras) {
        if (extra.picture >= 0)
            ++(available[static_cast<size_t>(extra.picture)] ? m_picturesFound : m_picturesMissing);
    }
    return StorageResult::success();
}

std::vector<TellicoImport::Count> TellicoImport::countries() const
{
    return ImportPlan::countriesInOrder<Count>(
        m_extras, [](const Extra &extra) { return extra.country; }, m_countries);
}

bool TellicoImport::countryIsCollection(int country, const Options &options) const
{
    return options.perCountry && country >= 0 && canBeCollection(m_countries.at(country));
}

bool TellicoImport::canBeCollection(const QString &country)
{
    // A name too long for the disk would stop the import half-way.
    return CollectionName::isValid(country) && CollectionFiles::checkLength(country);
}

int TellicoImport::collectionOf(const Extra &extra, const Options &options) const
{
    if (!countryIsCollection(extra.country, options) ||
        CollectionName::sameCollection(m_countries.at(extra.country), options.name))
        return 0;
    return extra.country + 1;
}

TellicoImport::Report TellicoImport::plan(const Options &options) const
{
    Report report;
    std::vector<int> position(static_cast<size_t>(m_countries.size()) + 1, -1);
    for (const Extra &extra : m_extras) {
        const int collection = collectionOf(extra, options);
        int &at = position[static_cast<size_t>(collection)];
        if (at < 0) {
            at = static_cast<int>(report.collections.size());
            report.collections.push_back(
                {collection == 0 ? options.name : m_countries.at(collection - 1), 0, 0});
        }
        ++report.collections[static_cast<size_t>(at)].records;
    }
    report.total = {ImportText::tr("totaal"), entryCount(), 0};
    if (options.perCountry) {
        for (const Count &country : countries()) {
            if (!country.name.isEmpty() && !canBeCollection(country.name))
                report.notes.append(
                    ImportPlan::countryNotACollection(country.name, country.records, options.name));
        }
    }
    if (m_replacedCharacters > 0)
        report.notes.append(ImportPlan::charactersReplaced(m_replacedCharacters));
    return report;
}

StampRecord TellicoImport::stored(StampRecord record, const Extra &extra, const Options &options) const
{
    record[StampRecord::Category] = options.category;
    record[StampRecord::Kind] = options.kind;
    record[StampRecord::Type] = options.type;
    if (extra.country >= 0 && !countryIsCollection(extra.country, options))
        record[StampRecord::Info] = TellicoMapping::withCountry(record[StampRecord::Info], extra.countryAt,
                                                                m_countries.at(extra.country));
    TellicoMapping::finish(record);
    return record;
}

std::vector<StampRecord> TellicoImport::firstRecords(int count, const Options &options) const
{
    std::vector<StampRecord> records;
    for (size_t i = 0; i < m_records.size() && records.size() < static_cast<size_t>(count); ++i)
        records.push_back(stored(m_records[i], m_extras[i], options));
    return records;
}

QStringList TellicoImport::existingCollections(const ProgramFolder &folder, const Options &options) const
{
    return ImportPlan::existingCollections(folder, plan(options).collections);
}

QString TellicoImport::describe(const QString &collection, const StampRecord &record) const
{
    return QStringLiteral("%1, %2 %3")
        .arg(collection, record[StampRecord::Year], record[StampRecord::CatalogueNumber]);
}

StampRecord TellicoImport::PendingPicture::record() const
{
    StampRecord record;
    record[StampRecord::Year] = year;
    record[StampRecord::CatalogueNumber] = number;
    return record;
}

TellicoImport::Sorted TellicoImport::sortOut(const Options &options, const Report &report)
{
    const size_t collections = report.collections.size();
    // Each record goes into the list of its collection, taken from the front
    // of the deque so that its memory goes back as the lists fill.
    std::vector<int> position(static_cast<size_t>(m_countries.size()) + 1, -1);
    for (size_t i = 0; i < collections; ++i) {
        const Count &count = report.collections[i];
        const int index =
            count.name == options.name ? 0 : static_cast<int>(m_countryIndex.value(count.name.toLower())) + 1;
        position[static_cast<size_t>(index)] = static_cast<int>(i);
    }
    Sorted sorted{std::vector<std::vector<StampRecord>>(collections),
                  std::vector<std::vector<std::pair<int, int>>>(collections),
                  std::vector<CatalogueEntries>(collections)};
    for (size_t i = 0; i < collections; ++i)
        sorted.lists[i].reserve(static_cast<size_t>(report.collections[i].records));
    for (const Extra &extra : m_extras) {
        const auto at = static_cast<size_t>(position[static_cast<size_t>(collectionOf(extra, options))]);
        if (extra.picture >= 0)
            sorted.pictures[at].emplace_back(static_cast<int>(sorted.lists[at].size()), extra.picture);
        sorted.lists[at].push_back(stored(std::move(m_records.front()), extra, options));
        m_records.pop_front();
        if (!extra.scott.isEmpty()) {
            CatalogueEntries &entries = sorted.entries[at];
            const QString key = CatalogueEntries::keyOf(sorted.lists[at].back());
            CatalogueEntries::List stamp = entries.of(key);
            const CatalogueEntry scott{TellicoMapping::scottSystem(), extra.scott, {}, {}};
            if (!stamp.contains(scott)) {
                stamp.append(scott);
                entries.set(key, stamp);
            }
        }
    }
    m_extras.clear();
    return sorted;
}

StorageResult TellicoImport::write(const ProgramFolder &folder, const Options &options, bool dryRun,
                                   Report &report, const std::function<void(double done)> &progress)
{
    if (const StorageResult named = ImportPlan::checkMainName(options.name); !named)
        return named;
    report = plan(options);
    if (const StorageResult ready = ImportPlan::checkPlanned(folder, report.collections); !ready)
        return ready;
    Sorted sorted = sortOut(options, report);
    // Reported under the spelling of a collection that exists.
    for (Count &count : report.collections)
        count.name = CollectionFiles(folder, count.name).name();

    const double work = static_cast<double>(entryCount() + m_picturesFound + m_picturesMissing) + 1;
    double done = 0;
    const auto advance = [&](double steps) {
        done += steps;
        if (progress)
            progress(done / work);
    };
    ImportedCollections written(folder);
    ImportPictureFiler pictures(folder, dryRun ? nullptr : &written);
    std::vector<PendingPicture> embedded;
    for (size_t at = 0; at < sorted.lists.size(); ++at) {
        const QString &name = report.collections[at].name;
        const std::vector<StampRecord> list = std::move(sorted.lists[at]);
        const CatalogueEntries &entries = sorted.entries[at];
        if (!dryRun) {
            const StorageResult saved = written.save(name, list, entries.isEmpty() ? nullptr : &entries);
            if (!saved)
                return StorageResult::failure(
                    ImportText::tr("Verzameling '%1' kon niet worden opgeslagen: %2")
                        .arg(name, saved.reason));
        }
        advance(static_cast<double>(list.size()));
        for (const auto &[row, picture] : sorted.pictures[at]) {
            const StampRecord &record = list[static_cast<size_t>(row)];
            const PendingPicture pending{static_cast<int>(at), record[StampRecord::Year],
                                         record[StampRecord::CatalogueNumber], picture};
            if (m_embedded.contains(m_pictureIds.at(picture))) {
                embedded.push_back(pending);
                continue;
            }
            fileFromFile(pictures, pending, report);
            advance(1);
        }
    }
    fileEmbedded(pictures, embedded, advance, report);
    written.finish();
    return StorageResult::success();
}

void TellicoImport::fileFromFile(ImportPictureFiler &pictures, const PendingPicture &pending, Report &report)
{
    const QString &id = m_pictureIds.at(pending.picture);
    QByteArray data;
    const StorageResult read =
        m_file.hasPictureFile(id)
            ? m_file.readPictureFile(id, data)
            : StorageResult::failure(ImportText::tr("afbeelding '%1' ontbreekt").arg(id));
    if (read)
        fileAndCount(pictures, pending, data, report);
    else
        report.notes.append(ImportText::tr("%1: %2").arg(
            describe(report.collections[static_cast<size_t>(pending.collection)].name, pending.record()),
            read.reason));
}

void TellicoImport::fileAndCount(ImportPictureFiler &pictures, const PendingPicture &pending,
                                 const QByteArray &data, Report &report) const
{
    Count &count = report.collections[static_cast<size_t>(pending.collection)];
    // A blank catalogue number was stored as "-", which names no picture.
    const StorageResult filed = pending.number == QLatin1String("-")
                                    ? StorageResult::failure(ImportText::tr(
                                          "geen catalogusnummer, dus geen plaats voor de afbeelding"))
                                    : pictures.file(count.name, pending.record(), data);
    if (filed) {
        ++count.pictures;
        ++report.total.pictures;
    } else {
        report.notes.append(
            ImportText::tr("%1: %2").arg(describe(count.name, pending.record()), filed.reason));
    }
}

void TellicoImport::fileEmbedded(ImportPictureFiler &pictures, const std::vector<PendingPicture> &embedded,
                                 const std::function<void(double steps)> &advance, Report &report)
{
    if (embedded.empty())
        return;
    QHash<QString, std::vector<size_t>> byId;
    for (size_t i = 0; i < embedded.size(); ++i)
        byId[m_pictureIds.at(embedded[i].picture)].push_back(i);
    const QSet<QString> wanted(byId.keyBegin(), byId.keyEnd());
    const StorageResult read =
        m_file.readEmbeddedPictures(wanted, [&](const QString &id, const QByteArray &data) {
            for (const size_t i : byId.value(id)) {
                fileAndCount(pictures, embedded[i], data, report);
                advance(1);
            }
            return true;
        });
    if (!read)
        report.notes.append(
            ImportText::tr("Afbeeldingen in het bestand konden niet worden gelezen: %1").arg(read.reason));
}
