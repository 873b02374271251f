#include "app/ShowCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/document/RecordList.h"

#include <QTextStream>

ShowCommand::ShowCommand()
    : OneNameCommand(QStringLiteral("show"),
                     CliText::tr("de records, een per regel, velden gescheiden door TAB"))
{}

StorageResult ShowCommand::runOn(const QString &name, const CliContext &context) const
{
    RecordList records;
    if (const StorageResult loaded = context.load(name, records); !loaded)
        return loaded;
    QTextStream &out = context.out();
    for (const StampRecord &record : records.records()) {
        for (int field = 0; field < StampRecord::FieldCount; ++field) {
            if (field > 0)
                out << '\t';
            out << record[field];
        }
        out << '\n';
    }
    return StorageResult::success();
}
