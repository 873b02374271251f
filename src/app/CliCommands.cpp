#include "app/CliCommands.h"

#include "album/SlideshowPage.h"
#include "catalogue/TradeList.h"
#include "catalogue/WantList.h"
#include "importing/TellicoImport.h"
#include "printing/PrintCommand.h"
#include "storage/document/PriceTotals.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/folder/CollectionListing.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/OutputFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/CsvFile.h"
#include "storage/formats/CsvMapping.h"
#include "storage/formats/OldDataFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/pictures/PictureFiler.h"

#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QTextStream>

namespace {

const QString Usage = QStringLiteral(
    "gebruik: tessaron2-cli [--home MAP] list [--old] | import NAAM [--as NIEUW] "
    "[--force] | show NAAM | totals NAAM | album NAAM [--open] | print NAAM --job N "
    "--pdf BESTAND [--copies C] [--record POS] [--photo BESTAND] [--force] | export-csv NAAM BESTAND "
    "[--force] | import-csv BESTAND NAAM [--force] | import-tellico BESTAND NAAM [--per-country] [--force] "
    "[--dry-run] | attach NAAM POS BESTAND [--replace] | "
    "versions NAAM | restore NAAM VERSIE [--as NIEUW] [--force] | gaps NAAM REEKS... [--category TEKST] | "
    "doubles NAAM [--category TEKST]");

StorageResult invalidName(const QString &name)
{
    return StorageResult::failure(QStringLiteral("Ongeldige naam voor een verzameling: '%1'").arg(name));
}

// A name as given, taken in NFC (a name listed from a file stored
// decomposed is the same name); refused when no collection can have it.
StorageResult takeName(const QString &given, QString &name)
{
    name = CollectionName::normalized(given);
    return CollectionName::isValid(name) ? StorageResult::success() : invalidName(given);
}

// The collection a command is about to write: the existing one of that name
// in any spelling, else a new one whose name must fit the disk.
StorageResult collectionToWrite(const ProgramFolder &folder, const QString &given, QString &name)
{
    if (const StorageResult taken = takeName(given, name); !taken)
        return taken;
    const CollectionFiles collection(folder, name);
    name = collection.name();
    if (const StorageResult fits = CollectionFiles::checkLength(folder, name); !fits)
        return StorageResult::failure(
            QStringLiteral("Ongeldige naam voor een verzameling: '%1': %2").arg(given, fits.reason));
    return StorageResult::success();
}

StorageResult alreadyThere(const QString &name)
{
    return StorageResult::failure(
        QStringLiteral("Verzameling '%1' bestaat reeds; --force overschrijft haar").arg(name));
}

// The single collection name that show and totals take.
StorageResult singleName(const QString &command, const QStringList &arguments, QString &name)
{
    if (arguments.size() != 1 || arguments.first().startsWith(QLatin1String("--")))
        return StorageResult::failure(QStringLiteral("%1 verwacht precies één naam; %2").arg(command, Usage));
    return takeName(arguments.first(), name);
}

// The plain values and the one flag that import-csv and attach take.
StorageResult valuesAndFlag(const QString &command, const QStringList &arguments, const QString &flag,
                            QStringList &values, bool &flagGiven)
{
    flagGiven = false;
    for (const QString &argument : arguments) {
        if (argument == flag)
            flagGiven = true;
        else if (argument.startsWith(QLatin1String("--")))
            return StorageResult::failure(
                QStringLiteral("Onbekend argument voor %1: '%2'").arg(command, argument));
        else
            values.append(argument);
    }
    return StorageResult::success();
}

// The plain values and the category that gaps and doubles take.
StorageResult valuesAndCategory(const QString &command, const QStringList &arguments, QStringList &values,
                                QString &category)
{
    bool categoryGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--category")) {
            if (categoryGiven || i + 1 == arguments.size())
                return StorageResult::failure(QStringLiteral("--category verwacht één tekst"));
            categoryGiven = true;
            category = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--"))) {
            return StorageResult::failure(
                QStringLiteral("Onbekend argument voor %1: '%2'").arg(command, argument));
        } else {
            values.append(argument);
        }
    }
    return StorageResult::success();
}

void writeRows(QTextStream &out, const std::vector<QStringList> &rows)
{
    for (const QStringList &row : rows)
        out << row.join(u'\t') << '\n';
}

} // namespace

CliCommands::CliCommands(const ProgramFolder &folder, QTextStream &out)
    : m_folder(folder)
    , m_out(out)
{}

