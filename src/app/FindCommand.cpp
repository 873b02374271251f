#include "app/FindCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordSearch.h"

FindCommand::FindCommand()
    : CliCommand({.name = QStringLiteral("find"),
                  .summary = CliText::tr("de records die TEKST bevatten (hoofdletters tellen\n"
                                         "niet mee) of een nummer in een andere catalogus\n"
                                         "(\"mi535\"): een regel per record, de positie TAB het\n"
                                         "record zoals show het toont"),
                  .parameters = {collectionParameter(),
                                 {QStringLiteral("TEKST"), CliText::tr("de tekst die wordt gezocht")}},
                  .extraValuesAreUnknown = true})
{}

StorageResult FindCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 2 || values.at(1).isEmpty())
        return context.usageError(CliText::tr("find verwacht een naam en een tekst"));
    QString name;
    StorageResult result = CliContext::takeName(values.at(0), name);
    RecordList records;
    if (result)
        result = context.load(name, records);
    CatalogueEntries entries;
    if (result)
        result = context.loadCatalogue(name, entries);
    if (!result)
        return result;
    for (const int row : RecordSearch::findAll(records, values.at(1), &entries))
        context.writeRecord(records.record(row), QString::number(row + 1));
    return result;
}
