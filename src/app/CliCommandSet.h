#pragma once

#include "app/CliCommand.h"

#include <memory>
#include <vector>

class ProgramFolder;
class QTextStream;

// Every command of tessaron2-cli, found by its name. The usage line and the
// help text are made from the commands' own declarations.
class CliCommandSet {
public:
    CliCommandSet();

    // "gebruik: tessaron2-cli [--home MAP] list [--old] | import NAAM ..."
    QString usage() const;
    // The answer to tessaron2-cli --help.
    QString help() const;

    // The command and its arguments, without the program name and --home;
    // output lines go to out, what went wrong comes back as one line of text.
    StorageResult run(const QStringList &arguments, const ProgramFolder &folder, QTextStream &out) const;

private:
    std::vector<std::unique_ptr<const CliCommand>> m_commands;
};