StorageResult CliCommands::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return StorageResult::failure(QStringLiteral("Geen commando gegeven; ") + Usage);
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("list"))
        return list(rest);
    if (command == QLatin1String("import"))
        return import(rest);
    if (command == QLatin1String("show"))
        return show(rest);
    if (command == QLatin1String("totals"))
        return totals(rest);
    if (command == QLatin1String("album"))
        return album(rest);
    if (command == QLatin1String("print"))
        return print(rest);
    if (command == QLatin1String("export-csv"))
        return exportCsv(rest);
    if (command == QLatin1String("import-csv"))
        return importCsv(rest);
    if (command == QLatin1String("import-tellico"))
        return importTellico(rest);
    if (command == QLatin1String("attach"))
        return attach(rest);
    if (command == QLatin1String("versions"))
        return versions(rest);
    if (command == QLatin1String("restore"))
        return restore(rest);
    if (command == QLatin1String("gaps"))
        return gaps(rest);
    if (command == QLatin1String("doubles"))
        return doubles(rest);
    return StorageResult::failure(QStringLiteral("Onbekend commando '%1'; %2").arg(command, Usage));
}

StorageResult CliCommands::list(const QStringList &arguments)
{
    bool old = false;
    for (const QString &argument : arguments) {
        if (argument != QLatin1String("--old"))
            return StorageResult::failure(QStringLiteral("Onbekend argument voor list: '%1'").arg(argument));
        old = true;
    }
    // An empty list would hide a mistyped --home.
    if (!FolderExists(m_folder.collectionFolder()))
        return StorageResult::failure(QStringLiteral("Verzamelmap '%1' bestaat niet")
                                          .arg(QDir::toNativeSeparators(m_folder.collectionFolder())));
    const QStringList names =
        old ? CollectionListing::oldDataNames(m_folder) : CollectionListing::collectionNames(m_folder);
    for (const QString &name : names)
        m_out << name << '\n';
    return StorageResult::success();
}

StorageResult CliCommands::import(const QStringList &arguments)
{
    QString oldName;
    QString newName;
    bool force = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--force")) {
            force = true;
        } else if (argument == QLatin1String("--as")) {
            if (i + 1 == arguments.size())
                return StorageResult::failure(QStringLiteral("--as verwacht een naam"));
            newName = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--")) || !oldName.isNull()) {
            return StorageResult::failure(
                QStringLiteral("Onbekend argument voor import: '%1'").arg(argument));
        } else {
            oldName = argument;
        }
    }
    if (oldName.isNull())
        return StorageResult::failure(QStringLiteral("import verwacht de naam van oude data; ") + Usage);
    if (newName.isNull())
        newName = oldName;
    if (!CollectionName::isValid(oldName))
        return invalidName(oldName);
    if (const StorageResult named = collectionToWrite(m_folder, newName, newName); !named)
        return named;

    if (!FileExists(m_folder.oldDataFile(oldName)))
        return StorageResult::failure(QStringLiteral("Oude data '%1' bestaat niet").arg(oldName));
    const CollectionFiles collection(m_folder, newName);
    if (collection.exists() && !force)
        return alreadyThere(newName);

    RecordList records;
    const StorageResult imported = ImportOldData(m_folder, oldName, records);
    if (!imported)
        return StorageResult::failure(
            QStringLiteral("Oude data '%1' kon niet worden gelezen: %2").arg(oldName, imported.reason));
    // The program saves only a list that holds records.
    if (records.count() == 0)
        return StorageResult::failure(QStringLiteral("Oude data '%1' bevat geen records").arg(oldName));
    const StorageResult saved = collection.save(records.records());
    if (!saved)
        return StorageResult::failure(
            QStringLiteral("Verzameling '%1' kon niet worden opgeslagen: %2").arg(newName, saved.reason));
    return StorageResult::success();
}

StorageResult CliCommands::show(const QStringList &arguments)
{
    QString name;
    RecordList records;
    StorageResult result = singleName(QStringLiteral("show"), arguments, name);
    if (result)
        result = load(name, records);
    if (!result)
        return result;
    for (const StampRecord &record : records.records()) {
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            if (field > 0)
                m_out << '\t';
            m_out << record[field];
        }
        m_out << '\n';
    }
    return StorageResult::success();
}

StorageResult CliCommands::totals(const QStringList &arguments)
{
    QString name;
    RecordList records;
    StorageResult result = singleName(QStringLiteral("totals"), arguments, name);
    if (result)
        result = load(name, records);
    if (!result)
        return result;
    for (const QString &line : PriceTotals::of(records).messageLines(QLocale()))
        m_out << line << '\n';
    return StorageResult::success();
}

