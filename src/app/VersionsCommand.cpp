#include "app/VersionsCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionVersions.h"

#include <QTextStream>

VersionsCommand::VersionsCommand()
    : OneNameCommand(QStringLiteral("versions"),
                     CliText::tr("de bewaarde vorige versies van verzameling NAAM"))
{}

StorageResult VersionsCommand::runOn(const QString &name, const CliContext &context) const
{
    const std::vector<CollectionVersions::Version> versions =
        CollectionVersions(context.folder()).versions(name);
    if (versions.empty() && !CollectionFiles(context.folder(), name).exists())
        return StorageResult::failure(CliText::tr("Verzameling '%1' bestaat niet").arg(name));
    if (versions.empty())
        return StorageResult::failure(CliText::tr("Verzameling '%1' heeft geen vorige versies").arg(name));
    for (const CollectionVersions::Version &version : versions)
        context.out() << version.id << '\t' << version.recordCount << '\n';
    return StorageResult::success();
}
