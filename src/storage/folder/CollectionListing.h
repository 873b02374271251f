#pragma once

#include <QStringList>

class ProgramFolder;

// The names the open dialog offers: the files of the collection folder with the
// mode's extension, ordered by file name without regard to letter case, each
// listed without its extension.
namespace CollectionListing {

QStringList collectionNames(const ProgramFolder &folder); // *.col
QStringList oldDataNames(const ProgramFolder &folder);    // *.cat

// The picture folder that deleting collection `name` may remove, or empty. A
// folder found only without regard to case is left alone while another
// collection file still claims it by that spelling.
QString pictureFolderToDelete(const ProgramFolder &folder, const QString &name);

} // namespace CollectionListing