StorageResult CliCommands::print(const QStringList &arguments)
{
    QString name;
    RecordList records;
    QString collectionName;
    StorageResult result = singleName(QStringLiteral("print"), arguments.mid(0, 1), name);
    if (result)
        result = load(name, records, &collectionName);
    if (!result)
        return result;
    return PrintCommand(m_folder, collectionName, records.records()).run(arguments.mid(1));
}

StorageResult CliCommands::album(const QStringList &arguments)
{
    QString name;
    bool open = false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--open"))
            open = true;
        else if (argument.startsWith(QLatin1String("--")) || !name.isNull())
            return StorageResult::failure(QStringLiteral("Onbekend argument voor album: '%1'").arg(argument));
        else
            name = argument;
    }
    if (name.isNull())
        return StorageResult::failure(QStringLiteral("album verwacht de naam van een verzameling; ") + Usage);
    if (const StorageResult taken = takeName(name, name); !taken)
        return taken;

    // As in the program: the pictures are those of the name the loaded file
    // gives itself.
    RecordList records;
    QString collectionName;
    StorageResult result = load(name, records, &collectionName);
    if (!result)
        return result;
    result = SlideshowPage::exportPage(m_folder, collectionName, records.count() > 0);
    if (!result)
        return StorageResult::failure(QStringLiteral("Album kon niet worden geschreven: ") + result.reason);
    const QString page = m_folder.slideshowPage();
    // Without a window system the desktop's opener is started directly.
    if (open && !QProcess::startDetached(QStringLiteral("xdg-open"), {page}))
        return StorageResult::failure(QStringLiteral("Album kon niet worden geopend: xdg-open ontbreekt"));
    m_out << page << '\n';
    return StorageResult::success();
}

StorageResult CliCommands::exportCsv(const QStringList &arguments)
{
    QStringList values;
    bool force = false;
    StorageResult result =
        valuesAndFlag(QStringLiteral("export-csv"), arguments, QStringLiteral("--force"), values, force);
    if (!result)
        return result;
    if (values.size() != 2)
        return StorageResult::failure(QStringLiteral("export-csv verwacht een naam en een bestand; ") +
                                      Usage);
    QString name;
    const QString &file = values.at(1);
    if (result = takeName(values.at(0), name); !result)
        return result;
    RecordList records;
    result = load(name, records);
    if (result)
        result = OutputFile::mayWrite(m_folder, file, force);
    if (result)
        result = OutputFile::replaceLink(file);
    if (!result)
        return result;
    result = CsvFile::write(file, records.records());
    if (!result)
        return StorageResult::failure(
            QStringLiteral("CSV-bestand '%1' kon niet worden geschreven: %2").arg(file, result.reason));
    return result;
}

StorageResult CliCommands::importCsv(const QStringList &arguments)
{
    QStringList names;
    bool force = false;
    const StorageResult parsed =
        valuesAndFlag(QStringLiteral("import-csv"), arguments, QStringLiteral("--force"), names, force);
    if (!parsed)
        return parsed;
    if (names.size() != 2)
        return StorageResult::failure(QStringLiteral("import-csv verwacht een bestand en een naam; ") +
                                      Usage);
    const QString &file = names.at(0);
    QString name;
    if (const StorageResult named = collectionToWrite(m_folder, names.at(1), name); !named)
        return named;
    if (!FileExists(file))
        return StorageResult::failure(QStringLiteral("CSV-bestand '%1' bestaat niet").arg(file));
    const CollectionFiles collection(m_folder, name);
    if (collection.exists() && !force)
        return alreadyThere(name);

    CsvFile::Table table;
    StorageResult result = CsvFile::read(file, table);
    if (!result)
        return StorageResult::failure(
            QStringLiteral("CSV-bestand '%1' kon niet worden gelezen: %2").arg(file, result.reason));
    CsvMapping::Result imported = CsvMapping::preset(table).records(table, CsvMapping::hasHeader(table));
    if (imported.records.empty())
        return StorageResult::failure(QStringLiteral("CSV-bestand '%1' bevat geen records").arg(file));
    result = collection.save(imported.records);
    if (!result)
        return StorageResult::failure(
            QStringLiteral("Verzameling '%1' kon niet worden opgeslagen: %2").arg(name, result.reason));
    if (imported.replacedCharacters > 0)
        m_out << QStringLiteral("Let op: tekens die een verzameling niet kan bewaren, vervangen door '?': %1")
                     .arg(imported.replacedCharacters)
              << '\n';
    return result;
}

