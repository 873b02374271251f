#include "importing/ColnectImport.h"

#include "importing/ColnectFile.h"
#include "importing/ImportPlan.h"
#include "importing/ImportText.h"
#include "importing/TellicoMapping.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/formats/CatalogueEntriesFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/ImportedCollections.h"
#include "storage/text/Windows1252.h"

#include <QSet>

#include <algorithm>

namespace {

// A quantity beyond this is taken as a slip of the keyboard, not as stamps.
constexpr int MaxCopies = 999;
const QString Colnect = QStringLiteral("Colnect");
const QString Dash = QStringLiteral("-");
const QString PartSeparator = QStringLiteral("; ");

void appendPart(QString &info, const QString &part)
{
    if (!info.isEmpty())
        info += PartSeparator;
    info += part;
}

// What the file says of a stamp replaces what the record said; a field the
// file leaves blank keeps the collector's text, and Soort and the prices are
// the collector's own.
StampRecord updated(StampRecord record, const StampRecord &fresh)
{
    for (const int field :
         {StampRecord::Year, StampRecord::CatalogueNumber, StampRecord::Category, StampRecord::Subject,
          StampRecord::Type, StampRecord::FaceValue, StampRecord::Info, StampRecord::Condition}) {
        if (field == StampRecord::Year || (!fresh[field].isEmpty() && fresh[field] != Dash))
            record[field] = fresh[field];
    }
    return record;
}

using ReadStamp = CatalogueEntries::ReadStamp;

QByteArrayView keyOf(const QByteArray &lines, const ReadStamp &stamp)
{
    return QByteArrayView(lines).sliced(stamp.at, stamp.keyLength);
}

// Each line of a stamp's lines, its line end left out.
template <typename Each> void forEachLine(QByteArrayView lines, Each each)
{
    for (qsizetype start = 0; start < lines.size();) {
        const qsizetype end = lines.indexOf('\n', start);
        each(lines.sliced(start, end - start));
        start = end + 1;
    }
}

// Appends a stamp's entries as the lines of a catalogue file ("key TAB
// system TAB number TAB value TAB edition", LF), each once; a stamp without
// entries leaves only its key, and a length of 0.
ReadStamp appendLines(QByteArray &lines, const QString &key, const QList<CatalogueEntry> &entries)
{
    const QByteArray keyBytes = Windows1252::encode(key);
    const ReadStamp stamp{lines.size(), keyBytes.size(), 0};
    if (entries.isEmpty()) {
        lines += keyBytes;
        return stamp;
    }
    QByteArray line;
    for (const CatalogueEntry &entry : entries) {
        line = keyBytes;
        for (const QString *field : {&entry.system, &entry.number, &entry.value, &entry.edition})
            line.append('\t').append(Windows1252::encode(*field));
        line.append('\n');
        bool met = false;
        forEachLine(QByteArrayView(lines).sliced(stamp.at),
                    [&](QByteArrayView earlier) { met = met || earlier == QByteArrayView(line).chopped(1); });
        if (!met)
            lines += line;
    }
    return {stamp.at, stamp.keyLength, lines.size() - stamp.at};
}

// One stamp for each key, ordered by key: the lines of a key met again follow
// those met before, each line once.
void joinSameKeys(QByteArray &lines, std::vector<ReadStamp> &stamps)
{
    std::stable_sort(stamps.begin(), stamps.end(), [&lines](const ReadStamp &left, const ReadStamp &right) {
        return keyOf(lines, left).compare(keyOf(lines, right)) < 0;
    });
    std::vector<ReadStamp> joined;
    QByteArray added;
    std::vector<std::pair<size_t, qsizetype>> moved; // joined stamp, where its lines lie in added
    for (size_t first = 0; first < stamps.size();) {
        size_t end = first + 1;
        while (end < stamps.size() && keyOf(lines, stamps[end]) == keyOf(lines, stamps[first]))
            ++end;
        joined.push_back(stamps[first]);
        if (end - first > 1) {
            std::vector<QByteArrayView> met;
            const qsizetype from = added.size();
            for (size_t part = first; part < end; ++part) {
                forEachLine(QByteArrayView(lines).sliced(stamps[part].at, stamps[part].length),
                            [&](QByteArrayView line) {
                                if (std::find(met.begin(), met.end(), line) != met.end())
                                    return;
                                met.push_back(line);
                                added.append(line).append('\n');
                            });
            }
            if (added.size() > from) {
                moved.emplace_back(joined.size() - 1, from);
                joined.back().length = added.size() - from;
            }
        }
        first = end;
    }
    const qsizetype base = lines.size();
    lines += added;
    for (const auto &[stamp, from] : moved)
        joined[stamp].at = base + from;
    stamps = std::move(joined);
}

// The entries of a stamp's lines.
QList<CatalogueEntry> entriesOf(QByteArrayView lines, qsizetype keyLength)
{
    QList<CatalogueEntry> entries;
    forEachLine(lines, [&](QByteArrayView line) {
        CatalogueEntry entry;
        QString *fields[] = {&entry.system, &entry.number, &entry.value, &entry.edition};
        qsizetype start = keyLength + 1;
        for (QString *field : fields) {
            const qsizetype tab = line.indexOf('\t', start);
            const qsizetype end = tab < 0 ? line.size() : tab;
            *field = Windows1252::decode(line.sliced(start, end - start));
            start = std::min(end + 1, line.size());
        }
        entries.append(std::move(entry));
    });
    return entries;
}

} // namespace

