#include "app/RestoreCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/folder/CollectionName.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionVersions.h"

RestoreCommand::RestoreCommand()
    : CliCommand(
          {.name = QStringLiteral("restore"),
           .summary = CliText::tr("schrijft die versie als verzameling NIEUW (of NAAM)"),
           .parameters = {collectionParameter(),
                          {QStringLiteral("VERSIE"), CliText::tr("een versie zoals versions haar noemt")}},
           .options = {CliOption::newName(
                           CliText::tr("de naam van de verzameling die wordt geschreven (anders NAAM)")),
                       CliOption::flag(QStringLiteral("force"),
                                       CliText::tr("vervangt een andere bestaande verzameling NIEUW"))}})
{}

StorageResult RestoreCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 2)
        return context.usageError(CliText::tr("restore verwacht een naam en een versie"));
    QString name;
    const QString &id = values.at(1);
    if (const StorageResult taken = CliContext::takeName(values.at(0), name); !taken)
        return taken;
    const ProgramFolder &folder = context.folder();
    name = CollectionFiles(folder, name).name();
    QString newName = read.isSet(QStringLiteral("as")) ? read.value(QStringLiteral("as")) : name;
    if (const StorageResult named = context.collectionToWrite(newName, newName); !named)
        return named;

    const std::optional<CollectionVersions::Version> version = CollectionVersions(folder).find(name, id);
    if (!version)
        return StorageResult::failure(
            CliText::tr("Verzameling '%1' heeft geen versie '%2' (zie versions)").arg(name, id));
    // A version holding another collection (line 2) would give this one its records.
    if (!CollectionName::sameCollection(version->storedName, name))
        return StorageResult::failure(
            CliText::tr("Versie '%1' bevat verzameling '%2', niet '%3'").arg(id, version->storedName, name));
    // Restoring over the collection itself keeps it as a version first; another
    // collection is replaced only when asked, as import does.
    const CollectionFiles target(folder, newName);
    if (!CollectionName::sameCollection(newName, name) && target.exists() &&
        !read.isSet(QStringLiteral("force")))
        return CliContext::alreadyThere(newName);
    std::vector<StampRecord> records;
    StorageResult result = CollectionVersions::read(*version, records);
    if (!result)
        return StorageResult::failure(
            CliText::tr("Versie '%1' kon niet worden gelezen: %2").arg(id, result.reason));
    if (records.empty())
        return StorageResult::failure(CliText::tr("Versie '%1' bevat geen records").arg(id));
    // The collection it replaces is kept as a version first, so a restore can
    // itself be undone.
    result = target.restore(version->path, name, records);
    if (!result)
        return StorageResult::failure(
            CliText::tr("Verzameling '%1' kon niet worden opgeslagen: %2").arg(newName, result.reason));
    return result;
}