StorageResult CliCommands::importTellico(const QStringList &arguments)
{
    QStringList names;
    bool perCountry = false;
    bool force = false;
    bool dryRun = false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--per-country"))
            perCountry = true;
        else if (argument == QLatin1String("--force"))
            force = true;
        else if (argument == QLatin1String("--dry-run"))
            dryRun = true;
        else if (argument.startsWith(QLatin1String("--")))
            return StorageResult::failure(
                QStringLiteral("Onbekend argument voor import-tellico: '%1'").arg(argument));
        else
            names.append(argument);
    }
    if (names.size() != 2)
        return StorageResult::failure(QStringLiteral("import-tellico verwacht een bestand en een naam; ") +
                                      Usage);
    const QString &file = names.at(0);
    TellicoImport::Options options;
    options.perCountry = perCountry;
    if (const StorageResult named = collectionToWrite(m_folder, names.at(1), options.name); !named)
        return named;
    if (!FileExists(file))
        return StorageResult::failure(QStringLiteral("Tellico-bestand '%1' bestaat niet").arg(file));

    TellicoImport import;
    StorageResult result = import.read(file);
    if (!result)
        return StorageResult::failure(
            QStringLiteral("Tellico-bestand '%1' kan niet worden geïmporteerd: %2").arg(file, result.reason));
    const QStringList existing = import.existingCollections(m_folder, options);
    if (!existing.isEmpty() && !force)
        return StorageResult::failure(
            QStringLiteral("Verzameling '%1' bestaat reeds; --force overschrijft haar")
                .arg(existing.join(QStringLiteral("', '"))));
    TellicoImport::Report report;
    result = import.write(m_folder, options, dryRun, report);
    if (!result)
        return result;
    for (const TellicoImport::Count &count : report.collections)
        m_out << count.name << '\t' << count.records << '\t' << count.pictures << '\n';
    m_out << report.total.name << '\t' << report.total.records << '\t' << report.total.pictures << '\n';
    for (const QString &note : report.notes)
        m_out << QStringLiteral("Let op: ") << note << '\n';
    return result;
}

StorageResult CliCommands::attach(const QStringList &arguments)
{
    QStringList values;
    bool replace = false;
    StorageResult result =
        valuesAndFlag(QStringLiteral("attach"), arguments, QStringLiteral("--replace"), values, replace);
    if (!result)
        return result;
    const auto existing = replace ? PictureFiler::Existing::Replace : PictureFiler::Existing::Keep;
    if (values.size() != 3)
        return StorageResult::failure(
            QStringLiteral("attach verwacht een naam, een positie en een bestand; ") + Usage);
    QString name;
    const QString &file = values.at(2);
    if (result = takeName(values.at(0), name); !result)
        return result;
    bool isNumber = false;
    const int position = values.at(1).toInt(&isNumber);
    // As in the program: the pictures are those of the name the loaded file
    // gives itself.
    RecordList records;
    QString collectionName;
    result = load(name, records, &collectionName);
    if (!result)
        return result;
    if (!isNumber || position < 1 || position > records.count())
        return StorageResult::failure(QStringLiteral("record '%1' bestaat niet (1 tot en met %2)")
                                          .arg(values.at(1))
                                          .arg(records.count()));
    const StampRecord &record = records.record(position - 1);
    const PictureFiler filer(m_folder, collectionName);
    QString path;
    result = filer.target(record, path);
    if (result && existing == PictureFiler::Existing::Keep && filer.hasPicture(record))
        result = StorageResult::failure(
            QStringLiteral("record %1 heeft al een afbeelding (%2); --replace vervangt haar")
                .arg(position)
                .arg(QDir::toNativeSeparators(path)));
    if (result)
        result = filer.fileFromFile(file, record, existing);
    if (!result)
        return StorageResult::failure(QStringLiteral("Afbeelding niet toegevoegd: ") + result.reason);
    m_out << QDir::toNativeSeparators(path) << '\n';
    return result;
}

StorageResult CliCommands::versions(const QStringList &arguments)
{
    QString name;
    const StorageResult result = singleName(QStringLiteral("versions"), arguments, name);
    if (!result)
        return result;
    const std::vector<CollectionVersions::Version> versions = CollectionVersions(m_folder).versions(name);
    if (versions.empty() && !CollectionFiles(m_folder, name).exists())
        return StorageResult::failure(QStringLiteral("Verzameling '%1' bestaat niet").arg(name));
    if (versions.empty())
        return StorageResult::failure(QStringLiteral("Verzameling '%1' heeft geen vorige versies").arg(name));
    for (const CollectionVersions::Version &version : versions)
        m_out << version.id << '\t' << version.recordCount << '\n';
    return result;
}