StorageResult ColnectImport::read(const QString &path, const Progress &progress)
{
    bool stopped = false;
    ColnectMapping::Mapped mapped;
    ColnectFile::Handler handler;
    handler.header = [this](const QStringList &columns) {
        m_mapping = std::make_unique<ColnectMapping>(columns);
    };
    // Rows of one country mostly follow each other: the last one found is tried first.
    int lastCountry = -1;
    QString lastCountryName;
    handler.row = [&](const std::vector<QStringView> &fields) {
        m_mapping->map(fields, mapped);
        Row row{rowBytes(mapped), -1, std::move(mapped.lists)};
        if (!mapped.country.isEmpty() && lastCountry >= 0 && mapped.country == lastCountryName) {
            row.country = lastCountry;
        } else if (!mapped.country.isEmpty()) {
            const QString key = mapped.country.toLower();
            auto found = m_countryIndex.constFind(key);
            if (found == m_countryIndex.cend()) {
                found = m_countryIndex.insert(key, static_cast<int>(m_countries.size()));
                m_countries.append(mapped.country);
            }
            row.country = *found;
            lastCountry = row.country;
            lastCountryName = mapped.country;
        }
        m_rows.push_back(std::move(row));
        m_replacedCharacters += mapped.replacedCharacters;
        return true;
    };
    handler.progress = [&](double done) {
        stopped = progress && !progress(done);
        return !stopped;
    };
    const StorageResult result = ColnectFile::read(path, handler);
    if (!result)
        return result;
    if (stopped)
        return StorageResult::failure(ImportText::tr("het lezen is afgebroken"));
    if (m_rows.empty())
        return StorageResult::failure(ImportText::tr("de lijst bevat geen postzegels"));
    return StorageResult::success();
}

QByteArray ColnectImport::rowBytes(const ColnectMapping::Mapped &mapped)
{
    const StampRecord &record = mapped.record;
    QVarLengthArray<QStringView, 24> texts = {record[StampRecord::Year],
                                              record[StampRecord::Subject],
                                              record[StampRecord::FaceValue],
                                              record[StampRecord::Category],
                                              record[StampRecord::Type],
                                              record[StampRecord::Info],
                                              mapped.itemNumber};
    for (const CatalogueEntry &code : mapped.codes) {
        texts.append(code.system);
        texts.append(code.number);
    }
    qsizetype size = 0;
    for (const QStringView text : texts)
        size += text.size() + 1;
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    for (const QStringView text : texts) {
        out = Windows1252::encodeInto(out, text);
        *out++ = '\0';
    }
    return bytes;
}

ColnectImport::RowTexts::RowTexts(const Row &row)
{
    QByteArrayView rest(row.texts);
    const auto next = [&rest] {
        const QByteArrayView text = rest.first(rest.indexOf('\0'));
        rest = rest.sliced(text.size() + 1);
        return text;
    };
    for (QByteArrayView *text : {&year, &subject, &faceValue, &category, &type, &info, &itemNumber})
        *text = next();
    while (!rest.isEmpty())
        codes.append(next());
}

