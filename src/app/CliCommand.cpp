#include "app/CliCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"

#include <QTextStream>

#include <utility>

namespace {

// Where the text of a help entry begins.
constexpr qsizetype TextColumn = 36;

} // namespace

CliCommand::CliCommand(Declaration declaration)
    : m_declaration(std::move(declaration))
{}

const QString &CliCommand::name() const
{
    return m_declaration.name;
}

const QString &CliCommand::summary() const
{
    return m_declaration.summary;
}

QString CliCommand::synopsis() const
{
    QStringList parts{m_declaration.name};
    for (const CliParameter &parameter : m_declaration.parameters)
        parts.append(parameter.syntax);
    for (const CliOption &option : m_declaration.options)
        parts.append(option.synopsis());
    return parts.join(u' ');
}

QString CliCommand::help() const
{
    QString text = usageLine(synopsis()) + u'\n' + m_declaration.summary + QStringLiteral("\n\n");
    for (const CliParameter &parameter : m_declaration.parameters)
        text += helpEntry(parameter.syntax, parameter.description);
    for (const CliOption &option : m_declaration.options + QList<CliOption>{CliArguments::helpOption()})
        text += helpEntry(option.term(), option.definition.description());
    return text;
}

StorageResult CliCommand::execute(const QStringList &arguments, const CliContext &context) const
{
    const CliArguments read(arguments, m_declaration.options,
                            m_declaration.extraValuesAreUnknown ? m_declaration.parameters.size() : -1);
    if (read.helpAsked()) {
        context.out() << help();
        return StorageResult::success();
    }
    if (const StorageResult usable = context.programFolderUsable(); !usable)
        return usable;
    if (read.problem() != CliArguments::Problem::None)
        return refuse(read, context);
    return run(read, context);
}

QString CliCommand::usageLine(const QString &synopses)
{
    return CliText::tr("gebruik: tessaron2-cli [--home MAP] %1").arg(synopses);
}

QString CliCommand::helpEntry(const QString &term, const QString &text)
{
    const QString indent(TextColumn, u' ');
    QString entry = QStringLiteral("  ") + term;
    entry += entry.size() < TextColumn ? QString(TextColumn - entry.size(), u' ') : u'\n' + indent;
    return entry + QString(text).replace(u'\n', u'\n' + indent) + u'\n';
}

StorageResult CliCommand::refuse(const CliArguments &read, const CliContext &) const
{
    if (read.problem() == CliArguments::Problem::RefusedValue)
        return StorageResult::failure(read.valueRefusal());
    return StorageResult::failure(
        CliText::tr("Onbekend argument voor %1: '%2'").arg(name(), read.unknownArgument()));
}

StorageResult CliCommand::oneNameExpected(const CliContext &context) const
{
    return context.usageError(CliText::tr("%1 verwacht precies één naam").arg(name()));
}

CliParameter CliCommand::collectionParameter()
{
    return {QStringLiteral("NAAM"), CliText::tr("de naam van de verzameling")};
}
