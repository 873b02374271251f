#include "app/ListCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/folder/CollectionListing.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/ProgramFolder.h"

#include <QDir>
#include <QTextStream>

ListCommand::ListCommand()
    : CliCommand({.name = QStringLiteral("list"),
                  .summary = CliText::tr("namen van de verzamelingen (--old: van de oude data)"),
                  .options = {CliOption::flag(QStringLiteral("old"),
                                              CliText::tr("de namen van de oude data (NAAM.cat)"))},
                  .extraValuesAreUnknown = true})
{}

StorageResult ListCommand::run(const CliArguments &read, const CliContext &context) const
{
    const ProgramFolder &folder = context.folder();
    // An empty list would hide a mistyped --home.
    if (!FolderExists(folder.collectionFolder()))
        return StorageResult::failure(CliText::tr("Verzamelmap '%1' bestaat niet")
                                          .arg(QDir::toNativeSeparators(folder.collectionFolder())));
    const QStringList names = read.isSet(QStringLiteral("old")) ? CollectionListing::oldDataNames(folder)
                                                                : CollectionListing::collectionNames(folder);
    for (const QString &name : names)
        context.out() << name << '\n';
    return StorageResult::success();
}