std::vector<ColnectImport::Count> ColnectImport::countries() const
{
    return ImportPlan::countriesInOrder<Count>(
        m_rows, [](const Row &row) { return row.country; }, m_countries);
}

std::vector<ColnectImport::Count> ColnectImport::systems() const
{
    std::vector<Count> result;
    for (const Row &row : m_rows) {
        QSet<QString> seen;
        const RowTexts texts(row);
        for (qsizetype code = 0; code < texts.codeCount(); ++code) {
            const QString system = Windows1252::decode(texts.codes[2 * code]);
            if (seen.contains(system))
                continue;
            seen.insert(system);
            auto found = std::find_if(result.begin(), result.end(),
                                      [&system](const Count &count) { return count.name == system; });
            if (found == result.end())
                found = result.insert(result.end(), Count{system, 0, 0, 0});
            ++found->records;
        }
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const Count &left, const Count &right) { return left.records > right.records; });
    return result;
}

bool ColnectImport::countryIsCollection(int country, const Options &options) const
{
    // A name too long for the disk would stop the import half-way.
    return options.perCountry && country >= 0 && CollectionName::isValid(m_countries.at(country)) &&
           CollectionFiles::checkLength(m_countries.at(country));
}

int ColnectImport::collectionOf(const Row &row, const Options &options) const
{
    if (!countryIsCollection(row.country, options) ||
        CollectionName::sameCollection(m_countries.at(row.country), options.name))
        return 0;
    return row.country + 1;
}

ColnectImport::Listed ColnectImport::listed(const Row &row, const Options &options) const
{
    Listed listed;
    bool kept = row.lists.empty();
    int copies = 1;
    for (const ColnectMapping::InList &in : row.lists) {
        const QString &name = listNames().at(in.list);
        if (options.leftOutLists.contains(name))
            continue;
        kept = true;
        listed.lists.append(name);
        copies = std::max(copies, std::min(in.quantity, MaxCopies));
        if (listed.condition.isEmpty()) {
            listed.condition = ColnectMapping::condition(in.condition);
            listed.cto = in.condition.compare(QLatin1String("CTO"), Qt::CaseInsensitive) == 0;
        }
    }
    listed.copies = kept ? copies : 0;
    return listed;
}

qsizetype ColnectImport::mainCode(const RowTexts &texts, const Options &options)
{
    const QString system = ColnectMapping::systemName(options.system);
    // Compared as the bytes' characters: a code page byte is one character.
    QVarLengthArray<char16_t, 64> characters;
    for (qsizetype code = 0; code < texts.codeCount(); ++code) {
        const QByteArrayView bytes = texts.codes[2 * code];
        if (bytes.size() != system.size())
            continue;
        characters.resize(bytes.size());
        Windows1252::decodeInto(characters.data(), bytes);
        if (CatalogueEntries::sameSystem(QStringView(characters.data(), characters.size()), system))
            return code;
    }
    return -1;
}

