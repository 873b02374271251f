#include "app/OneNameCommand.h"

#include "app/CliContext.h"

OneNameCommand::OneNameCommand(const QString &name, const QString &summary)
    : CliCommand({.name = name, .summary = summary, .parameters = {collectionParameter()}})
{}

StorageResult OneNameCommand::refuse(const CliArguments &, const CliContext &context) const
{
    return oneNameExpected(context);
}

StorageResult OneNameCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 1)
        return oneNameExpected(context);
    QString name;
    if (const StorageResult taken = CliContext::takeName(values.first(), name); !taken)
        return taken;
    return runOn(name, context);
}
