#pragma once

#include "app/OneNameCommand.h"

// show NAAM: the records as loaded, one a line, the twelve fields joined by TAB.
class ShowCommand : public OneNameCommand {
public:
    ShowCommand();

protected:
    StorageResult runOn(const QString &name, const CliContext &context) const override;
};