ColnectImport::Stamp ColnectImport::stamp(const Row &row, const Options &options, RecordTexts &made) const
{
    Stamp stamp;
    const Listed lists = listed(row, options);
    if (lists.copies == 0)
        return stamp;
    stamp.copies = lists.copies;
    StampRecord &record = stamp.record;
    const RowTexts texts(row);
    const auto fill = [&](int field, QByteArrayView bytes) {
        record[field] = made.fields[static_cast<size_t>(field)].text(bytes);
    };
    fill(StampRecord::Year, texts.year);
    fill(StampRecord::Subject, texts.subject);
    fill(StampRecord::FaceValue, texts.faceValue);
    fill(StampRecord::Category, texts.category);
    fill(StampRecord::Type, texts.type);
    if (const qsizetype chosen = mainCode(texts, options); chosen >= 0)
        fill(StampRecord::CatalogueNumber, texts.codes[2 * chosen + 1]);
    else if (texts.codeCount() > 0)
        fill(StampRecord::CatalogueNumber, texts.codes[1]);
    record[StampRecord::Condition] = lists.condition;
    QString info;
    if (lists.cto)
        appendPart(info, QStringLiteral("CTO"));
    if (!lists.lists.isEmpty())
        appendPart(info, QStringLiteral("Lijsten: ") + lists.lists.join(QStringLiteral(", ")));
    if (row.country >= 0 && !countryIsCollection(row.country, options))
        appendPart(info, QStringLiteral("Land: ") + m_countries.at(row.country));
    if (info.isEmpty()) {
        fill(StampRecord::Info, texts.info);
    } else {
        made.infoBytes = texts.info.toByteArray();
        if (!made.infoBytes.isEmpty())
            made.infoBytes += Windows1252::encode(PartSeparator);
        made.infoBytes += Windows1252::encode(info);
        record[StampRecord::Info] = made.info.text(made.infoBytes);
    }
    for (const int field :
         {StampRecord::Category, StampRecord::Kind, StampRecord::Type, StampRecord::Condition}) {
        if (record[field].isEmpty())
            record[field] = Dash;
    }
    TellicoMapping::finish(record);

    for (qsizetype code = 0; code < texts.codeCount(); ++code)
        stamp.entries.append({Windows1252::decode(texts.codes[2 * code]),
                              Windows1252::decode(texts.codes[2 * code + 1]),
                              {},
                              {}});
    if (!texts.itemNumber.isEmpty())
        stamp.entries.append({Colnect, Windows1252::decode(texts.itemNumber), {}, {}});
    return stamp;
}

ColnectImport::Report ColnectImport::plan(const Options &options) const
{
    Report report;
    std::vector<int> position(static_cast<size_t>(m_countries.size()) + 1, -1);
    int otherSystem = 0;
    int noNumber = 0;
    int leftOut = 0;
    for (const Row &row : m_rows) {
        const int copies = listed(row, options).copies;
        if (copies == 0) {
            ++leftOut;
            continue;
        }
        const RowTexts texts(row);
        otherSystem += texts.codeCount() > 0 && mainCode(texts, options) < 0 ? 1 : 0;
        noNumber += texts.codeCount() == 0 ? 1 : 0;
        const int collection = collectionOf(row, options);
        int &at = position[static_cast<size_t>(collection)];
        if (at < 0) {
            at = static_cast<int>(report.collections.size());
            report.collections.push_back(
                {collection == 0 ? options.name : m_countries.at(collection - 1), 0, 0, 0});
        }
        report.collections[static_cast<size_t>(at)].records += copies;
        report.total.records += copies;
    }
    report.total.name = ImportText::tr("totaal");
    if (otherSystem > 0)
        report.notes.append(
            ImportText::tr("%1 postzegels hebben geen nummer van %2; hun Cat.nr. is het nummer "
                           "van hun eerste code.")
                .arg(otherSystem)
                .arg(ColnectMapping::systemName(options.system)));
    if (noNumber > 0)
        report.notes.append(ImportText::tr("%1 postzegels hebben geen enkele catalogus-code.").arg(noNumber));
    if (leftOut > 0)
        report.notes.append(
            ImportText::tr("%1 postzegels staan alleen in weggelaten lijsten en worden niet geïmporteerd.")
                .arg(leftOut));
    if (options.perCountry) {
        for (const Count &country : countries()) {
            if (!country.name.isEmpty() &&
                !countryIsCollection(static_cast<int>(m_countries.indexOf(country.name)), options))
                report.notes.append(
                    ImportPlan::countryNotACollection(country.name, country.records, options.name));
        }
    }
    if (m_replacedCharacters > 0)
        report.notes.append(ImportPlan::charactersReplaced(m_replacedCharacters));
    return report;
}

std::vector<StampRecord> ColnectImport::firstRecords(int count, const Options &options) const
{
    std::vector<StampRecord> records;
    const auto texts = std::make_unique<RecordTexts>();
    for (size_t i = 0; i < m_rows.size() && records.size() < static_cast<size_t>(count); ++i) {
        const Stamp made = stamp(m_rows[i], options, *texts);
        for (int copy = 0; copy < made.copies && records.size() < static_cast<size_t>(count); ++copy)
            records.push_back(made.record);
    }
    return records;
}

