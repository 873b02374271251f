#include "app/ExportCsvCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"
#include "storage/folder/OutputFile.h"
#include "storage/formats/CsvFile.h"

ExportCsvCommand::ExportCsvCommand()
    : CliCommand(
          {.name = QStringLiteral("export-csv"),
           .summary = CliText::tr("schrijft verzameling NAAM als CSV-bestand, met een kolom per\n"
                                  "catalogussysteem van de nummers in andere catalogi"),
           .parameters = {collectionParameter(),
                          {QStringLiteral("BESTAND"), CliText::tr("het CSV-bestand dat wordt geschreven")}},
           .options = {
               CliOption::flag(QStringLiteral("force"), CliText::tr("overschrijft een bestaand BESTAND"))}})
{}

StorageResult ExportCsvCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 2)
        return context.usageError(CliText::tr("export-csv verwacht een naam en een bestand"));
    QString name;
    const QString &file = values.at(1);
    StorageResult result = CliContext::takeName(values.at(0), name);
    if (!result)
        return result;
    RecordList records;
    CatalogueEntries entries;
    result = context.load(name, records);
    if (result)
        result = context.loadCatalogue(name, entries);
    if (result)
        result = OutputFile::mayWrite(context.folder(), file, read.isSet(QStringLiteral("force")));
    if (result)
        result = OutputFile::replaceLink(file);
    if (!result)
        return result;
    result = CsvFile::write(file, records.records(), &entries);
    if (!result)
        return StorageResult::failure(
            CliText::tr("CSV-bestand '%1' kon niet worden geschreven: %2").arg(file, result.reason));
    return result;
}
