#include "app/CliCommandSet.h"

#include "app/AlbumCommand.h"
#include "app/AttachCommand.h"
#include "app/CatalogueCommand.h"
#include "app/CliContext.h"
#include "app/CliText.h"
#include "app/DoublesCommand.h"
#include "app/ExportCsvCommand.h"
#include "app/FindCommand.h"
#include "app/GapsCommand.h"
#include "app/ImportColnectCommand.h"
#include "app/ImportCommand.h"
#include "app/ImportCsvCommand.h"
#include "app/ImportTellicoCommand.h"
#include "app/ListCommand.h"
#include "app/PrintPdfCommand.h"
#include "app/RestoreCommand.h"
#include "app/ShowCommand.h"
#include "app/TotalsCommand.h"
#include "app/VersionsCommand.h"

#include <algorithm>

CliCommandSet::CliCommandSet()
{
    // In the order of the usage line and the help.
    m_commands.push_back(std::make_unique<ListCommand>());
    m_commands.push_back(std::make_unique<ImportCommand>());
    m_commands.push_back(std::make_unique<ShowCommand>());
    m_commands.push_back(std::make_unique<TotalsCommand>());
    m_commands.push_back(std::make_unique<AlbumCommand>());
    m_commands.push_back(std::make_unique<PrintPdfCommand>());
    m_commands.push_back(std::make_unique<ExportCsvCommand>());
    m_commands.push_back(std::make_unique<ImportCsvCommand>());
    m_commands.push_back(std::make_unique<ImportTellicoCommand>());
    m_commands.push_back(std::make_unique<ImportColnectCommand>());
    m_commands.push_back(std::make_unique<AttachCommand>());
    m_commands.push_back(std::make_unique<VersionsCommand>());
    m_commands.push_back(std::make_unique<RestoreCommand>());
    m_commands.push_back(std::make_unique<GapsCommand>());
    m_commands.push_back(std::make_unique<DoublesCommand>());
    m_commands.push_back(std::make_unique<CatalogueCommand>());
    m_commands.push_back(std::make_unique<FindCommand>());
}

QString CliCommandSet::usage() const
{
    QStringList synopses;
    for (const auto &command : m_commands)
        synopses.append(command->synopsis());
    return CliCommand::usageLine(synopses.join(QStringLiteral(" | ")));
}

QString CliCommandSet::help() const
{
    QString text = CliText::tr("gebruik: tessaron2-cli [--home MAP] COMMANDO ARGUMENTEN...\n"
                               "Werkt zonder venster op de programmamap van Tessaron2.\n"
                               "\n");
    for (const auto &command : m_commands)
        text += CliCommand::helpEntry(command->synopsis(), command->summary());
    text +=
        CliCommand::helpEntry(CliText::tr("COMMANDO --help"), CliText::tr("toont de hulp bij dat commando"));
    text += CliCommand::helpEntry(QStringLiteral("--language nl|en|de"),
                                  CliText::tr("spreekt Nederlands, Engels of Duits (meldingen, hulp\n"
                                              "en afdrukken), boven de gekozen taal en het systeem"));
    text +=
        CliCommand::helpEntry(QStringLiteral("--help"), CliArguments::helpOption().definition.description());
    text += CliCommand::helpEntry(QStringLiteral("--version"), CliText::tr("toont de versie"));
    return text +
           CliText::tr(
               "\n"
               "De programmamap is MAP van --home, anders $TESSARON2_HOME, anders de map van het\n"
               "programma als die een map Verzameling bevat, anders ~/Tessaron2, die bij de eerste\n"
               "start wordt gevuld met de demoverzameling. Afsluitstatus 0 bij succes, anders niet 0\n"
               "met een regel op standaardfout.\n"
               "Een bestaand bestand of een andere bestaande verzameling wordt alleen met --force\n"
               "overschreven; een bestand .col of .cat van de verzamelmap nooit door export of print.\n");
}

StorageResult CliCommandSet::run(const QStringList &arguments, const ProgramFolder &folder,
                                 QTextStream &out) const
{
    const CliContext context(folder, out, usage());
    const QString given = arguments.value(0);
    const auto command = std::find_if(m_commands.cbegin(), m_commands.cend(),
                                      [&given](const auto &known) { return known->name() == given; });
    if (command != m_commands.cend())
        return (*command)->execute(arguments.mid(1), context);
    if (const StorageResult usable = context.programFolderUsable(); !usable)
        return usable;
    if (arguments.isEmpty())
        return context.usageError(CliText::tr("Geen commando gegeven"));
    return context.usageError(CliText::tr("Onbekend commando '%1'").arg(given));
}
