#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QString>

class ProgramFolder;
struct PictureTree;

// The album page Slideshow.htm: year by year every picture of a collection's
// picture folder with its catalogue number as caption, in Windows-1252 with
// CR LF line ends.
namespace SlideshowPage {

// The page's bytes. Without records it carries a message in place of the
// album. Characters that would break the markup or a link are escaped;
// ordinary names come out as they are.
QByteArray build(const PictureTree &pictures, bool hasRecords);

// Builds the page from the collection's picture folder and replaces the
// page of the program folder atomically.
StorageResult write(const ProgramFolder &folder, const QString &collectionName, bool hasRecords);

// What the album command does before the page is shown: removes the old
// page, gives the file system a moment, then writes the new page.
StorageResult exportPage(const ProgramFolder &folder, const QString &collectionName, bool hasRecords);

} // namespace SlideshowPage
