#include "app/ImportCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/CollectionFiles.h"

ImportCommand::ImportCommand()
    : CliCommand(
          {.name = QStringLiteral("import"),
           .summary = CliText::tr("zet oude data NAAM.cat om in verzameling NIEUW"),
           .parameters = {{QStringLiteral("NAAM"), CliText::tr("de oude data NAAM.cat in de verzamelmap")}},
           .options = {CliOption::newName(CliText::tr("de naam van de nieuwe verzameling (anders NAAM)")),
                       CliOption::flag(QStringLiteral("force"),
                                       CliText::tr("vervangt een bestaande verzameling NIEUW"))},
           .extraValuesAreUnknown = true})
{}

StorageResult ImportCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.isEmpty())
        return context.usageError(CliText::tr("import verwacht de naam van oude data"));
    const QString &oldName = values.first();
    QString newName = read.isSet(QStringLiteral("as")) ? read.value(QStringLiteral("as")) : oldName;
    if (!CollectionName::isValid(oldName))
        return CliContext::invalidName(oldName);
    if (const StorageResult named = context.collectionToWrite(newName, newName); !named)
        return named;

    const ProgramFolder &folder = context.folder();
    if (!FileExists(folder.oldDataFile(oldName)))
        return StorageResult::failure(CliText::tr("Oude data '%1' bestaat niet").arg(oldName));
    const CollectionFiles collection(folder, newName);
    if (collection.exists() && !read.isSet(QStringLiteral("force")))
        return CliContext::alreadyThere(newName);

    RecordList records;
    const StorageResult imported = ImportOldData(folder, oldName, records);
    if (!imported)
        return StorageResult::failure(
            CliText::tr("Oude data '%1' kon niet worden gelezen: %2").arg(oldName, imported.reason));
    // The program saves only a list that holds records.
    if (records.count() == 0)
        return StorageResult::failure(CliText::tr("Oude data '%1' bevat geen records").arg(oldName));
    const StorageResult saved = collection.save(records.records());
    if (!saved)
        return StorageResult::failure(
            CliText::tr("Verzameling '%1' kon niet worden opgeslagen: %2").arg(newName, saved.reason));
    return StorageResult::success();
}
