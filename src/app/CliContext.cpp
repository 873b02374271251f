#include "app/CliContext.h"

#include "app/CliText.h"
#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/CollectionFiles.h"

#include <QTextStream>

CliContext::CliContext(const ProgramFolder &folder, QTextStream &out, const QString &usage)
    : m_folder(folder)
    , m_out(out)
    , m_usage(usage)
{}

const ProgramFolder &CliContext::folder() const
{
    return m_folder;
}

QTextStream &CliContext::out() const
{
    return m_out;
}

StorageResult CliContext::programFolderUsable() const
{
    if (m_folder.holdsProgramData())
        return StorageResult::success();
    return StorageResult::failure(
        CliText::tr("Geen programmamap: %1 bevat geen map Verzameling of Data (start tessaron2 --home "
                    "met die map om haar te vullen)")
            .arg(m_folder.root()));
}

StorageResult CliContext::usageError(const QString &text) const
{
    return StorageResult::failure(text + QStringLiteral("; ") + m_usage);
}

StorageResult CliContext::takeName(const QString &given, QString &name)
{
    name = CollectionName::normalized(given);
    return CollectionName::isValid(name) ? StorageResult::success() : invalidName(given);
}

StorageResult CliContext::invalidName(const QString &given)
{
    return StorageResult::failure(CliText::tr("Ongeldige naam voor een verzameling: '%1'").arg(given));
}

StorageResult CliContext::collectionToWrite(const QString &given, QString &name) const
{
    if (const StorageResult taken = takeName(given, name); !taken)
        return taken;
    const CollectionFiles collection(m_folder, name);
    name = collection.name();
    if (const StorageResult fits = CollectionFiles::checkLength(m_folder, name); !fits)
        return StorageResult::failure(
            CliText::tr("Ongeldige naam voor een verzameling: '%1': %2").arg(given, fits.reason));
    return StorageResult::success();
}

StorageResult CliContext::alreadyThere(const QString &name)
{
    return StorageResult::failure(
        CliText::tr("Verzameling '%1' bestaat reeds; --force overschrijft haar").arg(name));
}

StorageResult CliContext::load(const QString &name, RecordList &records, QString *collectionName) const
{
    if (!CollectionFiles(m_folder, name).exists())
        return StorageResult::failure(CliText::tr("Verzameling '%1' bestaat niet").arg(name));
    QString loadedName = name;
    const StorageResult result = LoadCollection(m_folder, name, records, loadedName);
    if (!result)
        return StorageResult::failure(
            CliText::tr("Verzameling '%1' kon niet worden gelezen: %2").arg(name, result.reason));
    if (collectionName)
        *collectionName = loadedName;
    return result;
}

StorageResult CliContext::loadCatalogue(const QString &name, CatalogueEntries &entries) const
{
    const StorageResult result = CollectionFiles(m_folder, name).readCatalogue(entries).result;
    if (!result)
        return StorageResult::failure(
            CliText::tr("Catalogusnummers van '%1' konden niet worden gelezen: %2").arg(name, result.reason));
    return result;
}

StorageResult CliContext::takePosition(const QString &given, const RecordList &records, int &row)
{
    bool isNumber = false;
    const int position = given.toInt(&isNumber);
    if (!isNumber || position < 1 || position > records.count())
        return StorageResult::failure(
            CliText::tr("record '%1' bestaat niet (1 tot en met %2)").arg(given).arg(records.count()));
    row = position - 1;
    return StorageResult::success();
}

void CliContext::writeRows(const std::vector<QStringList> &rows) const
{
    for (const QStringList &row : rows)
        m_out << row.join(u'\t') << '\n';
}

void CliContext::writeRecord(const StampRecord &record, const QString &lead) const
{
    if (!lead.isEmpty())
        m_out << lead << '\t';
    for (int field = 0; field < StampRecord::FieldCount; ++field) {
        if (field > 0)
            m_out << '\t';
        m_out << record[field];
    }
    m_out << '\n';
}