StorageResult CliCommands::restore(const QStringList &arguments)
{
    QStringList names;
    QString newName;
    bool force = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--force")) {
            force = true;
        } else if (argument == QLatin1String("--as")) {
            if (i + 1 == arguments.size())
                return StorageResult::failure(QStringLiteral("--as verwacht een naam"));
            newName = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--"))) {
            return StorageResult::failure(
                QStringLiteral("Onbekend argument voor restore: '%1'").arg(argument));
        } else {
            names.append(argument);
        }
    }
    if (names.size() != 2)
        return StorageResult::failure(QStringLiteral("restore verwacht een naam en een versie; ") + Usage);
    QString name;
    const QString &id = names.at(1);
    if (const StorageResult taken = takeName(names.at(0), name); !taken)
        return taken;
    name = CollectionFiles(m_folder, name).name();
    if (newName.isNull())
        newName = name;
    if (const StorageResult named = collectionToWrite(m_folder, newName, newName); !named)
        return named;

    const std::optional<CollectionVersions::Version> version = CollectionVersions(m_folder).find(name, id);
    if (!version)
        return StorageResult::failure(
            QStringLiteral("Verzameling '%1' heeft geen versie '%2' (zie versions)").arg(name, id));
    // A version holding another collection (line 2) would give this one its records.
    if (!CollectionName::sameCollection(version->storedName, name))
        return StorageResult::failure(QStringLiteral("Versie '%1' bevat verzameling '%2', niet '%3'")
                                          .arg(id, version->storedName, name));
    // Restoring over the collection itself keeps it as a version first; another
    // collection is replaced only when asked, as import does.
    const CollectionFiles target(m_folder, newName);
    if (!CollectionName::sameCollection(newName, name) && target.exists() && !force)
        return alreadyThere(newName);
    std::vector<StampRecord> read;
    StorageResult result = CollectionVersions::read(*version, read);
    if (!result)
        return StorageResult::failure(
            QStringLiteral("Versie '%1' kon niet worden gelezen: %2").arg(id, result.reason));
    if (read.empty())
        return StorageResult::failure(QStringLiteral("Versie '%1' bevat geen records").arg(id));
    // The collection it replaces is kept as a version first, so a restore can
    // itself be undone.
    result = target.restore(version->path, name, read);
    if (!result)
        return StorageResult::failure(
            QStringLiteral("Verzameling '%1' kon niet worden opgeslagen: %2").arg(newName, result.reason));
    return result;
}

StorageResult CliCommands::gaps(const QStringList &arguments)
{
    QStringList values;
    QString category;
    StorageResult result = valuesAndCategory(QStringLiteral("gaps"), arguments, values, category);
    if (!result)
        return result;
    if (values.size() < 2)
        return StorageResult::failure(QStringLiteral("gaps verwacht een naam en ten minste één reeks; ") +
                                      Usage);
    QString name;
    if (result = takeName(values.takeFirst(), name); !result)
        return result;
    // Every range is read before anything is written, so that a mistyped one gives no half list.
    for (const QString &range : values) {
        if (!CatalogueRange::read(range))
            return StorageResult::failure(QStringLiteral("Reeks '%1' kan niet worden gelezen").arg(range));
    }
    RecordList records;
    result = load(name, records);
    if (result)
        writeRows(m_out, WantList::of(records.records(), values, category).rows());
    return result;
}

StorageResult CliCommands::doubles(const QStringList &arguments)
{
    QStringList values;
    QString category;
    QString name;
    RecordList records;
    StorageResult result = valuesAndCategory(QStringLiteral("doubles"), arguments, values, category);
    if (result)
        result = singleName(QStringLiteral("doubles"), values, name);
    if (result)
        result = load(name, records);
    if (result)
        writeRows(m_out, TradeList::of(records.records(), category).rows());
    return result;
}

StorageResult CliCommands::load(const QString &name, RecordList &records, QString *collectionName)
{
    if (!CollectionFiles(m_folder, name).exists())
        return StorageResult::failure(QStringLiteral("Verzameling '%1' bestaat niet").arg(name));
    QString loadedName = name;
    const StorageResult result = LoadCollection(m_folder, name, records, loadedName);
    if (!result)
        return StorageResult::failure(
            QStringLiteral("Verzameling '%1' kon niet worden gelezen: %2").arg(name, result.reason));
    if (collectionName)
        *collectionName = loadedName;
    return result;
}
