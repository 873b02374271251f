#include "app/DoublesCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "catalogue/TradeList.h"
#include "storage/document/RecordList.h"

DoublesCommand::DoublesCommand()
    : CliCommand({.name = QStringLiteral("doubles"),
                  .summary = CliText::tr("ruillijst: de nummers die er meer dan eens zijn, met aantal"),
                  .parameters = {collectionParameter()},
                  .options = {CliOption::category()}})
{}

StorageResult DoublesCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 1)
        return oneNameExpected(context);
    QString name;
    RecordList records;
    StorageResult result = CliContext::takeName(values.first(), name);
    if (result)
        result = context.load(name, records);
    if (result)
        context.writeRows(TradeList::of(records.records(), read.value(QStringLiteral("category"))).rows());
    return result;
}
