#include "app/PrintPdfCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "printing/PrintCommand.h"
#include "storage/document/RecordList.h"

namespace {

QList<CliOption> printOptions()
{
    CliOption job = CliOption::value(QStringLiteral("job"), QStringLiteral("N"),
                                     CliText::tr("de opdracht: 1 lijst, 2 prijslijst, 3 recordblad,\n"
                                                 "4 sluitzegelvel, 5 jaartallen"));
    CliOption pdf = CliOption::value(QStringLiteral("pdf"), QStringLiteral("BESTAND"),
                                     CliText::tr("het PDF-bestand dat wordt geschreven"));
    job.required = true;
    pdf.required = true;
    return {job,
            pdf,
            CliOption::value(QStringLiteral("copies"), QStringLiteral("C"),
                             CliText::tr("het aantal exemplaren (ten hoogste 999)")),
            CliOption::value(QStringLiteral("record"), QStringLiteral("POS"),
                             CliText::tr("kiest record POS (vanaf 1) voor het recordblad")),
            CliOption::value(QStringLiteral("photo"), QStringLiteral("BESTAND"),
                             CliText::tr("de foto op het sluitzegelvel")),
            CliOption::flag(QStringLiteral("force"), CliText::tr("overschrijft een bestaand PDF-bestand"))};
}

} // namespace

PrintPdfCommand::PrintPdfCommand()
    : CliCommand({.name = QStringLiteral("print"),
                  .summary = CliText::tr("drukt opdracht N (1 tot 5) af in een PDF-bestand"),
                  .parameters = {collectionParameter()},
                  .options = printOptions()})
{}

StorageResult PrintPdfCommand::refuse(const CliArguments &read, const CliContext &context) const
{
    return run(read, context);
}

StorageResult PrintPdfCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList &given = read.given();
    if (given.isEmpty() || given.first().startsWith(QLatin1String("--")))
        return oneNameExpected(context);
    QString name;
    if (const StorageResult taken = CliContext::takeName(given.first(), name); !taken)
        return taken;
    RecordList records;
    QString collectionName;
    if (const StorageResult loaded = context.load(name, records, &collectionName); !loaded)
        return loaded;
    return PrintCommand(context.folder(), collectionName, records.records()).run(given.mid(1));
}
