#include "app/CatalogueCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"
#include "storage/keeping/CollectionFiles.h"

#include <algorithm>

namespace {

const QString SetOption = QStringLiteral("set");
const QString ValueOption = QStringLiteral("value");
const QString EditionOption = QStringLiteral("edition");
const QString RemoveOption = QStringLiteral("remove");

// "Mi 535" is system Mi, number 535; "Mi535" the same, the system ending
// before the first digit.
StorageResult readSystemAndNumber(const QString &given, CatalogueEntry &entry)
{
    const QString text = given.trimmed();
    qsizetype end =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c.isSpace(); }) - text.begin();
    if (end == text.size())
        end = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }) - text.begin();
    entry.system = text.first(end);
    entry.number = text.sliced(end).trimmed();
    if (entry.system.isEmpty() || entry.number.isEmpty())
        return StorageResult::failure(
            CliText::tr("--set verwacht een systeem en een nummer (\"Mi 535\"), niet '%1'").arg(given));
    return StorageResult::success();
}

StorageResult checkStorable(const CatalogueEntry &entry)
{
    for (const QString &text : {entry.system, entry.number, entry.value, entry.edition}) {
        if (!CatalogueEntries::isStorable(text))
            return StorageResult::failure(
                CliText::tr("'%1' kan niet worden bewaard (geen TAB, regeleinde of teken buiten "
                            "Windows-1252)")
                    .arg(text));
    }
    return StorageResult::success();
}

} // namespace

CatalogueCommand::CatalogueCommand()
    : CliCommand(
          {.name = QStringLiteral("catalogue"),
           .summary = CliText::tr("de nummers van record POS in andere catalogi, een regel\n"
                                  "per nummer: systeem TAB nummer TAB waarde TAB uitgave;\n"
                                  "met --set of --remove gezet of verwijderd"),
           .parameters = {collectionParameter(),
                          {QStringLiteral("POS"),
                           CliText::tr("de plaats van het record in de lijst (vanaf 1)")}},
           .options = {
               CliOption::onceValue(SetOption, QStringLiteral("\"SYS NR\""),
                                    CliText::tr("zet nummer NR in systeem SYS (\"Mi 535\"); een regel\n"
                                                "van hetzelfde systeem en dezelfde uitgave wordt\n"
                                                "vervangen"),
                                    CliText::tr("--set verwacht één systeem met nummer")),
               CliOption::onceValue(ValueOption, QStringLiteral("WAARDE"),
                                    CliText::tr("de waarde in die catalogus, zoals getypt (met --set)"),
                                    CliText::tr("--value verwacht één waarde")),
               CliOption::onceValue(EditionOption, QStringLiteral("JAAR"),
                                    CliText::tr("het jaar van de uitgave van die catalogus (met --set)"),
                                    CliText::tr("--edition verwacht één jaar")),
               CliOption::onceValue(RemoveOption, QStringLiteral("SYS"),
                                    CliText::tr("verwijdert alle regels van systeem SYS"),
                                    CliText::tr("--remove verwacht één systeem"))}})
{}

StorageResult CatalogueCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.size() != 2)
        return context.usageError(CliText::tr("catalogue verwacht een naam en een positie"));
    const bool setting = read.isSet(SetOption);
    const bool removing = read.isSet(RemoveOption);
    if (setting && removing)
        return context.usageError(CliText::tr("--set en --remove gaan niet samen"));
    if (!setting && (read.isSet(ValueOption) || read.isSet(EditionOption)))
        return context.usageError(CliText::tr("--value en --edition horen bij --set"));

    CatalogueEntry given;
    StorageResult result = StorageResult::success();
    if (setting) {
        result = readSystemAndNumber(read.value(SetOption), given);
        given.value = read.value(ValueOption).trimmed();
        given.edition = read.value(EditionOption).trimmed();
    } else if (removing) {
        given.system = read.value(RemoveOption).trimmed();
    }
    if (result)
        result = checkStorable(given);
    QString name;
    if (result)
        result = CliContext::takeName(values.at(0), name);
    RecordList records;
    if (result)
        result = context.load(name, records);
    int row = 0;
    if (result)
        result = CliContext::takePosition(values.at(1), records, row);
    CatalogueEntries entries;
    if (result)
        result = context.loadCatalogue(name, entries);
    if (!result)
        return result;

    const QString key = CatalogueEntries::keyOf(records.record(row));
    CatalogueEntries::List stamp = entries.of(key);
    if (!setting && !removing) {
        for (const CatalogueEntry &entry : CatalogueEntries::ordered(stamp))
            context.writeRows({{entry.system, entry.number, entry.value, entry.edition}});
        return result;
    }
    const qsizetype removed = stamp.removeIf([&](const CatalogueEntry &entry) {
        return CatalogueEntries::sameSystem(entry.system, given.system) &&
               (removing || entry.edition == given.edition);
    });
    if (removing && removed == 0)
        return StorageResult::failure(
            CliText::tr("record %1 heeft geen nummer van systeem '%2'").arg(row + 1).arg(given.system));
    if (setting)
        stamp.append(given);
    entries.set(key, CatalogueEntries::ordered(stamp));
    result = CollectionFiles(context.folder(), name).writeCatalogue(entries);
    if (!result)
        return StorageResult::failure(
            CliText::tr("Catalogusnummers van '%1' konden niet worden opgeslagen: %2")
                .arg(name, result.reason));
    return result;
}
