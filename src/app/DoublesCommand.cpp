#include "app/DoublesCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "catalogue/TradeList.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"

#include <algorithm>

namespace {

const QString SystemOption = QStringLiteral("system");

} // namespace

DoublesCommand::DoublesCommand()
    : CliCommand({.name = QStringLiteral("doubles"),
                  .summary = CliText::tr("ruillijst: de nummers die er meer dan eens zijn, met aantal"),
                  .parameters = {collectionParameter()},
                  .options = {
                      CliOption::category(),
                      CliOption::onceValue(SystemOption, QStringLiteral("SYS"),
                                           CliText::tr("telt per nummer in catalogus SYS (\"Mi\") in plaats\n"
                                                       "van per Cat.nr."),
                                           CliText::tr("--system verwacht één systeem"))}})
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
    const QString system = read.value(SystemOption).trimmed();
    CatalogueEntries entries;
    if (result && read.isSet(SystemOption)) {
        result = context.loadCatalogue(name, entries);
        const QStringList inUse = entries.systemsInUse();
        if (result && std::none_of(inUse.cbegin(), inUse.cend(), [&system](const QString &known) {
                return CatalogueEntries::sameSystem(known, system);
            }))
            result = StorageResult::failure(
                CliText::tr("Verzameling '%1' heeft geen nummers van systeem '%2'").arg(name, system));
    }
    if (result)
        context.writeRows(
            TradeList::of(records.records(), read.value(QStringLiteral("category")), &entries, system)
                .rows());
    return result;
}
