#pragma once

#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"

#include <QStringList>

class QTextStream;
class RecordList;

// The commands of tessaron2-cli. Each works on one program folder, writes its
// output lines to the stream and returns what went wrong, if anything, as one
// line of text.
class CliCommands {
public:
    CliCommands(const ProgramFolder &folder, QTextStream &out);

    // The command and its arguments, without the program name and --home.
    StorageResult run(const QStringList &arguments);

private:
    StorageResult list(const QStringList &arguments);
    StorageResult import(const QStringList &arguments);
    StorageResult show(const QStringList &arguments);
    StorageResult totals(const QStringList &arguments);
    StorageResult album(const QStringList &arguments);
    StorageResult print(const QStringList &arguments);
    StorageResult exportCsv(const QStringList &arguments);
    StorageResult importCsv(const QStringList &arguments);
    StorageResult importTellico(const QStringList &arguments);
    StorageResult attach(const QStringList &arguments);
    StorageResult versions(const QStringList &arguments);
    StorageResult restore(const QStringList &arguments);
    StorageResult gaps(const QStringList &arguments);
    StorageResult doubles(const QStringList &arguments);

    // Loads an existing collection; a missing one is an error here. The name
    // the file gives itself goes to collectionName when asked for.
    StorageResult load(const QString &name, RecordList &records, QString *collectionName = nullptr);

    ProgramFolder m_folder;
    QTextStream &m_out;
};
