#include "app/ImportTellicoCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "importing/TellicoImport.h"
#include "storage/folder/FileHelpers.h"

#include <QTextStream>

ImportTellicoCommand::ImportTellicoCommand()
    : CliCommand(
          {.name = QStringLiteral("import-tellico"),
           .summary = CliText::tr("schrijft verzameling NAAM (--per-country: een per land)\n"
                                  "met de afbeeldingen uit een Tellico-bestand (.tc of .xml);\n"
                                  "--dry-run toont het verslag en schrijft niets"),
           .parameters = {{QStringLiteral("BESTAND"), CliText::tr("het Tellico-bestand (.tc of .xml)")},
                          collectionParameter()},
           .options = {
               CliOption::flag(QStringLiteral("per-country"),
                               CliText::tr("een verzameling per land; zonder land in NAAM")),
               CliOption::flag(QStringLiteral("force"), CliText::tr("vervangt bestaande verzamelingen")),
               CliOption::flag(QStringLiteral("dry-run"),
                               CliText::tr("toont het verslag en schrijft niets"))}})
{}

StorageResult ImportTellicoCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 2)
        return context.usageError(CliText::tr("import-tellico verwacht een bestand en een naam"));
    const QString &file = values.at(0);
    TellicoImport::Options options;
    options.perCountry = read.isSet(QStringLiteral("per-country"));
    if (const StorageResult named = context.collectionToWrite(values.at(1), options.name); !named)
        return named;
    if (!FileExists(file))
        return StorageResult::failure(CliText::tr("Tellico-bestand '%1' bestaat niet").arg(file));

    TellicoImport import;
    StorageResult result = import.read(file);
    if (!result)
        return StorageResult::failure(
            CliText::tr("Tellico-bestand '%1' kan niet worden geïmporteerd: %2").arg(file, result.reason));
    const QStringList existing = import.existingCollections(context.folder(), options);
    if (!existing.isEmpty() && !read.isSet(QStringLiteral("force")))
        return CliContext::alreadyThere(existing.join(QStringLiteral("', '")));
    TellicoImport::Report report;
    result = import.write(context.folder(), options, read.isSet(QStringLiteral("dry-run")), report);
    if (!result)
        return result;
    QTextStream &out = context.out();
    for (const TellicoImport::Count &count : report.collections)
        out << count.name << '\t' << count.records << '\t' << count.pictures << '\n';
    out << report.total.name << '\t' << report.total.records << '\t' << report.total.pictures << '\n';
    for (const QString &note : report.notes)
        out << CliText::tr("Let op: %1").arg(note) << '\n';
    return result;
}
