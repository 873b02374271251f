#include "app/ImportColnectCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "importing/ColnectImport.h"
#include "storage/folder/FileHelpers.h"

#include <QTextStream>

ImportColnectCommand::ImportColnectCommand()
    : CliCommand(
          {.name = QStringLiteral("import-colnect"),
           .summary = CliText::tr("schrijft verzameling NAAM (--per-country: een per land)\n"
                                  "uit een lijst die uit Colnect is geëxporteerd (CSV);\n"
                                  "--update werkt bestaande verzamelingen bij,\n"
                                  "--dry-run toont het verslag en schrijft niets"),
           .parameters = {{QStringLiteral("BESTAND"), CliText::tr("de lijst uit Colnect (.csv)")},
                          collectionParameter()},
           .options = {
               CliOption::flag(QStringLiteral("per-country"),
                               CliText::tr("een verzameling per land; zonder land in NAAM")),
               CliOption::value(QStringLiteral("catalogue"), QStringLiteral("SYS"),
                                CliText::tr("de catalogus van Cat.nr.: Mi (standaard), Sn, Yt, Sg, ..."),
                                CliText::tr("--catalogue verwacht een catalogus, zoals Mi of Yt")),
               CliOption::flag(QStringLiteral("update"),
                               CliText::tr("werkt bestaande verzamelingen bij op hun Colnect-nummers")),
               CliOption::flag(QStringLiteral("force"), CliText::tr("vervangt bestaande verzamelingen")),
               CliOption::flag(QStringLiteral("dry-run"),
                               CliText::tr("toont het verslag en schrijft niets"))}})
{}

StorageResult ImportColnectCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 2)
        return context.usageError(CliText::tr("import-colnect verwacht een bestand en een naam"));
    const QString &file = values.at(0);
    ColnectImport::Options options;
    options.perCountry = read.isSet(QStringLiteral("per-country"));
    options.update = read.isSet(QStringLiteral("update"));
    if (read.isSet(QStringLiteral("catalogue")))
        options.system = read.value(QStringLiteral("catalogue")).trimmed();
    if (options.system.isEmpty())
        return context.usageError(CliText::tr("--catalogue verwacht een catalogus, zoals Mi of Yt"));
    if (const StorageResult named = context.collectionToWrite(values.at(1), options.name); !named)
        return named;
    if (!FileExists(file))
        return StorageResult::failure(CliText::tr("Colnect-bestand '%1' bestaat niet").arg(file));

    ColnectImport import;
    StorageResult result = import.read(file);
    if (!result)
        return StorageResult::failure(
            CliText::tr("Colnect-bestand '%1' kan niet worden geïmporteerd: %2").arg(file, result.reason));
    const QStringList existing = import.existingCollections(context.folder(), options);
    if (!existing.isEmpty() && !options.update && !read.isSet(QStringLiteral("force")))
        return CliContext::alreadyThere(existing.join(QStringLiteral("', '")));
    ColnectImport::Report report;
    result = import.write(context.folder(), options, read.isSet(QStringLiteral("dry-run")), report);
    if (!result)
        return result;
    QTextStream &out = context.out();
    const auto line = [&](const ColnectImport::Count &count) {
        out << count.name << '\t' << count.records;
        if (options.update)
            out << '\t' << count.changed << '\t' << count.unchanged;
        out << '\n';
    };
    for (const ColnectImport::Count &count : report.collections)
        line(count);
    line(report.total);
    for (const QString &note : report.notes)
        out << CliText::tr("Let op: %1").arg(note) << '\n';
    return result;
}
