#include "app/TotalsCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/document/PriceTotals.h"
#include "storage/document/RecordList.h"

#include <QLocale>
#include <QTextStream>

TotalsCommand::TotalsCommand()
    : OneNameCommand(QStringLiteral("totals"), CliText::tr("de catalogusprijs en de eigen prijs opgeteld"))
{}

StorageResult TotalsCommand::runOn(const QString &name, const CliContext &context) const
{
    RecordList records;
    if (const StorageResult loaded = context.load(name, records); !loaded)
        return loaded;
    for (const QString &line : PriceTotals::of(records).messageLines(QLocale()))
        context.out() << line << '\n';
    return StorageResult::success();
}
