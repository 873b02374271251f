#pragma once

#include "app/OneNameCommand.h"

// versions NAAM: the kept earlier versions of a collection, newest first.
class VersionsCommand : public OneNameCommand {
public:
    VersionsCommand();

protected:
    StorageResult runOn(const QString &name, const CliContext &context) const override;
};