QStringList ColnectImport::existingCollections(const ProgramFolder &folder, const Options &options) const
{
    return ImportPlan::existingCollections(folder, plan(options).collections);
}

std::vector<int> ColnectImport::positions(const Report &report, const Options &options) const
{
    std::vector<int> position(static_cast<size_t>(m_countries.size()) + 1, -1);
    for (size_t i = 0; i < report.collections.size(); ++i) {
        const QString &name = report.collections[i].name;
        const int index = CollectionName::sameCollection(name, options.name)
                              ? 0
                              : static_cast<int>(m_countryIndex.value(name.toLower(), -1)) + 1;
        position[static_cast<size_t>(index)] = static_cast<int>(i);
    }
    return position;
}

ColnectImport::Made ColnectImport::make(const Report &report, size_t at, const Options &options,
                                        const Made &there, Count &count, QStringList &notes) const
{
    const std::vector<int> position = positions(report, options);
    Made made{there.records, there.entries};
    const bool updating = options.update && !there.records.empty();

    // The records already there of each Colnect item; each is taken once.
    QHash<QString, std::vector<size_t>> byItem;
    std::vector<bool> taken(made.records.size());
    std::vector<bool> numbered(made.records.size());
    if (updating) {
        QHash<QString, QStringList> itemsOfKey;
        for (size_t i = 0; i < made.records.size(); ++i) {
            const QString key = CatalogueEntries::keyOf(made.records[i]);
            auto items = itemsOfKey.find(key);
            if (items == itemsOfKey.end()) {
                QStringList numbers;
                for (const CatalogueEntry &entry : there.entries.of(key)) {
                    if (CatalogueEntries::sameSystem(entry.system, Colnect))
                        numbers.append(entry.number);
                }
                items = itemsOfKey.insert(key, numbers);
            }
            numbered[i] = !items->isEmpty();
            for (const QString &item : *items)
                byItem[item].push_back(i);
        }
    }

    // The entries of each stamp as the file gives them, as the lines of a
    // catalogue file, and the keys its records had before an update moved them.
    QByteArray lines;
    std::vector<ReadStamp> fresh;
    QHash<QString, QStringList> movedFrom;
    int skipped = 0;
    const auto texts = std::make_unique<RecordTexts>();
    count = report.collections[at];
    made.records.reserve(made.records.size() + static_cast<size_t>(count.records));
    count.records = 0;
    for (const Row &row : m_rows) {
        if (position[static_cast<size_t>(collectionOf(row, options))] != static_cast<int>(at))
            continue;
        const Stamp fromFile = stamp(row, options, *texts);
        if (fromFile.copies == 0)
            continue;
        // Without its number a row cannot be found again: an update would double it.
        const QString itemNumber = updating ? Windows1252::decode(RowTexts(row).itemNumber) : QString();
        if (updating && itemNumber.isEmpty()) {
            ++skipped;
            continue;
        }
        const QString key = CatalogueEntries::keyOf(fromFile.record);
        fresh.push_back(appendLines(lines, key, fromFile.entries));
        count.records += fromFile.copies;
        int matched = 0;
        for (const size_t i : byItem.value(itemNumber)) {
            if (matched == fromFile.copies)
                break;
            if (taken[i])
                continue;
            taken[i] = true;
            ++matched;
            StampRecord &record = made.records[i];
            const StampRecord changed = updated(record, fromFile.record);
            ++(changed.fields == record.fields ? count.unchanged : count.changed);
            if (const QString before = CatalogueEntries::keyOf(record); before != key)
                movedFrom[key].append(before);
            record = changed;
        }
        for (int copy = matched; copy < fromFile.copies; ++copy)
            made.records.push_back(fromFile.record);
    }

    // Each stamp's entries: those of the file, then those it had of systems
    // the file does not give (the collector's own); an entry of the file that
    // was there already keeps its value and edition.
    joinSameKeys(lines, fresh);
    if (there.entries.isEmpty()) {
        std::erase_if(fresh, [](const ReadStamp &stamp) { return stamp.length == 0; });
        made.entries = CatalogueEntries::fromFile(std::move(lines), std::move(fresh), {});
        fresh.clear();
    }
    for (const ReadStamp &stamp : fresh) {
        const QString key = Windows1252::decode(keyOf(lines, stamp));
        QList<CatalogueEntry> entries =
            entriesOf(QByteArrayView(lines).sliced(stamp.at, stamp.length), stamp.keyLength);
        QSet<QString> systems;
        for (const CatalogueEntry &entry : entries)
            systems.insert(entry.system.toLower());
        for (const QString &from : QStringList{key} + movedFrom.value(key)) {
            for (const CatalogueEntry &old : there.entries.of(from)) {
                if (!systems.contains(old.system.toLower())) {
                    if (!entries.contains(old))
                        entries.append(old);
                    continue;
                }
                for (CatalogueEntry &entry : entries) {
                    if (entry.value.isEmpty() && entry.edition.isEmpty() &&
                        CatalogueEntries::sameSystem(entry.system, old.system) && entry.number == old.number)
                        entry = old;
                }
            }
        }
        made.entries.set(key, entries);
    }

    if (updating) {
        int withoutNumber = 0;
        int notNamed = 0;
        for (size_t i = 0; i < taken.size(); ++i) {
            if (!taken[i])
                ++(numbered[i] ? notNamed : withoutNumber);
        }
        if (withoutNumber + notNamed > 0)
            notes.append(
                ImportText::tr("%1: %2 records zonder Colnect-nummer en %3 records die het bestand niet "
                               "(meer) noemt zijn ongemoeid gelaten.")
                    .arg(count.name)
                    .arg(withoutNumber)
                    .arg(notNamed));
        if (skipped > 0)
            notes.append(
                ImportText::tr("%1: %2 postzegels zonder Colnect-nummer zijn niet toegevoegd, want ze "
                               "zijn niet terug te vinden.")
                    .arg(count.name)
                    .arg(skipped));
    }
    return made;
}

