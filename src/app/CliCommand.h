#pragma once

#include "app/CliArguments.h"
#include "app/CliOption.h"
#include "app/CliParameter.h"
#include "storage/StorageResult.h"

#include <QList>
#include <QString>

class CliContext;

// One command of tessaron2-cli: its name, what it does, the values and options
// it declares, and its work. The usage line, the help texts and the reading of
// the arguments are all made from those declarations.
class CliCommand {
public:
    struct Declaration {
        QString name;
        // What the command does, for the help texts; "\n" continues on a new line.
        QString summary;
        QList<CliParameter> parameters = {};
        QList<CliOption> options = {};
        // Whether values past the parameters are unknown arguments; otherwise
        // the command counts them itself.
        bool extraValuesAreUnknown = false;
    };

    explicit CliCommand(Declaration declaration);
    virtual ~CliCommand() = default;

    const QString &name() const;
    const QString &summary() const;

    // "import NAAM [--as NIEUW] [--force]"
    QString synopsis() const;
    // The answer to COMMAND --help.
    QString help() const;

    // Reads the arguments and answers --help, or refuses what it cannot read,
    // or does the work.
    StorageResult execute(const QStringList &arguments, const CliContext &context) const;

    // "gebruik: tessaron2-cli [--home MAP] " and the synopses.
    static QString usageLine(const QString &synopses);
    // One entry of a help text: the term, and its text from column 37 on.
    static QString helpEntry(const QString &term, const QString &text);

protected:
    // The message for the first argument that could not be read.
    virtual StorageResult refuse(const CliArguments &read, const CliContext &context) const;
    virtual StorageResult run(const CliArguments &read, const CliContext &context) const = 0;

    // "<name> verwacht precies één naam", then the usage line.
    StorageResult oneNameExpected(const CliContext &context) const;
    // NAAM, the collection a command works on.
    static CliParameter collectionParameter();

private:
    Declaration m_declaration;
};
