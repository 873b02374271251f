#include "app/ShowCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/document/RecordList.h"

ShowCommand::ShowCommand()
    : OneNameCommand(QStringLiteral("show"),
                     CliText::tr("de records, een per regel, velden gescheiden door TAB"))
{}

StorageResult ShowCommand::runOn(const QString &name, const CliContext &context) const
{
    RecordList records;
    if (const StorageResult loaded = context.load(name, records); !loaded)
        return loaded;
    for (const StampRecord &record : records.records())
        context.writeRecord(record);
    return StorageResult::success();
}