StorageResult ColnectImport::write(const ProgramFolder &folder, const Options &options, bool dryRun,
                                   Report &report, const std::function<void(double done)> &progress,
                                   Open *open) const
{
    if (const StorageResult named = ImportPlan::checkMainName(options.name); !named)
        return named;
    report = plan(options);
    if (const StorageResult ready = ImportPlan::checkPlanned(folder, report.collections); !ready)
        return ready;
    const Report planned = report;
    // Reported under the spelling of a collection that exists.
    for (Count &count : report.collections)
        count.name = CollectionFiles(folder, count.name).name();

    ImportedCollections written(folder);
    report.total.records = 0;
    for (size_t at = 0; at < report.collections.size(); ++at) {
        Count &count = report.collections[at];
        const CollectionFiles files(folder, count.name);
        const bool inWindow =
            open && options.update && CollectionName::sameCollection(count.name, open->name);
        Made there;
        if (options.update && files.exists() && !inWindow) {
            if (const StorageResult loaded = CollectionFile::readRecords(files.file(), there.records);
                !loaded)
                return StorageResult::failure(ImportText::tr("Verzameling '%1' kan niet worden gelezen: %2")
                                                  .arg(count.name, loaded.reason));
            // A dry run leaves a damaged catalogue file as it is; reading it for
            // writing keeps it aside and writes what could be read.
            const StorageResult read =
                dryRun ? CatalogueEntriesFile::read(files.catalogueFile(), there.entries).result
                       : files.readCatalogue(there.entries).result;
            if (!read)
                return StorageResult::failure(ImportText::tr("Verzameling '%1' kan niet worden gelezen: %2")
                                                  .arg(count.name, read.reason));
        }
        const QString name = count.name;
        Made made = make(planned, at, options, inWindow ? open->there : there, count, report.notes);
        count.name = name;
        if (inWindow) {
            open->made = std::move(made);
            open->updated = true;
        } else if (!dryRun) {
            const StorageResult saved = written.save(name, made.records, &made.entries);
            if (!saved)
                return StorageResult::failure(
                    ImportText::tr("Verzameling '%1' kon niet worden opgeslagen: %2")
                        .arg(name, saved.reason));
        }
        report.total.records += count.records;
        report.total.changed += count.changed;
        report.total.unchanged += count.unchanged;
        if (progress)
            progress(static_cast<double>(at + 1) / static_cast<double>(report.collections.size()));
    }
    written.finish();
    return StorageResult::success();
}
