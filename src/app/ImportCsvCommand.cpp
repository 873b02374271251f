#include "app/ImportCsvCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/folder/FileHelpers.h"
#include "storage/formats/CsvFile.h"
#include "storage/formats/CsvMapping.h"
#include "storage/keeping/CollectionFiles.h"

#include <QTextStream>

ImportCsvCommand::ImportCsvCommand()
    : CliCommand(
          {.name = QStringLiteral("import-csv"),
           .summary = CliText::tr("schrijft verzameling NAAM uit een CSV-bestand; kolommen met de naam\n"
                                  "van een catalogussysteem (\"Mi\") worden nummers in andere catalogi"),
           .parameters = {{QStringLiteral("BESTAND"), CliText::tr("het CSV-bestand")}, collectionParameter()},
           .options = {CliOption::flag(QStringLiteral("force"),
                                       CliText::tr("vervangt een bestaande verzameling NAAM"))}})
{}

StorageResult ImportCsvCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 2)
        return context.usageError(CliText::tr("import-csv verwacht een bestand en een naam"));
    const QString &file = values.at(0);
    QString name;
    if (const StorageResult named = context.collectionToWrite(values.at(1), name); !named)
        return named;
    if (!FileExists(file))
        return StorageResult::failure(CliText::tr("CSV-bestand '%1' bestaat niet").arg(file));
    const CollectionFiles collection(context.folder(), name);
    if (collection.exists() && !read.isSet(QStringLiteral("force")))
        return CliContext::alreadyThere(name);

    CsvFile::Table table;
    StorageResult result = CsvFile::read(file, table);
    if (!result)
        return StorageResult::failure(
            CliText::tr("CSV-bestand '%1' kon niet worden gelezen: %2").arg(file, result.reason));
    CsvMapping::Result imported = CsvMapping::preset(table).records(table, CsvMapping::hasHeader(table));
    if (imported.records.empty())
        return StorageResult::failure(CliText::tr("CSV-bestand '%1' bevat geen records").arg(file));
    // Without system columns the collection's own numbers in other systems stay.
    result = collection.save(imported.records, {}, nullptr,
                             imported.entries.isEmpty() ? nullptr : &imported.entries);
    if (!result)
        return StorageResult::failure(
            CliText::tr("Verzameling '%1' kon niet worden opgeslagen: %2").arg(name, result.reason));
    if (imported.replacedCharacters > 0)
        context.out() << CliText::tr(
                             "Let op: tekens die een verzameling niet kan bewaren, vervangen door '?': %1")
                             .arg(imported.replacedCharacters)
                      << '\n';
    return result;
}
