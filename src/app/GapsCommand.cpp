#include "app/GapsCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "catalogue/WantList.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"

GapsCommand::GapsCommand()
    : CliCommand({.name = QStringLiteral("gaps"),
                  .summary = CliText::tr("mancolijst: per reeks (\"MBund 1-20\", \"LP1-LP15\",\n"
                                         "\"NVPH 123a\") de ontbrekende nummers en hun aantal;\n"
                                         "een reeks van een ander catalogussysteem (\"Mi 570-592\")\n"
                                         "telt de nummers in dat systeem als geen eigen Cat.nr.\n"
                                         "dat voorvoegsel heeft"),
                  .parameters = {collectionParameter(),
                                 {QStringLiteral("REEKS..."),
                                  CliText::tr("reeksen (\"1-20\", \"LP1-LP15\") of catalogusnummers")}},
                  .options = {CliOption::category()}})
{}

StorageResult GapsCommand::run(const CliArguments &read, const CliContext &context) const
{
    QStringList values = read.values();
    if (values.size() < 2)
        return context.usageError(CliText::tr("gaps verwacht een naam en ten minste één reeks"));
    QString name;
    StorageResult result = CliContext::takeName(values.takeFirst(), name);
    if (!result)
        return result;
    // Every range is read before anything is written, so that a mistyped one gives no half list.
    for (const QString &range : values) {
        if (!CatalogueRange::read(range))
            return StorageResult::failure(CliText::tr("Reeks '%1' kan niet worden gelezen").arg(range));
    }
    RecordList records;
    CatalogueEntries entries;
    result = context.load(name, records);
    if (result)
        result = context.loadCatalogue(name, entries);
    if (result)
        context.writeRows(
            WantList::of(records.records(), values, read.value(QStringLiteral("category")), &entries).rows());
    return result;
}
