#pragma once

#include "storage/StorageResult.h"

#include <QStringList>

#include <vector>

class CatalogueEntries;
class ProgramFolder;
class QTextStream;
class RecordList;
struct StampRecord;

// What every command works with: the program folder, the output and the
// usage line, and the checks of collection names the commands share.
class CliContext {
public:
    CliContext(const ProgramFolder &folder, QTextStream &out, const QString &usage);

    const ProgramFolder &folder() const;
    QTextStream &out() const;

    // Refused before any command works: a folder without collections or data
    // is no program folder.
    StorageResult programFolderUsable() const;
    // text, then the usage line.
    StorageResult usageError(const QString &text) const;

    // A name as given, taken in NFC (a name listed from a file stored
    // decomposed is the same name); refused when no collection can have it.
    static StorageResult takeName(const QString &given, QString &name);
    static StorageResult invalidName(const QString &given);
    // The collection a command is about to write: the existing one of that
    // name in any spelling, else a new one whose name must fit the disk.
    StorageResult collectionToWrite(const QString &given, QString &name) const;
    static StorageResult alreadyThere(const QString &name);
    // Loads an existing collection; a missing one is an error here. The name
    // the file gives itself goes to collectionName when asked for.
    StorageResult load(const QString &name, RecordList &records, QString *collectionName = nullptr) const;
    // The stamps' numbers in other systems of a collection loaded under name
    // (none without a file; a damaged file is kept aside as in the program).
    StorageResult loadCatalogue(const QString &name, CatalogueEntries &entries) const;
    // The row of a record given by its position (1-based) in the list.
    static StorageResult takePosition(const QString &given, const RecordList &records, int &row);
    // One line per row, its fields joined by TAB.
    void writeRows(const std::vector<QStringList> &rows) const;
    // The record's twelve fields joined by TAB on one line, after lead and a TAB when given.
    void writeRecord(const StampRecord &record, const QString &lead = {}) const;

private:
    const ProgramFolder &m_folder;
    QTextStream &m_out;
    QString m_usage;
};
